#!/usr/bin/env bash
# Prints what the Orca screen reader says during a keyboard round: not a
# test (speech timing varies), a way to hear the game. Needs Debian's orca
# (apt-get install --no-install-recommends orca); runs on a private display:
#   tests/e2e/on_display.sh --a11y bash tests/e2e/orca_speech.sh build/mudrovan
set -u
command -v orca >/dev/null || { echo "orca is missing: apt-get install --no-install-recommends orca" >&2; exit 1; }
out=$(mktemp -d)
trap 'kill $game $orca 2>/dev/null; wait 2>/dev/null; rm -rf "$out"' EXIT
"$1" >/dev/null 2>&1 &
game=$!
orca -u "$out/prefs" --debug-file="$out/orca.out" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 100); do grep -q "Screen reader on" "$out/orca.out" 2>/dev/null && break; sleep 0.1; done
sleep 3
for keys in Tab Down End Tab shift+Tab shift+Tab Return Return; do xdotool key $keys; sleep 1.5; done
sleep 2
kill $orca; wait $orca 2>/dev/null  # its log is complete once it has quit
sed -n "s/.*SPEECH OUTPUT: '\([^']*\)'.*/\1/p" "$out/orca.out"
