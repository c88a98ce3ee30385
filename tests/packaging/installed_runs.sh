#!/usr/bin/env bash
# On a display: starts the installed game, sees its window with its icon,
# ends it by "Kraj" and expects status 0.   installed_runs.sh PATH-TO-GAME
set -u
"$1" >/dev/null 2>&1 &
game=$!
for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name '^Dazazirezir uraruvivo$' 2>/dev/null | head -1)
    [ -n "$id" ] && break
    sleep 0.05
done
[ -n "${id:-}" ] || { echo "FAIL: no window" >&2; kill $game; exit 1; }
xprop -id "$id" _NET_WM_ICON | grep -q '_NET_WM_ICON(CARDINAL) = ' || { echo "FAIL: the window has no icon" >&2; kill $game; exit 1; }
sleep 0.3
xdotool mousemove --window "$id" 459 325 click 1   # Kraj
for _ in $(seq 200); do kill -0 $game 2>/dev/null || break; sleep 0.05; done
wait $game
