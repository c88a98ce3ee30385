#!/usr/bin/env bash
# The web page by ear, with the real screen reader (tests/e2e/orca_lib.sh)
# reading a headed chromium or firefox: a round with the keys sent through
# the X server, as a player presses them: the focused button on load, a
# list's house, attribute and value, a choice from the open list, a wrong
# check's hint and the lives left, the clue keys and where-am-I, a new
# round, the win after the hidden reveal, and a new round after it, each
# said once.
#   tests/e2e/on_display.sh --a11y bash tests/web/web_orca.sh SITE-FOLDER [chromium|firefox]
SITE=$(realpath "$1")
ENGINE=${2:-chromium}
HERE=$(cd "$(dirname "$0")" && pwd)
# Orca as it comes: it reads the page through as it loads, the whole board,
# until a key stops it, and browses the page with its own caret; its voice
# takes time to speak, so that a key stops that reading as for a player's. In firefox,
# where the test explores by pointer, its mouse review is on, as a player
# turns it on for that.
[ "$ENGINE" = firefox ] && ORCA_SETTINGS='"enableMouseReview": true'
ORCA_VOICE=timed
. "$HERE/../e2e/orca_lib.sh"
case $ENGINE in
    chromium) command -v chromium >/dev/null || fail "chromium is missing: run ./web.sh test, which installs it" ;;
    firefox) command -v firefox-esr >/dev/null || fail "firefox-esr is missing: run ./web.sh test, which installs it" ;;
    *) fail "no such engine: $ENGINE" ;;
esac

# The browser's helpers live in its own process group, and go with it.
BROWSER_PID= SERVER_PID=
stop_page() {
    [ -n "$BROWSER_PID" ] && kill -9 -- "-$BROWSER_PID" 2>/dev/null
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null
    for _ in $(seq 100); do pgrep -g "${BROWSER_PID:-0}" >/dev/null 2>&1 || break; sleep 0.05; done
}
ON_STOP=stop_page

/usr/bin/python3 "$HERE/../../scripts/serve_web.py" "$SITE" >"$WORK/url" 2>/dev/null &
SERVER_PID=$!
for _ in $(seq 200); do [ -s "$WORK/url" ] && break; sleep 0.05; done
URL=$(head -1 "$WORK/url")
[ -n "$URL" ] || fail "the web server did not start"

mark
STARTED=$MARK
if [ "$ENGINE" = chromium ]; then
    setsid chromium --no-sandbox --force-renderer-accessibility --no-first-run --disable-gpu \
        --use-angle=swiftshader --enable-unsafe-swiftshader --disable-background-networking \
        --disable-component-update --disable-sync --disable-quic --remote-debugging-port=0 \
        --user-data-dir="$WORK/profile" --window-position=0,0 --window-size=1000,740 "$URL" \
        >"$WORK/browser.log" 2>&1 &
    CLICK_AT=$WORK/profile
else
    CLICK_AT=$(PYTHONPATH=$HERE /usr/bin/python3 -c "from browser import free_port; print(free_port())")
    PYTHONPATH=$HERE /usr/bin/python3 -c "import sys; from browser import Firefox; Firefox.profile(sys.argv[1])" "$WORK/profile"
    GNOME_ACCESSIBILITY=1 setsid firefox-esr --no-remote --profile "$WORK/profile" \
        --remote-debugging-port "$CLICK_AT" --width 1000 --height 740 "$URL" >"$WORK/browser.log" 2>&1 &
fi
BROWSER_PID=$!
disown
hear 90 "^Provera push button"
hear 10 "^F2 čita sledeći podatak, Shift\+F2 prethodni, F3 ponavlja poslednji\.$"
once "^F2 čita sledeći podatak"
echo "  Orca says the focused button and the clue keys as the game comes up"

# The lists take the keys: Orca is in its focus mode once one has the focus
# (it may be already), and stays in it.
in_focus_mode() { [ "$(said | tail -n +$((STARTED + 1)) | grep -E '^(Focus|Browse) mode$' | tail -1)" = "Focus mode" ]; }
key Tab "^Kuća 1, Boja combo box"
hear 5 "^nije izabrano"
for _ in $(seq 100); do in_focus_mode && break; sleep 0.05; done
in_focus_mode || fail "Orca is not in its focus mode with a list focused"
key Down "^Crvena$"
key KP_Enter "^Kuća 1, Boja combo box"
hear 5 "^Crvena"
echo "  a list: house, attribute and value, on focus and where-am-I; an empty one as words"

key alt+Down "^Crvena"  # the open list shows its current item; the arrows read the others
key Down "^Zelena"
key Return "^Zelena"
once "Zelena"
echo "  a choice from the open list is said once"

key shift+Tab "^Provera push button"
key Return "Nađena je greška! Kuća broj: [1-5]\. Pitanje: (Boja|Poreklo|Piće|Cigarete|Ljubimac)\.$"
hear 5 "^Izlaz push button"
once "Nađena je greška"
key Return "Preostalo života: 14\.?$"
hear 10 "^Provera push button"  # the board's control has the keys again
once "Preostalo života: 14"
echo "  a wrong check: the hint as a dialog, then the lives left"

for clue in $(seq 15); do key F2 "Podatak $clue, [^,]+\.$"; done
key F3 "Podatak 15, Mačvanin puši srbiju\.$"
key shift+F2 "Podatak 14, "
echo "  the clues one at a time, in printed order, and again"

new_round
echo "  a new round with its lives"

on_page() { PYTHONPATH=$HERE /usr/bin/python3 "$HERE/on_page.py" "$ENGINE" "$CLICK_AT" "$@"; }
on_page click 437 224 right || fail "could not click the pet label of house 5"
key Return "Bravo! Rešili ste problem! Liste su zaključane\.$"
once "Bravo!"
echo "  a right check after the hidden reveal: the win is said once, with the lists locked"
new_round
echo "  after the win, the new round is said once"

# By pointer and by finger: the page holds each thing where it is drawn.
if [ "$ENGINE" = chromium ]; then
    # Orca's mouse review finds nothing in chromium; a screen reader's own
    # hit test through the accessibility bus does, and acts.
    mark
    [ "$(on_page explore)" = Zelena ] || fail "a screen reader cannot explore or play the page"
    hear 10 "^Zelena"
    echo "  each list and clue found where it is drawn; a list opened and an item chosen by their actions"
else
    # Each thing: its name, what Orca says of it, and then of its value.
    for thing in "Kuća 3, Boja|^Kuća 3, Boja combo box|^nije izabrano" 'Pušač "zete" čuva pticu|^Pušač "zete" čuva pticu|' \
                 "Provera|^Provera push button|"; do
        IFS='|' read -r name heard value <<<"$thing"
        point=$(on_page point "$name") || fail "no $name on the page"
        mark
        xdotool mousemove $point
        hear 10 "$heard"
        [ -z "$value" ] || hear 10 "$value"
    done
    echo "  the pointer over a list, a clue and a button is heard"
fi

echo "1 passed, 0 failed"
