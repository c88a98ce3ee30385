# Shared by play.sh and test.sh: install what is missing, then build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages the game needs to build, run and be tested.
PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation
          xvfb openbox xdotool x11-utils imagemagick
          dbus-daemon dbus-bin at-spi2-core python3-pyatspi)

install_missing() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (sudo apt-get install ${missing[*]}) or run this command as root." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build [FOLDER [CMAKE-OPTION...]]: the release build in build/ by default.
build() {
    local folder=${1:-$BUILD}
    shift $(( $# > 0 ? 1 : 0 ))
    cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$folder" -j"$(nproc)"
}
