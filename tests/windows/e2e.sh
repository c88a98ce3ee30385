#!/usr/bin/env bash
# Plays the real mudrovan.exe under Wine on a private X display with openbox:
#   e2e.sh WINE-PREFIX PATH-TO-MUDROVAN.EXE
# The board with its title and size, a wrong check by the keyboard and its
# hint, the advert without a title bar, and "Kraj" with status 0.
set -u
GAME=$(realpath "$2")
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/wine.sh"
wine_on_display "$1"
wine_game "$GAME"

echo "the board"
[ "$(client_size "$MAIN")" = "511x487" ] || fail "client area is $(client_size "$MAIN"), not 511x487"
# Wine gives the window manager the frame the window's style asks for: a
# caption with minimize and close, no maximize (Motif bits 0x10 and 0x40).
read -r _ functions decorations _ < <(xprop -id "$MAIN" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
(( functions & 0x10 || decorations & 0x40 )) && fail "the board offers maximizing"
(( decorations & 0x20 )) || fail "the board cannot be minimized"
in_taskbar "$MAIN" || fail "the board has no taskbar entry"
note "ok"

echo "a wrong check by the keyboard"
xdotool key Return                             # "Provera" has the focus
INFO=$(wait_window '^ Informacija$') || fail "Enter on Provera opened no hint window"
in_taskbar "$INFO" && fail "the hint window has a taskbar entry"
read -r _ _ decorations _ < <(xprop -id "$INFO" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
(( decorations & 0x60 )) && fail "the hint window offers minimize or maximize"
wait_for 10 focused "$INFO" 123 96 || fail "the hint's Izlaz did not get the keyboard"
close_by Return "$INFO" "$MAIN" || fail "Enter did not close the hint window and give the board the keyboard back"
note "ok"

echo "the advert, without a title bar"
wait_for 10 focused "$MAIN" 200 315 || fail "Provera did not get the keyboard back"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab Return   # Ponovo, Objašnjenje, Kraj, Reklama
advert() { game_windows | grep -v -x "$MAIN" | head -1 | grep .; }
ADVERT=$(wait_for_output 10 advert) || fail "Reklama opened no window"
[ -z "$(window_name "$ADVERT")" ] || fail "the advert has a title: $(window_name "$ADVERT")"
read -r left right top bottom < <(xprop -id "$ADVERT" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
[ "${top:-1}" = 0 ] || fail "the advert has a title bar: frame extents $left $right $top $bottom"
in_taskbar "$ADVERT" || fail "the advert has no taskbar entry"
wait_for 10 focused "$ADVERT" 384 279 || fail "the advert's Izlaz did not get the keyboard"
close_by Return "$ADVERT" "$MAIN" || fail "Enter did not close the advert and give the board the keyboard back"
note "ok"

echo "Kraj"
wait_for 10 focused "$MAIN" 464 459 || fail "Reklama did not get the keyboard back"
xdotool key Tab Return                         # from "Reklama" to "Kraj"
wait_exit
[ "$STATUS" = "0" ] || fail "Kraj ended the program with status $STATUS"
note "ok"
echo "1 passed, 0 failed"
