#!/usr/bin/env bash
# Starts the game natively on Wayland (under a private Weston) and quits it
# with "Kraj", again and again, and counts how it ended: status 0, a crash
# (any other status) or a hang (still running 10 s after "Kraj").
#   scripts/wayland_quit_stress.sh [-n CYCLES] [--load] [GAME]
# --load: two busy loops run beside it the whole time. GAME defaults to
# build/mudrovan. Backtraces of every hung process go to build/stress-hangs/.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
N=100 LOAD=0 GAME=$ROOT/build/mudrovan
while [ $# -gt 0 ]; do
    case $1 in
        -n) N=$2; shift ;;
        --load) LOAD=1 ;;
        *) GAME=$1 ;;
    esac
    shift
done
GAME=$(realpath "$GAME")
. "$ROOT/tests/e2e/lib.sh"
. "$ROOT/tests/e2e/weston.sh"
start_weston
LOADERS=()
if [ "$LOAD" = 1 ]; then
    for _ in 1 2; do (while :; do :; done) & LOADERS+=($!); done
fi
trap 'kill "${LOADERS[@]}" 2>/dev/null; [ -n "${GAME_PID:-}" ] && kill -9 "$GAME_PID" 2>/dev/null; stop_weston; stop_display; rm -rf "$WORK"' EXIT
HANGS=$ROOT/build/stress-hangs
ok=0 crash=0 hang=0 nofocus=0
declare -A statuses
for i in $(seq "$N"); do
    QT_QPA_PLATFORM=wayland "$GAME" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    if ! wait_for 20 board_shown || ! focus_board; then
        nofocus=$((nofocus + 1)); kill -9 "$GAME_PID"; wait "$GAME_PID" 2>/dev/null; GAME_PID=
        echo "cycle $i: the board did not appear or get the keyboard"; continue
    fi
    xdotool key shift+Tab shift+Tab shift+Tab Return        # Ponovo, Objašnjenje, Kraj
    wait_exit
    case $STATUS in
        0) ok=$((ok + 1)) ;;
        running)
            hang=$((hang + 1))
            mkdir -p "$HANGS"
            gdb -p "$GAME_PID" -batch -ex 'thread apply all bt' >"$HANGS/hang-$i.txt" 2>&1
            cp "$WORK/game.log" "$HANGS/hang-$i.log"
            kill -9 "$GAME_PID"; wait "$GAME_PID" 2>/dev/null; GAME_PID=
            echo "cycle $i: hung after Kraj (backtrace in $HANGS/hang-$i.txt)" ;;
        *)
            crash=$((crash + 1)); statuses[$STATUS]=$(( ${statuses[$STATUS]:-0} + 1 ))
            echo "cycle $i: status $STATUS: $(tr '\n' ' ' < "$WORK/game.log" | cut -c1-200)" ;;
    esac
done
echo "$N cycles$([ "$LOAD" = 1 ] && echo ' under two busy loops'): $ok status 0, $crash crashed, $hang hung, $nofocus without the keyboard"
for s in "${!statuses[@]}"; do echo "  status $s: ${statuses[$s]}"; done
[ "$ok" = "$N" ]
