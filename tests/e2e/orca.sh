#!/usr/bin/env bash
# A round by ear, with the real screen reader (tests/e2e/orca_lib.sh). Plays
# with the keyboard alone: a list, a wrong check, the clue keys, "Ponovo",
# the hidden reveal and a right check, a new round after it, a lost round
# and a new round after that, and listens after each step.
#   tests/e2e/on_display.sh --a11y bash tests/e2e/orca.sh PATH-TO-GAME
GAME=$1
. "$(dirname "$0")/orca_lib.sh"

mark
"$GAME" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
hear 20 "^Provera push button"
echo "  Orca reads the board"

key Tab "^Kuća 1, Boja combo box"
hear 5 "^nije izabrano"
key KP_Enter "^Kuća 1, Boja combo box"
hear 5 "^nije izabrano"
key Down "^Crvena"
echo "  a list: house, attribute and value, on focus and where-am-I; an empty one as words"

key alt+Down "alt"  # the open list keeps its current item; the arrows read the others
key Down "^Zelena"
key Return "Zelena"
once "Zelena"
echo "  a choice from the open list is said once"

key shift+Tab "^Provera push button"
key Return "Nađena je greška! Kuća broj: [1-5]\. Pitanje: (Boja|Poreklo|Piće|Cigarete|Ljubimac)\.$"
key Return "Preostalo života: 14\.?$"
hear 10 "^Dazazirezir uraruvivo frame"  # the board has the keys again
once "Preostalo života: 14\.?$"
echo "  a wrong check: the hint, then the lives left"

for clue in $(seq 15); do key F2 "Podatak $clue, [^,]+\.$"; done
key F3 "Podatak 15, Mačvanin puši srbiju\.$"
key shift+F2 "Podatak 14, "
echo "  the clues one at a time, in printed order, and again"

key shift+Tab "^Ponovo push button"
key Return "Nova igra\. Preostalo života: 15\.?$"
echo "  a new round with its lives"

window=$(xdotool search --onlyvisible --name '^Dazazirezir uraruvivo$' | head -1)
xdotool mousemove --window "$window" 437 224 click 3  # the hidden reveal
key Tab "^Provera push button"
key Return "Bravo! Rešili ste problem! Liste su zaključane\.$"
once "Bravo!"
echo "  a right check: the win is said once, with the lists locked"

# "Ponovo" unlocks and clears the 25 lists at once: said all the same.
new_round
echo "  after the win, the new round is said once"

for life in $(seq 14 -1 0); do
    key Return "Nađena je greška!"
    key Return "Preostalo života: $life\.?$"
    [ "$life" -gt 0 ] && hear 10 "^Dazazirezir uraruvivo frame"
done
hear 10 "Nažalost"
key Return "^Liste su zaključane\.$"
hear 10 "^Dazazirezir uraruvivo frame"
once "Liste su zaključane"
key Return "^Igra je izgubljena\. Liste su zaključane\.$"
once "Igra je izgubljena"
echo "  a lost round: every life, the game over, the lock, and a check that does nothing"
new_round
echo "  after the loss, the new round is said once"

echo "1 passed, 0 failed"
