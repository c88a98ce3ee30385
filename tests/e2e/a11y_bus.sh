#!/usr/bin/env bash
# Inside a D-Bus session (dbus-run-session): starts the accessibility bus and
# its registry, waits for both by asking them, and runs the command with
# Qt's accessibility bridge always on.
#   a11y_bus.sh COMMAND [ARG...]
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd dbus-send; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./test.sh, which installs it"
done
# Both are started by asking for them: D-Bus starts the accessibility bus,
# and that bus its registry, and both end with the session.
a11y_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null |
        tr -d ' ' | grep .
}
address=
for _ in $(seq 200); do address=$(a11y_bus) && break; sleep 0.05; done
[ -n "$address" ] || fail "the accessibility bus did not start"
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true || fail "could not switch accessibility on"

registry_up() {
    dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
for _ in $(seq 200); do registry_up && break; sleep 0.05; done
registry_up || fail "the accessibility registry did not start"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
