#!/usr/bin/env bash
# The game as a user installs it:
#   package.sh BUILD-FOLDER SOURCE-FOLDER
# builds the Debian package and has it checked by lintian, its AppStream
# metainfo and desktop entry by their validators, and apt by a dry run; then
# installs into a temporary prefix and starts the installed game on a
# private display.
set -u
BUILD=$(realpath "$1")
SOURCE=$(realpath "$2")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack lintian appstreamcli desktop-file-validate dpkg-deb apt-get; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./test.sh, which installs it"
done

echo "the Debian package"
(cd "$BUILD" && cpack -G DEB -B "$WORK/deb" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; fail "cpack failed"; }
deb=$(ls "$WORK"/deb/mudrovan_*.deb 2>/dev/null)
[ "$(basename "$deb")" = "mudrovan_1.00_$(dpkg --print-architecture).deb" ] || fail "no mudrovan_1.00 package: $deb"
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges' "$WORK/lintian.log"
[ "$status" = 0 ] || fail "lintian found errors or warnings"
dpkg-deb -x "$deb" "$WORK/root"
appstreamcli validate --no-net "$WORK"/root/usr/share/metainfo/*.metainfo.xml || fail "the metainfo is not valid"
desktop-file-validate "$WORK"/root/usr/share/applications/*.desktop || fail "the desktop entry is not valid"
apt-get install --simulate --no-install-recommends "$deb" >"$WORK/apt.log" 2>&1 ||
    { cat "$WORK/apt.log"; fail "apt cannot install the package"; }
echo "  ok"

echo "installed into a temporary prefix"
cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null || fail "cmake --install failed"
for file in games/mudrovan share/man/man6/mudrovan.6.gz share/doc/mudrovan/copyright \
            share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/mudrovan.png; do
    [ -f "$WORK/prefix/$file" ] || fail "$file is not installed"
done
bash "$SOURCE/tests/e2e/on_display.sh" bash "$SOURCE/tests/packaging/installed_runs.sh" "$WORK/prefix/games/mudrovan" ||
    fail "the installed game did not run"
echo "  ok"
echo "1 passed, 0 failed"
