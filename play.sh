#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Without a display
# it plays on a virtual one and saves a screenshot of the main window.
. "$(dirname "$0")/scripts/common.sh"
install_missing "${PLAY_PACKAGES[@]}"
build

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD/mudrovan"
fi

echo "No display: starting the game on a virtual X display."
WORK=$(mktemp -d)
. "$ROOT/scripts/display.sh"
trap 'stop_display; rm -rf "$WORK"' EXIT
start_display
"$BUILD/mudrovan" &
GAME_PID=$!
main_window() { xdotool search --onlyvisible --name '^Dazazirezir uraruvivo$' | head -1 | grep .; }
wait_for 10 main_window || fail "The main window did not appear."
sleep 0.5
import -window "$(main_window)" "$BUILD/screenshot.png"
echo "The game ran; a screenshot of its main window is in $BUILD/screenshot.png"
