#!/usr/bin/env bash
# Plays the real program on a private X display under openbox:
#   e2e.sh PATH-TO-GAME PATH-TO-DESTROY_WINDOW
# The window's frame, a wrong check, a dialog minimized and brought back, a
# solved round, both side windows and both ways of ending the program.
set -u
GAME=$(realpath "$1")
DESTROY=$(realpath "$2")
. "$(dirname "$0")/lib.sh"
start_display

SILVER="192,192,192"
# The window's frame stands centred on the 1024 x 768 screen, within a pixel.
frame_centred() {
    local x y left right top bottom
    read -r x y < <(client_origin "$1")
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    local dx=$(( 2 * (x - left) + left + right + $2 - 1024 )) dy=$(( 2 * (y - top) + top + bottom + $3 - 768 ))
    (( dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2 ))
}

echo "window frame and close box"
start_game
[ "$(client_size "$MAIN")" = "511x487" ] || fail "client area is $(client_size "$MAIN"), not 511x487"
wait_for 5 frame_centred "$MAIN" 511 487 || fail "the main window's frame is not centred: $(xwininfo -id "$MAIN" | grep -E 'Absolute|geometry')"
# Qt's Motif hints: functions and decorations without maximize (0x10, 0x40).
read -r _ functions decorations _ < <(xprop -id "$MAIN" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
(( functions & 0x10 || decorations & 0x40 )) && fail "the window offers maximizing"
read -r x y < <(client_origin "$MAIN")
xdotool mousemove $((x + 250)) $((y - 10)) click --repeat 2 --delay 80 1   # double click on the title
sleep 0.5
[ "$(client_size "$MAIN")" = "511x487" ] || fail "a double click on the title bar maximized the window"
xprop -id "$MAIN" _NET_WM_ALLOWED_ACTIONS | grep -q MINIMIZE || fail "the window cannot be minimized"
[ "$(pixel "$MAIN" 250 480)" = "$SILVER" ] || fail "the background is not silver"
read -r x y < <(client_origin "$MAIN")
read -r _ right top _ < <(xprop -id "$MAIN" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
# openbox puts the close box at the right end of the title bar.
xdotool mousemove $((x + 511 + right - 10)) $((y - top / 2)) click 1
wait_exit
[ "$STATUS" = "0" ] || fail "closing by the close box ended with status $STATUS"
note "ok"

echo "a wrong check, then a solved round"
start_game
LIFE15_X=486; LIFE_Y=287
[ "$(pixel "$MAIN" $LIFE15_X $LIFE_Y)" != "$SILVER" ] || fail "life 15 is not shown at start"
click "$MAIN" 200 325                       # Provera
INFO=$(wait_window '^ Informacija$') || fail "no hint window after a wrong check"
[ "$(pixel "$MAIN" $LIFE15_X $LIFE_Y)" != "$SILVER" ] || fail "the life went before the hint was closed"
wait_for 5 frame_centred "$INFO" 169 128 || fail "the hint window's frame is not centred"
xdotool key Return                          # Enter presses the focused "Izlaz"
wait_gone '^ Informacija$' || fail "Enter did not close the hint window"
wait_pixel "$MAIN" $LIFE15_X $LIFE_Y "$SILVER" || fail "life 15 is still shown after the hint"
# A held key presses a button once, whatever the key repeat sends meanwhile.
LIFE14_X=453; LIFE13_X=420
xdotool keydown space sleep 2 keyup space   # on "Provera", which has the focus again
wait_window '^ Informacija$' >/dev/null || fail "a held Space did not check"
sleep 0.3
[ "$(pixel "$MAIN" $LIFE14_X $LIFE_Y)" != "$SILVER" ] || fail "a held Space took more than one life"
xdotool keydown Return sleep 2 keyup Return # on the hint's "Izlaz"
wait_gone '^ Informacija$' || fail "a held Enter did not close the hint window"
wait_pixel "$MAIN" $LIFE14_X $LIFE_Y "$SILVER" || fail "life 14 is still shown after the hint"
sleep 0.3
xdotool search --onlyvisible --name '^ Informacija$' >/dev/null 2>&1 && fail "a held Enter checked again"
[ "$(pixel "$MAIN" $LIFE13_X $LIFE_Y)" != "$SILVER" ] || fail "a held Enter took more than one life"
# A dialog is never lost: minimized, it comes back at a click or a key on
# the board, restored and active, and the board takes none of that input.
is_back() { shown "$1" && [ "$(xdotool getactivewindow)" = "$1" ]; }
click "$MAIN" 200 325                       # Provera
INFO=$(wait_window '^ Informacija$') || fail "no hint window after a wrong check"
for gesture in "click $MAIN 40 60" "xdotool key Return"; do   # the colour list of house 1; Enter on "Provera"
    xdotool windowminimize "$INFO"
    wait_for 5 not_shown "$INFO" || fail "the hint window could not be minimized"
    $gesture
    wait_for 5 is_back "$INFO" || fail "after '$gesture' on the board the minimized hint window did not come back"
    sleep 0.3
    [ "$(xdotool search --onlyvisible --pid "$GAME_PID" | wc -l)" = 2 ] || fail "'$gesture' reached the board"
    [ "$(pixel "$MAIN" $LIFE13_X $LIFE_Y)" != "$SILVER" ] || fail "'$gesture' on the board took a life behind the hint"
done
click "$INFO" 123 105                       # Izlaz
wait_gone '^ Informacija$' || fail "Izlaz did not close the hint window"
wait_pixel "$MAIN" $LIFE13_X $LIFE_Y "$SILVER" || fail "life 13 is still shown after the hint"
click "$MAIN" 437 224 3                     # right button on the pet label of house 5
click "$MAIN" 200 325                       # Provera
wait_pixel "$MAIN" 80 290 "255,255,255" || fail "no congratulation panel"
xdotool search --onlyvisible --name '^ Informacija$' >/dev/null 2>&1 && fail "the revealed grid was not right"
wait_pixel "$MAIN" $LIFE15_X $LIFE_Y "$SILVER" || fail "lives 2 to 15 are not covered by the panel"
[ "$(pixel "$MAIN" 15 287)" != "$SILVER" ] || fail "life 1 is not in sight beside the panel"
note "ok"

echo "explanation and advert"
click "$MAIN" 374 325                       # Objašnjenje
ABOUT=$(wait_window '^ O Dadarariroru mozgalici$') || fail "no explanation window"
click "$ABOUT" 348 282                      # Izlaz
wait_gone '^ O Dadarariroru mozgalici$' || fail "the explanation window did not close"
click "$MAIN" 464 469                       # Reklama
# No title bar: the window draws its own 4-pixel sizing border around the
# 421 x 303 client area.
AD=
for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
        [ "$id" != "$MAIN" ] && [ "$(client_size "$id")" = "429x311" ] && AD=$id
    done
    [ -n "$AD" ] && break
    sleep 0.05
done
[ -n "$AD" ] || fail "no advert window"
read -r _ _ adtop _ < <(xprop -id "$AD" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
[ "${adtop:-0}" -le 1 ] || fail "the advert window has a title bar ($adtop pixels)"
# Its taskbar entry has an empty title: taskbars read _NET_WM_NAME, else WM_NAME.
for name in _NET_WM_NAME WM_NAME; do
    xprop -id "$AD" "$name" | grep -qE '= ("")?$' || fail "the advert's taskbar title is not empty: $(xprop -id "$AD" "$name")"
done
BLUE="62,119,190"
wait_pixel "$AD" 204 294 "$BLUE" || fail "the advert window is not blue: $(pixel "$AD" 204 294)"
[ "$(pixel "$AD" 1 1)" = "255,255,255" ] || fail "no raised sizing border: $(pixel "$AD" 1 1)"
izlaz_face=$(pixel "$AD" 366 296)
read -r x y < <(client_origin "$AD")
xdotool mousemove $((x + 427)) $((y + 309)) mousedown 1 sleep 0.3 \
        mousemove $((x + 477)) $((y + 349)) sleep 0.3 mousemove $((x + 527)) $((y + 389)) sleep 0.3 mouseup 1
wait_for 5 has_size "$AD" 529x391 || fail "dragging the corner gave $(client_size "$AD"), not 529x391"
wait_pixel "$AD" 500 370 "$BLUE" || fail "the blue area did not grow: $(pixel "$AD" 500 370)"
[ "$(pixel "$AD" 366 296)" = "$izlaz_face" ] || fail "the controls moved when the window grew"
click "$AD" 384 288                         # Izlaz
wait_for 10 not_shown "$AD" || fail "the advert window did not close"
[ "$(pixel "$MAIN" 80 290)" = "255,255,255" ] || fail "the side windows changed the round"
note "ok"

echo "Kraj"
click "$MAIN" 459 325                       # Kraj
wait_exit
[ "$STATUS" = "0" ] || fail "Kraj ended the program with status $STATUS"
note "ok"
echo "the board destroyed by another client while a dialog is open"
start_game
click "$MAIN" 200 325                       # Provera
INFO=$(wait_window '^ Informacija$') || fail "no hint window"
"$DESTROY" "$MAIN" || fail "could not destroy the main window"
sleep 0.3
click "$INFO" 123 105                       # Izlaz
wait_exit
[ "$STATUS" = "0" ] || fail "with its window destroyed the game ended with status $STATUS"
start_game
"$DESTROY" "$MAIN" || fail "could not destroy the main window"
wait_exit
[ "$STATUS" = "0" ] || fail "with its window destroyed and no dialog open, the game ended with status $STATUS"
note "ok"

echo "1 passed, 0 failed"
