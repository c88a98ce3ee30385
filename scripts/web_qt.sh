# Qt for the web: WebAssembly, static, single-threaded, the game's Qt
# (qt_features.sh) without Asyncify (the game's dialogs need no event loop
# of their own), without Qt Test (the page is tested in browsers) and
# without the fonts Qt bundles for programs that bring none. Built with
# Debian's emscripten. Sourced by web.sh after common.sh.
# Sets QT_WEB: the installed Qt prefix; exports EMSDK and EMSCRIPTEN.
. "$ROOT/scripts/qt_cache.sh"

mapfile -t QT_WEB_OPTIONS < <(qt_game_options)
QT_WEB_OPTIONS+=(-xplatform wasm-emscripten -no-fontconfig -no-feature-testlib)
QT_OWN_PATCHES+=(wasm-no-bundled-fonts.patch wasm-without-regularexpression.patch)

# Qt finds emscripten only through an emsdk folder: EMSDK/.emscripten names
# the root, where Qt runs emcc and finds emscripten's CMake files. A small
# one in the cache points at Debian's emscripten.
use_debian_emscripten() {
    export EMSDK="$MUD_CACHE/emsdk" EMSCRIPTEN=/usr/share/emscripten
    # emcc's JavaScript tools need Debian's node modules (acorn) where node
    # is not Debian's own.
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    [ -f "$EMSDK/.emscripten" ] && return 0
    mkdir -p "$EMSDK/upstream/emscripten"
    ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
    ln -sfn /usr/bin/em++ "$EMSDK/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$EMSDK/upstream/emscripten/cmake"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" > "$EMSDK/.emscripten"
}

qt_toolchain() { emcc --version 2>/dev/null | sed -n 1p; }

build_qt_web() {
    use_debian_emscripten
    build_qt wasm "$(qt_key "${QT_WEB_OPTIONS[@]}")" 10 "${QT_WEB_OPTIONS[@]}" -- \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    QT_WEB=$QT_PREFIX
}
