# A private Weston compositor for the Wayland tests, sourced after lib.sh.
# Headless Weston has no seat, so no keyboard: Weston runs with its X11
# backend on a private, bare Xvfb, and xdotool's keys reach the game through
# Weston's keyboard. start_weston sets WAYLAND_DISPLAY and WESTON_WINDOW (the
# X window Weston draws into); stop_weston stops it.

for tool in weston weston-info weston-screenshooter convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./test.sh, which installs it"
done

start_weston() {
    start_display --no-wm
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export WAYLAND_DISPLAY=mud-wayland
    weston --backend=x11-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 --use-pixman \
           --debug --idle-time=0 >"$WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    trap 'stop_weston; stop_display; rm -rf "$WORK"' EXIT
    wait_for 10 weston-info || fail "weston did not start: $(tail -3 "$WORK/weston.log")"
    WESTON_WINDOW=$(sed -n 's/.*window id \([0-9]*\).*/\1/p' "$WORK/weston.log" | head -1)
    [ -n "$WESTON_WINDOW" ] || fail "weston opened no X window"
    # Weston's window takes the X keyboard once it is viewable.
    wait_for 10 xdotool windowfocus --sync "$WESTON_WINDOW" ||
        fail "weston's X window did not take the keyboard"
}

stop_weston() {
    [ -n "${WESTON_PID:-}" ] && kill "$WESTON_PID" 2>/dev/null
    WESTON_PID=
}

# shot: a screenshot of the compositor in $WORK/shot.png.
shot() {
    rm -f "$WORK"/wayland-screenshot-*.png
    (cd "$WORK" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$WORK"/wayland-screenshot-*.png "$WORK/shot.png"
}
# count R,G,B: how many pixels of the last screenshot have that colour.
count() {
    convert "$WORK/shot.png" -format %c histogram:info:- |
        awk -v c="($1)" '{ gsub(/ /, "", $2) } $2 == c { sub(/:/, "", $1); n += $1 } END { print n + 0 }'
}
board_shown() { shot && [ "$(count 192,192,192)" -gt 150000 ]; }
# The board has the keyboard when its caption is navy, the active colour.
board_active() { shot && [ "$(count 0,0,128)" -gt 5000 ]; }

# focus_board: waits until the board has the keyboard. Weston activates a
# new window when it maps it; should the X focus of Weston's own window have
# been lost meanwhile, ask for it again.
focus_board() {
    local try
    for try in 1 2 3 4 5; do
        wait_for 2 board_active && return 0
        xdotool windowfocus --sync "$WESTON_WINDOW" >/dev/null 2>&1
    done
    return 1
}
