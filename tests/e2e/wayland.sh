#!/usr/bin/env bash
# Plays the real program natively on Wayland, under a Weston compositor:
#   wayland.sh PATH-TO-GAME [SCREENSHOT.png]
# Checks the game's own classic frame (no maximize), a wrong check and its
# hint and the advert by the keyboard alone (its title empty: read from the
# game's own log of what it asked of the compositor), and "Kraj" with status 0.
set -u
GAME=$(realpath "$1")
SHOT_COPY=${2:-}
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/weston.sh"
start_weston

echo "the board, natively on Wayland"
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$GAME" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait_for 15 board_shown || fail "the board did not appear on Wayland"
[ -n "$SHOT_COPY" ] && cp "$WORK/shot.png" "$SHOT_COPY"
# The classic caption, navy or grey, drawn by the game itself: no toolkit
# title bar, so no maximize button.
caption=$(( $(count 0,0,128) + $(count 128,128,128) ))
[ "$caption" -gt 8000 ] || fail "the board has no classic caption ($caption pixels)"
complaints=$(game_output)
grep -q -i "could not\|failed" <<<"$complaints" && fail "the game complained: $complaints"
note "ok"

echo "a wrong check with the keyboard"
focus_board || fail "the board did not get the keyboard: its caption stayed grey"
face_before=$(count 224,224,224)
xdotool key Return                    # "Provera" has the focus
hint_open() { shot && [ "$(count 224,224,224)" -gt $((face_before + 15000)) ]; }
wait_for 10 hint_open || fail "Enter on Provera opened no hint window"
# Owned by the board, so that the compositor keeps it above the board and
# off the taskbar.
# titles: each title the game gave a toplevel; toplevel TITLE: the last one given it.
titles() { grep -o 'xdg_toplevel@[0-9]*\.set_title(.*)' "$WORK/game.log"; }
toplevel() { titles | grep -F ".set_title(\"$1\")" | tail -1 | cut -d. -f1; }
board=$(toplevel "Dazazirezir uraruvivo") hint=$(toplevel " Informacija")
grep -q "$hint\.set_parent($board)" "$WORK/game.log" \
    || fail "the hint window ($hint) is not owned by the board ($board)"
xdotool key Return                    # "Izlaz"
hint_closed() { shot && [ "$(count 224,224,224)" -lt $((face_before + 5000)) ]; }
wait_for 10 hint_closed || fail "Enter did not close the hint window"
note "ok"

echo "the advert, without a title bar"
focus_board || fail "the board did not get the keyboard back after the dialog closed"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab Return   # Ponovo, Objašnjenje, Kraj, Reklama
advert_open() { shot && [ "$(count 62,119,190)" -gt 60000 ]; }
wait_for 10 advert_open || fail "no blue advert window"
[ -n "$(toplevel "Dazazirezir uraruvivo")" ] && [ -n "$(toplevel "")" ] && ! titles | grep -q Mudrovan \
    || fail "the advert's title should be empty and no window titled Mudrovan; titles asked: $(titles)"
xdotool key Return                                           # "Izlaz"
advert_closed() { shot && [ "$(count 62,119,190)" -lt 1000 ]; }
wait_for 10 advert_closed || fail "Enter did not close the advert"
note "ok"

echo "Kraj"
focus_board || fail "the board did not get the keyboard back after the dialog closed"
xdotool key Tab Return                                       # from "Reklama" to "Kraj"
wait_exit
[ "$STATUS" = "0" ] || fail "Kraj ended the program with status $STATUS"
note "ok"
echo "1 passed, 0 failed"
