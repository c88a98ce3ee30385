# The real screen reader in a test: Debian's Orca on the private display's
# accessibility bus, its speech going to speech-dispatcher's dummy output,
# and what it would say read from its debug log. Sourced by a test that runs
# inside tests/e2e/on_display.sh --a11y; it sets WORK (a private folder,
# removed at the end), starts Orca and waits until it speaks, and gives ways
# to press keys and listen. The test sets GAME_PID (what it starts) and may
# add to the clean-up with ON_STOP.
set -u
WORK=$(mktemp -d)
LOG=$WORK/orca.log
ORCA_PID= GAME_PID= SPEECHD_PID= ON_STOP=:

# Every phrase Orca has spoken so far, one a line (without the unspoken
# zero-width spaces a web page may add to tell a repeated sentence apart).
said() { sed -n "s/\xe2\x80\x8b//g; s/^.*SPEECH OUTPUT: '\(.*\)' *[[{].*$/\1/p" "$LOG" 2>/dev/null; }

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$LOG" ]; then
        echo "  Orca said, last:" >&2
        said | tail -25 | sed 's/^/    /' >&2
    fi
    exit 1
}

# Orca on SIGTERM may wait for a program that has gone: it gets five seconds.
stop() {
    local pid
    [ -n "$ORCA_PID" ] && kill "$ORCA_PID" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$ORCA_PID" 2>/dev/null || break; sleep 0.05; done
    SPEECHD_PID=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)
    for pid in $ORCA_PID $SPEECHD_PID $GAME_PID; do kill -9 "$pid" 2>/dev/null; done
    $ON_STOP
    wait 2>/dev/null
    [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$LOG" "$KEEP_ORCA_LOG"
    rm -rf "$WORK"
}
trap stop EXIT

command -v orca >/dev/null || fail "orca is missing: run ./test.sh, which installs it"
[ -n "${XDG_RUNTIME_DIR:-}" ] || fail "run this inside tests/e2e/on_display.sh --a11y"

# Orca's own home: default settings, speech to the dummy module, sound to
# nowhere, and its debug log written line by line so that it can be polled
# (Orca opens it buffered; this changes nothing it says).
ORCA_HOME=$WORK/home
mkdir -p "$ORCA_HOME/.config/speech-dispatcher" "$WORK/python"
cat >"$ORCA_HOME/.config/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
EOF
# A test may give Orca a voice that takes time to speak, as a player's does
# (ORCA_VOICE=timed: each phrase half a second): a key then stops Orca's
# reading mid-phrase, as it does for a player, where the dummy voice, done
# at once, lets the reading go on past the key.
if [ "${ORCA_VOICE:-}" = timed ]; then
    mkdir -p "$ORCA_HOME/.config/speech-dispatcher/modules"
    sed -i 's/^AddModule "dummy".*$/AddModule "timed" "sd_generic" "timed.conf"/; s/^DefaultModule dummy$/DefaultModule timed/' \
        "$ORCA_HOME/.config/speech-dispatcher/speechd.conf"
    cat >"$ORCA_HOME/.config/speech-dispatcher/modules/timed.conf" <<'EOF'
GenericExecuteSynth "sleep 0.5; echo \'$DATA\' >/dev/null"
AddVoice "sr" "MALE1" "timed"
AddVoice "en" "MALE1" "timed"
GenericLanguage "sr" "sr" "utf-8"
GenericLanguage "en" "en" "utf-8"
EOF
fi
echo "default_driver=null" >"$ORCA_HOME/.libao"
cat >"$WORK/python/usercustomize.py" <<'EOF'
import builtins, os
_open, _log = builtins.open, os.environ.get("ORCA_DEBUG_LOG")
def _line_buffered(file, mode="r", *args, **kwargs):
    if file == _log and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)
builtins.open = _line_buffered
EOF

# hear SECONDS PATTERN: waits until Orca has said, since the last mark, a
# phrase matching the extended regular expression.
MARK=0
mark() { MARK=$(said | wc -l); }
heard_since() { said | tail -n +$((MARK + 1)) | grep -cE -- "$1"; }
hear() {
    local deadline=$((SECONDS + $1))
    until [ "$(heard_since "$2")" -gt 0 ]; do
        [ "$SECONDS" -ge "$deadline" ] && fail "Orca did not say /$2/"
        kill -0 "$ORCA_PID" 2>/dev/null || fail "Orca has stopped"
        sleep 0.05
    done
}
# key KEY PATTERN: presses a key and waits for Orca to say the phrase.
key() { mark; xdotool key "$1"; hear 10 "$2"; }
# Everything before is spoken once Orca has echoed a key pressed now: it
# handles keys and the game's events in one queue.
settle() { key shift "shift"; }
# once PATTERN: Orca said the phrase exactly once since the mark before the
# last step (settled first).
once() {
    local mark=$MARK n
    settle
    MARK=$mark
    n=$(heard_since "$1")
    [ "$n" -eq 1 ] || fail "Orca said /$1/ $n times, not once"
}

# new_round: from "Provera", "Ponovo" starts a new round, said once, and the
# focus goes back to "Provera".
new_round() {
    key shift+Tab "^Ponovo push button"
    key Return "Nova igra\. Preostalo života: 15\.?$"
    once "Nova igra"
    key Tab "^Provera push button"
}

# Orca refuses to start beside another Orca of the same user, or with
# --replace kills it; each test's Orca has its own display and bus, so
# Orca's look for others finds none, and tests may run side by side.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/pgrep" <<EOF
#!/bin/sh
[ "\$*" = "-u $(id -u) -x orca" ] && exit 1
exec /usr/bin/pgrep "\$@"
EOF
chmod +x "$WORK/bin/pgrep"
# A test may change Orca's settings (ORCA_SETTINGS: JSON members, such as
# "enableMouseReview": true, which says what lies under the X pointer).
if [ -n "${ORCA_SETTINGS:-}" ]; then
    mkdir -p "$ORCA_HOME/orca"
    cat >"$ORCA_HOME/orca/user-settings.conf" <<EOF
{"general": {$ORCA_SETTINGS}, "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], $ORCA_SETTINGS}}}
EOF
fi

env HOME="$ORCA_HOME" XDG_CONFIG_HOME="$ORCA_HOME/.config" XDG_DATA_HOME="$ORCA_HOME/.local/share" \
    XDG_CACHE_HOME="$ORCA_HOME/.cache" PYTHONPATH="$WORK/python" ORCA_DEBUG_LOG="$LOG" \
    PATH="$WORK/bin:$PATH" orca -u "$ORCA_HOME/orca" --debug-file="$LOG" >"$WORK/orca.out" 2>&1 &
ORCA_PID=$!
for _ in $(seq 600); do
    [ "$(heard_since 'Screen reader on')" -gt 0 ] && break
    kill -0 "$ORCA_PID" 2>/dev/null || fail "Orca did not start: $(tail -3 "$WORK/orca.out")"
    sleep 0.05
done
[ "$(heard_since 'Screen reader on')" -gt 0 ] || fail "Orca did not start within 30 s: $(tail -3 "$WORK/orca.out")"

