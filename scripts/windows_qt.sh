# Qt for Windows: the game's Qt (qt_features.sh), cross-built with Debian's
# MinGW-w64, with the C++ runtime linked in; Qt Test stays for the tests under
# Wine. The platform plugin and its accessibility bridge (UI Automation) come
# with it; no OpenGL, Vulkan or Direct2D (the game draws with the raster
# engine) and no tablets (wintab.h is nowhere here). Sourced by windows.sh
# after common.sh.
# Sets QT_WIN: the installed Qt prefix.
. "$ROOT/scripts/qt_cache.sh"

mapfile -t QT_WIN_OPTIONS < <(qt_game_options)
QT_WIN_OPTIONS+=(-xplatform win32-g++ -static-runtime -no-opengl -qt-doubleconversion
    -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite3 -no-feature-tabletevent)

qt_toolchain() {
    cat "$ROOT/cmake/mingw-w64-x86_64.cmake"
    x86_64-w64-mingw32-g++-posix -dumpfullversion
}

build_qt_windows() {
    build_qt win64 "$(qt_key "${QT_WIN_OPTIONS[@]}")" 20 "${QT_WIN_OPTIONS[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    QT_WIN=$QT_PREFIX
}
