#!/usr/bin/env bash
# Plays the real program natively on Wayland, under a Weston compositor:
#   wayland.sh PATH-TO-GAME [SCREENSHOT.png]
# Headless Weston has no seat, so no keyboard: Weston runs with its X11
# backend on a private, bare Xvfb, and xdotool's keys reach the game through
# Weston's keyboard. Checks the game's own classic frame (no maximize), a
# wrong check and its hint and the advert by the keyboard alone, and "Kraj"
# with status 0.
set -u
GAME=$(realpath "$1")
SHOT_COPY=${2:-}
. "$(dirname "$0")/lib.sh"
for tool in weston weston-info weston-screenshooter convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./test.sh, which installs it"
done
start_display --no-wm
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=mud-wayland
weston --backend=x11-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 --use-pixman \
       --debug --idle-time=0 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
trap 'kill $WESTON_PID 2>/dev/null; stop_display; rm -rf "$WORK"' EXIT
wait_for 10 weston-info || fail "weston did not start: $(tail -3 "$WORK/weston.log")"
WESTON_WINDOW=$(sed -n 's/.*window id \([0-9]*\).*/\1/p' "$WORK/weston.log" | head -1)
[ -n "$WESTON_WINDOW" ] || fail "weston opened no X window"

# shot: a screenshot of the compositor in $WORK/shot.png.
shot() {
    rm -f "$WORK"/wayland-screenshot-*.png
    (cd "$WORK" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$WORK"/wayland-screenshot-*.png "$WORK/shot.png"
}
# count R,G,B: how many pixels of the screenshot have that colour.
count() {
    convert "$WORK/shot.png" -format %c histogram:info:- |
        awk -v c="($1)" '{ gsub(/ /, "", $2) } $2 == c { sub(/:/, "", $1); n += $1 } END { print n + 0 }'
}
board_shown() { shot && [ "$(count 192,192,192)" -gt 150000 ]; }

echo "the board, natively on Wayland"
QT_QPA_PLATFORM=wayland "$GAME" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait_for 15 board_shown || fail "the board did not appear on Wayland"
[ -n "$SHOT_COPY" ] && cp "$WORK/shot.png" "$SHOT_COPY"
# The classic caption, navy or grey, drawn by the game itself: no toolkit
# title bar, so no maximize button.
caption=$(( $(count 0,0,128) + $(count 128,128,128) ))
[ "$caption" -gt 8000 ] || fail "the board has no classic caption ($caption pixels)"
grep -q -i "could not\|failed" "$WORK/game.log" && fail "the game complained: $(cat "$WORK/game.log")"
note "ok"

echo "a wrong check with the keyboard"
xdotool windowfocus "$WESTON_WINDOW"
# The board has the keyboard when its caption is navy, the active colour.
board_active() { shot && [ "$(count 0,0,128)" -gt 5000 ]; }
wait_for 10 board_active || fail "the board did not get the keyboard"
face_before=$(count 224,224,224)
xdotool key Return                    # "Provera" has the focus
hint_open() { shot && [ "$(count 224,224,224)" -gt $((face_before + 15000)) ]; }
wait_for 10 hint_open || fail "Enter on Provera opened no hint window"
xdotool key Return                    # "Izlaz"
hint_closed() { shot && [ "$(count 224,224,224)" -lt $((face_before + 5000)) ]; }
wait_for 10 hint_closed || fail "Enter did not close the hint window"
note "ok"

echo "the advert, without a title bar"
wait_for 10 board_active || fail "the board did not get the keyboard back"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab Return   # Ponovo, Objašnjenje, Kraj, Reklama
advert_open() { shot && [ "$(count 62,119,190)" -gt 60000 ]; }
wait_for 10 advert_open || fail "no blue advert window"
xdotool key Return                                           # "Izlaz"
advert_closed() { shot && [ "$(count 62,119,190)" -lt 1000 ]; }
wait_for 10 advert_closed || fail "Enter did not close the advert"
note "ok"

echo "Kraj"
wait_for 10 board_active || fail "the board did not get the keyboard back"
xdotool key Tab Return                                       # from "Reklama" to "Kraj"
wait_exit
[ "$STATUS" = "0" ] || fail "Kraj ended the program with status $STATUS"
note "ok"
echo "1 passed, 0 failed"
