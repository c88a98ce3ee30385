#!/usr/bin/env bash
# Start-up of the Windows program under Wine: time from starting Wine to the
# first paint of the game's board, beside a bare Qt window of the same size,
# alternately, on a private X display (the real Windows platform of Qt, not
# offscreen); prints the medians.
#   bench/wine_first_paint.sh [RUNS]     (after ./windows.sh and
#   cmake --build build-windows --target first_paint)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-11}
PROGRAM="$ROOT/build-windows/first_paint.exe"
fail() { echo "$*" >&2; exit 1; }
[ -f "$PROGRAM" ] || fail "no $PROGRAM: build it first (see the top of this script)"
WORK=$(mktemp -d)
. "$ROOT/scripts/display.sh"
. "$ROOT/tests/windows/wine.sh"
trap 'stop_wine; stop_display; rm -rf "$WORK"' EXIT
start_display --no-wm
use_wine "$ROOT/build-windows/wine-prefix"
# once MODE: milliseconds from starting Wine to the "painted" line.
once() {
    local start
    start=$(date +%s%N)
    wine "$PROGRAM" "$1" 2>/dev/null | {
        grep -q -m1 painted || fail "first_paint $1 did not paint"
        echo $(( ($(date +%s%N) - start) / 1000000 ))
        cat >/dev/null
    }
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
once bare >/dev/null   # wineserver up, files cached
for _ in $(seq "$RUNS"); do
    once bare >>"$WORK/bare"
    once game >>"$WORK/game"
done
echo "start to first paint under Wine (median of $RUNS, Qt's Windows platform on Xvfb)"
echo "  bare Qt window: $(median <"$WORK/bare") ms"
echo "  game board:     $(median <"$WORK/game") ms"
