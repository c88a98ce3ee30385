# Qt for Windows, cross-built once from Debian's own qt6-base source package
# (static, only what the game needs) into a cache outside the checkout, which
# every clone reuses. Sourced by windows.sh after common.sh.
# Sets QT_WIN: the installed Qt prefix.

QT_WIN_VERSION=6.4.2
declare -F fail >/dev/null || fail() { echo "$*" >&2; exit 1; }
QT_WIN_OPTIONS=(-xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-glib
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite3
    -no-feature-tabletevent)
# Debian's fixes that touch what the game uses.
QT_WIN_PATCHES=(cve-2023-32763.diff)

if [ "$(id -u)" -eq 0 ]; then
    MUD_CACHE=${MUD_CACHE:-/var/cache/mudrovan}
else
    MUD_CACHE=${MUD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mudrovan}
fi
# The cache key: Qt's version, its options, the patches and the toolchain.
qt_win_key() {
    { echo "$QT_WIN_VERSION ${QT_WIN_OPTIONS[*]} ${QT_WIN_PATCHES[*]}"
      cat "$ROOT/cmake/mingw-w64-x86_64.cmake"
      x86_64-w64-mingw32-g++-posix -dumpfullversion; } | sha256sum | cut -c1-12
}

# apt-get source with a private sources file: the machine's own Debian
# registry and suites, as deb-src.
fetch_qt_source() {
    local dir=$1
    mkdir -p "$dir/lists/partial" "$dir/parts"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$dir/parts/debian-src.sources"
    fi
    grep -h -E '^deb .*debian' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' > "$dir/src.list" || true
    local o=(-o Dir::Etc::SourceList="$dir/src.list" -o Dir::Etc::SourceParts="$dir/parts"
             -o Dir::State::Lists="$dir/lists")
    (cd "$dir" && apt-get "${o[@]}" update && apt-get "${o[@]}" source --download-only qt6-base) \
        > "$dir/fetch.log" 2>&1 || fail "Could not fetch Qt's source with apt: see $dir/fetch.log"
}

build_qt_windows() {
    QT_WIN="$MUD_CACHE/qt-$QT_WIN_VERSION-win64-$(qt_win_key)"
    [ -f "$QT_WIN/.complete" ] && return 0
    local work="$MUD_CACHE/work-$(qt_win_key)" started=$SECONDS
    echo "Building Qt $QT_WIN_VERSION for Windows once into $QT_WIN (about 25 minutes on 2 cores)..."
    rm -rf "$work" "$QT_WIN"
    mkdir -p "$work"
    fetch_qt_source "$work"
    [ -f "$work/qt6-base_$QT_WIN_VERSION+dfsg.orig.tar.xz" ] || fail "apt brought another Qt than $QT_WIN_VERSION: $(ls "$work")"
    tar -C "$work" -xJf "$work"/qt6-base_"$QT_WIN_VERSION"*.orig.tar.xz
    tar -C "$work" -xJf "$work"/qt6-base_"$QT_WIN_VERSION"*.debian.tar.xz
    local src p
    src=$(echo "$work"/qtbase-everywhere-src-*)
    for p in "${QT_WIN_PATCHES[@]}"; do patch -d "$src" -p1 < "$work/debian/patches/$p"; done
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$QT_WIN" "${QT_WIN_OPTIONS[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > "$work/configure.log" 2>&1) \
        || fail "Qt's configure failed: see $work/configure.log"
    cmake --build "$work/build" --parallel "$(nproc)" > "$work/build.log" 2>&1 \
        || fail "Qt's build failed: see $work/build.log"
    cmake --install "$work/build" > "$work/install.log" 2>&1 || fail "Qt's install failed: see $work/install.log"
    touch "$QT_WIN/.complete"
    rm -rf "$work"
    echo "Qt for Windows built in $(( (SECONDS - started) / 60 )) min."
}
