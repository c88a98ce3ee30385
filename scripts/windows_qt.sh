# Qt for Windows: static, only what the game needs, cross-built with
# Debian's MinGW-w64. Sourced by windows.sh after common.sh.
# Sets QT_WIN: the installed Qt prefix.
. "$ROOT/scripts/qt_cache.sh"

QT_WIN_OPTIONS=(-xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-glib
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite3
    -no-feature-tabletevent)

# The cache key: Qt's version, its options, the patches and the toolchain.
qt_win_key() {
    { echo "$QT_VERSION ${QT_WIN_OPTIONS[*]} ${QT_PATCHES[*]}"
      cat "$ROOT/cmake/mingw-w64-x86_64.cmake"
      x86_64-w64-mingw32-g++-posix -dumpfullversion; } | sha256sum | cut -c1-12
}

build_qt_windows() {
    build_qt win64 "$(qt_win_key)" 25 "${QT_WIN_OPTIONS[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    QT_WIN=$QT_PREFIX
}
