# Helpers of the end-to-end tests: a private X display with a window manager,
# the game started on it, and ways to click, look and wait.
set -u

# The game's own output, without the Wayland requests and events it logs.
game_output() { grep -v '^\[ *[0-9.]*\] ' "$WORK/game.log"; }

fail() {
    echo "FAIL: $*" >&2
    [ -s "${WORK:-}/game.log" ] && game_output | sed 's/^/  game: /' >&2
    exit 1
}
note() { echo "  $*"; }

WORK=$(mktemp -d)
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/display.sh"
trap 'stop_display; rm -rf "$WORK"' EXIT
for tool in xdotool xwininfo import; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run the test command of README.md, which installs it"
done

# Starts the game and waits for its main window: sets GAME_PID and MAIN.
start_game() {
    "$GAME" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    MAIN=$(wait_window '^Dazazirezir uraruvivo$') || fail "the main window did not appear"
    sleep 0.3
}

# Waits (up to 10 s) for a visible window whose title matches; prints its id.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
wait_window() { wait_for_output 10 visible_window "$1"; }

# Waits (up to 10 s) until no visible window matches the title.
wait_gone() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# Waits (up to 10 s) for the game to end; sets STATUS to its exit status, or
# to "running". (Not in a subshell: only this shell can wait for the game.)
wait_exit() {
    for _ in $(seq 200); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$GAME_PID" 2>/dev/null; then STATUS=running; return; fi
    wait "$GAME_PID"
    STATUS=$?
    GAME_PID=
}

# click WINDOW X Y [BUTTON]: a click at client coordinates of a window.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
    sleep 0.3
}

# pixel WINDOW X Y: the colour of a client pixel as "r,g,b".
pixel() {
    import -window "$1" -depth 8 -crop "1x1+$2+$3" txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

shown() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
not_shown() { ! shown "$1"; }
client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
has_size() { [ "$(client_size "$1")" = "$2" ]; }
client_origin() { xwininfo -id "$1" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}'; }

# wait_pixel WINDOW X Y COLOUR: waits (up to 5 s) until the pixel has the colour.
wait_pixel() {
    for _ in $(seq 50); do
        [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
        sleep 0.1
    done
    return 1
}
