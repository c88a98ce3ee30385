#!/usr/bin/env bash
# Builds the game as a web page here, on Debian 12, with Debian's emscripten
# and a Qt for WebAssembly built once from Debian's own source into a cache
# outside the checkout; leaves the page in build-web/site/ (index.html and
# its scripts, the program gzipped) and build-web/mudrovan-<version>-web.zip.
#   ./web.sh                  build the page and the zip
#   ./web.sh serve [PORT]     ... and serve it on 127.0.0.1, printing the address
#   ./web.sh test [ARG...]    ... and play it in chromium, firefox and WebKit
#                             (ARGs go to CTest)
# As root it installs what is missing, as the other scripts do.
. "$(dirname "$0")/scripts/common.sh"
. "$ROOT/scripts/web_qt.sh"
BUILD_WEB="$ROOT/build-web"
MODE=${1:-build}
[ $# -gt 0 ] && shift

# zopfli packs the program, fontTools cuts its fonts to the game's texts.
WEB_PACKAGES=(cmake make patch xz-utils dpkg-dev qt6-base-dev qt6-base-dev-tools emscripten fonts-liberation
              zopfli python3-fonttools)
# The tests: the three browser engines (chromium through its DevTools
# protocol, firefox through WebDriver BiDi, WebKitGTK through its WebDriver),
# a private X display for the last two and for the screen reader's round,
# with the accessibility bus, and Orca.
WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver python3-websockets xvfb openbox xdotool x11-utils
                   procps dbus-daemon dbus-bin at-spi2-core orca)
[ "$MODE" = test ] && WEB_PACKAGES+=("${WEB_TEST_PACKAGES[@]}")
install_missing "${WEB_PACKAGES[@]}"

build_qt_web
for_qt "$BUILD_WEB"
cmake -S "$ROOT" -B "$BUILD_WEB" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$QT_WEB/lib/cmake/Qt6/qt.toolchain.cmake" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$BUILD_WEB" -j"$(nproc)"
ls -l "$BUILD_WEB"/site "$BUILD_WEB"/mudrovan-*-web.zip

case "$MODE" in
    serve) exec python3 "$ROOT/scripts/serve_web.py" "$BUILD_WEB/site" "${1:-0}" ;;
    test) cd "$BUILD_WEB" && ctest --output-on-failure -L web "$@" ;;
esac
