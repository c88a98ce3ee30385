# Qt built once from Debian's own qt6-base source package (Qt 6.4.2) into a
# cache outside the checkout, which every clone reuses: for Windows
# (windows_qt.sh) and for the web (web_qt.sh). Sourced after common.sh.

QT_VERSION=6.4.2
declare -F fail >/dev/null || fail() { echo "$*" >&2; exit 1; }
# Debian's fixes that touch what the game uses.
QT_PATCHES=(cve-2023-32763.diff)
# What the game takes of Qt, on every platform.
. "$ROOT/scripts/qt_features.sh"
# The project's own patches, in scripts/qt_patches/: the game's Qt's, and
# what a platform adds (windows_qt.sh and web_qt.sh).
QT_OWN_PATCHES=("${QT_GAME_PATCHES[@]}")

if [ "$(id -u)" -eq 0 ]; then
    MUD_CACHE=${MUD_CACHE:-/var/cache/mudrovan}
else
    MUD_CACHE=${MUD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mudrovan}
fi

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

# qt_key CONFIGURE-ARGUMENT...: names a build for the cache, from Qt's
# version, its options, every patch and the toolchain (the lines that
# qt_toolchain, set by the platform's script, prints).
qt_key() {
    local p
    { echo "$QT_VERSION $* ${QT_PATCHES[*]}"
      for p in "${QT_OWN_PATCHES[@]}"; do cat "$ROOT/scripts/qt_patches/$p"; done
      qt_toolchain; } | sha256sum | cut -c1-12
}

# build_qt PLATFORM KEY MINUTES CONFIGURE-ARGUMENT...: unless it is there,
# builds Qt into $MUD_CACHE/qt-$QT_VERSION-PLATFORM-KEY, configured with the
# arguments (after -prefix); KEY names the options and the toolchain, so
# that a change builds afresh. Sets QT_PREFIX.
build_qt() {
    local platform=$1 key=$2 minutes=$3
    shift 3
    QT_PREFIX="$MUD_CACHE/qt-$QT_VERSION-$platform-$key"
    [ -f "$QT_PREFIX/.complete" ] && return 0
    local work="$MUD_CACHE/work-$platform-$key" started=$SECONDS
    echo "Building Qt $QT_VERSION for $platform once into $QT_PREFIX (about $minutes minutes on 2 cores)..."
    rm -rf "$work" "$QT_PREFIX"
    mkdir -p "$work"
    fetch_qt_source "$work"
    [ -f "$work/qt6-base_$QT_VERSION+dfsg.orig.tar.xz" ] || fail "apt brought another Qt than $QT_VERSION: $(ls "$work")"
    tar -C "$work" -xJf "$work"/qt6-base_"$QT_VERSION"*.orig.tar.xz
    tar -C "$work" -xJf "$work"/qt6-base_"$QT_VERSION"*.debian.tar.xz
    local src p
    src=$(echo "$work"/qtbase-everywhere-src-*)
    for p in "${QT_PATCHES[@]}"; do patch -d "$src" -p1 < "$work/debian/patches/$p"; done
    for p in "${QT_OWN_PATCHES[@]}"; do patch -d "$src" -p1 < "$ROOT/scripts/qt_patches/$p"; done
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$QT_PREFIX" "$@" > "$work/configure.log" 2>&1) \
        || fail "Qt's configure failed: see $work/configure.log"
    cmake --build "$work/build" --parallel "$(nproc)" > "$work/build.log" 2>&1 \
        || fail "Qt's build failed: see $work/build.log"
    cmake --install "$work/build" > "$work/install.log" 2>&1 || fail "Qt's install failed: see $work/install.log"
    touch "$QT_PREFIX/.complete"
    rm -rf "$work"
    echo "Qt for $platform built in $(( (SECONDS - started) / 60 )) min."
}

# for_qt BUILD-FOLDER: a build folder made with another Qt than QT_PREFIX
# (an earlier list of features) is made anew, since CMake keeps the Qt it
# was first given.
for_qt() {
    local cache="$1/CMakeCache.txt"
    if [ -f "$cache" ] && ! grep -q "^Qt6_DIR:PATH=$QT_PREFIX/" "$cache"; then
        echo "$1 was built with another Qt: building it anew."
        rm -rf "$1"
    fi
}
