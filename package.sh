#!/usr/bin/env bash
# Installs what is missing, builds the game and its Debian package:
# build/mudrovan_<version>_<arch>.deb, which apt installs with what it needs.
. "$(dirname "$0")/scripts/common.sh"
install_missing "${PLAY_PACKAGES[@]}" dpkg-dev
build
(cd "$BUILD" && cpack -G DEB >cpack.log 2>&1) || { cat "$BUILD/cpack.log"; exit 1; }
echo "The package: $(ls "$BUILD"/mudrovan_*.deb)"
