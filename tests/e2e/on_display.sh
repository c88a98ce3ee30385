#!/usr/bin/env bash
# Runs a command on a private X display under openbox, with Qt on X11:
#   on_display.sh [--a11y] COMMAND [ARG...]
# --a11y: inside a private D-Bus session with the accessibility bus and its
# registry running, as a screen reader has them, and Qt's bridge to it on.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = "--a11y" ]; then
    shift
    command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing: run ./test.sh, which installs it" >&2; exit 1; }
    exec "$0" dbus-run-session -- bash "$HERE/a11y_bus.sh" "$@"
fi
WORK=$(mktemp -d)
. "$HERE/../../scripts/display.sh"
trap 'stop_display; rm -rf "$WORK"' EXIT
start_display
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb "$@"
