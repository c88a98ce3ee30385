#!/usr/bin/env bash
# Runs a Qt Test program built for Windows under Wine, offscreen, or with
# --display on the windows platform on a private X display under openbox:
#   wine_test.sh [--display] PREFIX PROGRAM.exe [ARG...]
# Qt Test's output is lost when a Windows program writes to a pipe, so it
# goes to a file, printed afterwards; the exit status is the program's.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
WORK=$(mktemp -d)
. "$HERE/../../scripts/display.sh"
. "$HERE/wine.sh"
trap 'stop_wine; rm -rf "$WORK"' EXIT
if [ "$1" = --display ]; then
    shift
    wine_on_display "$1"
    export WINEQT_QPA_PLATFORM=windows
else
    use_wine "$1"
fi
shift
# Offscreen, a static Qt for Windows reads its fonts from one folder.
mkdir "$WORK/fonts"
ln -s /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$WORK/fonts/"
export WINEQT_QPA_FONTDIR="Z:$WORK/fonts"
wine "$@" -o "Z:$WORK/out.txt,txt" </dev/null
status=$?
[ -s "$WORK/out.txt" ] && cat "$WORK/out.txt"
[ -s "$WORK/out.txt" ] || echo "the program wrote no test report (status $status)"
exit $status
