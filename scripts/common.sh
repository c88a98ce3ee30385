# Shared by play.sh, test.sh and package.sh: install what is missing, then build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages the game needs to build and run (with a virtual display
# where there is none), and what the tests need besides.
PLAY_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev fonts-liberation
               xvfb openbox xdotool x11-utils imagemagick)
TEST_PACKAGES=(dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
               dpkg-dev lintian appstream desktop-file-utils weston qt6-wayland)

# install_missing PACKAGE...
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root, then run this command again:" >&2
        echo "  su -c 'apt-get install --no-install-recommends ${missing[*]}'" >&2
        echo "or, where sudo is set up:" >&2
        echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # A registry may serve a stale list for a while (a mirror mid-sync); what
    # can be installed from the others still is, and apt names what cannot.
    apt-get update || echo "Some package lists could not be fetched; going on with the others." >&2
    apt-get install -y --no-install-recommends "${missing[@]}"
}

# Qt wants a private runtime folder; a headless run has none of its own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$ROOT/build/.runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
fi

# build [FOLDER [CMAKE-OPTION...]]: the release build in build/ by default.
build() {
    local folder=${1:-$BUILD}
    shift $(( $# > 0 ? 1 : 0 ))
    cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$folder" -j"$(nproc)"
}
