#!/usr/bin/env bash
# Whether two builds of the Windows program draw the same pixels under Wine
# (a check for a change to how the program is built, not a test):
#   bench/wine_same_pixels.sh A.EXE B.EXE        (after ./windows.sh test)
# Each screen (the board, the explanation, the advert, a list open) from a
# fresh start of each program, the whole private display compared pixel for
# pixel once it has settled; the screens stay in a folder it names.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
A=$(realpath "$1") B=$(realpath "$2")
. "$ROOT/tests/e2e/lib.sh"
. "$ROOT/tests/windows/wine.sh"
wine_on_display "$ROOT/build-windows/wine-prefix"
SHOTS=$(mktemp -d)

# screen NAME PROGRAM STEP...: a step is keys for xdotool, or "click X Y"
# on the board's client area.
screen() {
    local name=$1 program=$2 step
    shift 2
    wine_game "$program"
    for step in "$@"; do
        case "$step" in
            click*) xdotool mousemove --window "$MAIN" ${step#click } click 1 ;;
            *) xdotool key $step ;;
        esac
    done
    sleep 2
    import -window root -depth 8 "ppm:$SHOTS/$name-$(basename "$(dirname "$program")").ppm"
    wineserver -k 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
}

differ=0
for s in "board|" "explanation|shift+Tab shift+Tab Return" \
         "advert|shift+Tab shift+Tab shift+Tab shift+Tab Return" "list-open|click 50 61"; do
    name=${s%%|*} steps=${s#*|}
    for p in "$A" "$B"; do screen "$name" "$p" ${steps:+"$steps"}; done
    n=$(compare -metric AE "$SHOTS/$name-$(basename "$(dirname "$A")").ppm" \
                           "$SHOTS/$name-$(basename "$(dirname "$B")").ppm" null: 2>&1)
    echo "$name: ${n} pixels differ"
    [ "$n" = 0 ] || differ=1
done
echo "screens in $SHOTS"
exit $differ
