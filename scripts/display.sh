# A private X display with a window manager, for the end-to-end tests and
# for playing without a screen. The caller sets WORK (a scratch folder), and
# calls stop_display when done; it also stops GAME_PID if that is set.
# Needs Xvfb, openbox and xprop (x11-utils).

declare -F fail >/dev/null || fail() { echo "$*" >&2; exit 1; }

# start_display [--no-wm]
start_display() {
    local tool
    for tool in Xvfb openbox xprop xdpyinfo; do
        command -v "$tool" >/dev/null || fail "$tool is missing: run a command of README.md, which installs it"
    done
    # -noreset: Xvfb would otherwise reset whenever its last client leaves,
    # and a window manager connecting during a reset dies. -displayfd: Xvfb
    # picks a free display itself and tells its number when it is ready.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || fail "Xvfb did not start: $(tail -3 "$WORK/xvfb.log")"
    export DISPLAY=":$(cat "$WORK/display")"
    wait_for 10 xdpyinfo || fail "Xvfb did not start: $(tail -3 "$WORK/xvfb.log")"
    [ "${1:-}" = "--no-wm" ] && return 0
    openbox >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for 10 wm_running || fail "openbox did not start: $(tail -3 "$WORK/openbox.log")"
}

# wait_for SECONDS COMMAND...: runs the command every 50 ms until it
# succeeds, for at most about SECONDS seconds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

# wait_for_output SECONDS COMMAND...: like wait_for, printing what the
# command printed when it succeeded.
wait_for_output() {
    local deadline=$((SECONDS + $1)) out
    shift
    until out=$("$@" 2>/dev/null); do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.05
    done
    echo "$out"
}

# A window manager is running when the root window names its check window.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

stop_display() {
    local pid
    for pid in ${GAME_PID:-} ${WM_PID:-} ${XVFB_PID:-}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}

