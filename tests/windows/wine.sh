# Wine for the Windows tests, sourced after scripts/display.sh (or lib.sh):
# a private prefix beside the build, made once, with Arial mapped to
# Liberation Sans (Arial's metrics); Wine quiet and without a session bus.
# use_wine PREFIX; stop_wine stops the prefix's wineserver.
for tool in wine wineserver wineboot; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./windows.sh test, which installs it"
done
# Where the machine cannot run 32-bit programs (its kernel lacks them),
# Debian's wine script still picks an installed wine32's 32-bit loader, which
# cannot start: the game, a 64-bit program, is started by the 64-bit loader.
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE64_ONLY=${TMPDIR:-/tmp}/mudrovan-wine64-$(id -u)
    mkdir -p "$WINE64_ONLY"
    for tool in wine wine-stable; do
        printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$WINE64_ONLY/$tool"
        chmod +x "$WINE64_ONLY/$tool"
    done
    export PATH="$WINE64_ONLY:$PATH"
fi

use_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all DBUS_SESSION_BUS_ADDRESS=disabled:
    # No Mono or Gecko: nothing here needs them, and wineboot would ask.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 && wineserver -w || exit 1
        # Qt lists the fonts of the system and finds no Arial: map it (and
        # the dialog font) to Liberation Sans, which has Arial's metrics.
        local font
        for font in Arial Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1 || exit 1
        done
        wineserver -w
        touch "$WINEPREFIX/.ready"
    ) 9>"$WINEPREFIX.lock" || fail "could not make the Wine prefix $WINEPREFIX"
    # Qt reads the environment of a Windows program: Wine hands on QT_*
    # variables only when they are written WINEQT_*.
    local v
    for v in $(compgen -e | grep '^QT_'); do export "WINE$v=${!v}"; done
}

# wine_on_display PREFIX: a private X display under openbox, and Wine with
# the prefix on it; both stopped on exit.
wine_on_display() {
    start_display
    trap 'stop_wine; stop_display; rm -rf "$WORK"' EXIT
    use_wine "$1"
}

# Waits until the prefix's wineserver has gone: a Wine started while it is
# still going connects to it, and cannot start its program ("ShellExecuteEx
# failed: Internal error").
stop_wine() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    return 0
}

# wine_game PROGRAM: starts a Windows program of the game under Wine and
# waits for its board: sets GAME_PID (Wine's, which ends with the program's
# status) and MAIN. The first start of a prefix takes longest.
wine_game() {
    wine "$@" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    MAIN=$(wait_window '^Dazazirezir uraruvivo$') || fail "the board did not appear under Wine"
    wait_for 10 has_focus "$MAIN" || fail "the board did not get the keyboard"
    wait_for 10 focused "$MAIN" 200 315 || fail "Provera did not get the keyboard"
}

# focused WINDOW X Y: the dotted focus line of a focused button passes
# through (X, Y) or (X + 1, Y). Qt draws it only once its window is active,
# so keys sent then reach the button.
focused() {
    local p
    for p in "$(pixel "$1" "$2" "$3")" "$(pixel "$1" $(($2 + 1)) "$3")"; do
        [ "${p%%,*}" -lt 128 ] 2>/dev/null && return 0
    done
    return 1
}

# The program's visible windows (by the process that owns the board).
game_windows() {
    local pid
    pid=$(xprop -id "$MAIN" _NET_WM_PID | sed 's/.*= //')
    xdotool search --all --onlyvisible --pid "$pid" --classname "" 2>/dev/null
}
in_taskbar() { ! xprop -id "$1" _NET_WM_STATE | grep -q SKIP_TASKBAR; }
window_name() { xdotool getwindowname "$1" 2>/dev/null; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] || [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# close_by KEY WINDOW NEXT: presses the key on a window that the key closes,
# and lets it go only once the window has gone and the next window has the
# X focus. Under Wine a key let go while no window of its own has the focus
# is never seen let go, and its next press would then pass for an
# auto-repeat, which buttons ignore.
close_by() {
    xdotool keydown "$1"
    wait_for 10 not_shown "$2" && wait_for 10 has_focus "$3"
    local closed=$?
    xdotool keyup "$1"
    return $closed
}
