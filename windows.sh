#!/usr/bin/env bash
# Builds the Windows program here, on Debian 12, with Debian's MinGW-w64 and a
# static Qt built once from Debian's own source into a cache outside the
# checkout; leaves build-windows/mudrovan.exe, the installer and the zip.
#   ./windows.sh            build the program, the installer and the zip
#   ./windows.sh test [ARG...]  ... and run the Windows tests under Wine
#                           (ARGs go to CTest, e.g. ./windows.sh test -R e2e)
# As root it installs what is missing, as the other scripts do.
. "$(dirname "$0")/scripts/common.sh"
. "$ROOT/scripts/windows_qt.sh"
BUILD_WIN="$ROOT/build-windows"
MODE=${1:-build}
[ $# -gt 0 ] && shift

WINDOWS_PACKAGES=(cmake make patch xz-utils dpkg-dev qt6-base-dev qt6-base-dev-tools
                  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis zip)
# Wine, a display for it, and the fonts the layout was measured with.
WINE_PACKAGES=(wine wine64 fonts-wine fonts-liberation xvfb openbox xdotool x11-utils imagemagick)
if [ "$MODE" = test ]; then
    install_missing "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
    # The installer is a 32-bit program: Wine runs it only with wine32, from
    # the i386 architecture. Where that cannot be installed (a registry whose
    # i386 list is stale can leave its libraries at other versions than the
    # machine's own), everything else is tested and the installer's test says
    # it was skipped, and why.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        [ "$(id -u)" -eq 0 ] || fail "Wine's 32-bit part needs the i386 architecture: as root, dpkg --add-architecture i386, then run this again."
        dpkg --add-architecture i386
        apt-get update || echo "Some package lists could not be fetched; going on with the others." >&2
    fi
    ( install_missing wine32:i386 ) || echo "wine32 could not be installed: the installer's test will be skipped." >&2
else
    install_missing "${WINDOWS_PACKAGES[@]}"
fi

build_qt_windows
for_qt "$BUILD_WIN"
cmake -S "$ROOT" -B "$BUILD_WIN" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$QT_WIN" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$BUILD_WIN" -j"$(nproc)"
(cd "$BUILD_WIN" && cpack -G "NSIS64;ZIP" >cpack.log 2>&1) || fail "cpack failed: see $BUILD_WIN/cpack.log"
ls -l "$BUILD_WIN"/mudrovan.exe "$BUILD_WIN"/mudrovan-*-win64*

if [ "$MODE" = test ]; then
    cd "$BUILD_WIN" && ctest --output-on-failure -L wine "$@"
fi
