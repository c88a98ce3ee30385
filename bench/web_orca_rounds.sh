#!/usr/bin/env bash
# How much of the web round by ear Orca hears, run after run: for each run of
# tests/web/web_orca.sh, the steps of the round heard before the first one
# that was not (8 in all, the pointer's ninth), and the first failure.
#   bench/web_orca_rounds.sh SITE-FOLDER [chromium|firefox] [RUNS] [busy]
# "busy" runs two busy loops beside it. A failed run's Orca log is kept as
# /tmp/web_orca-ENGINE-RUN.log. After ./web.sh test (which installs the
# browsers and Orca).
SITE=$(realpath "$1") ENGINE=${2:-chromium} RUNS=${3:-5}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUSY=()
if [ "${4:-}" = busy ]; then
    for _ in 1 2; do (while :; do :; done) & BUSY+=($!); done
    trap 'kill "${BUSY[@]}"' EXIT
fi
passed=0
for run in $(seq "$RUNS"); do
    log=/tmp/web_orca-$ENGINE-$run.log
    out=$(KEEP_ORCA_LOG=$log timeout 300 bash "$ROOT/tests/e2e/on_display.sh" --a11y bash "$ROOT/tests/web/web_orca.sh" "$SITE" "$ENGINE" 2>&1)
    steps=$(grep '^  [^ ]' <<<"$out" | grep -vc '^  Orca said, last:$')
    grep -q '^1 passed, 0 failed$' <<<"$out" && passed=$((passed + 1)) && rm -f "$log"
    echo "run $run: $((steps > 8 ? 8 : steps)) of 8 steps$([ "$steps" -gt 8 ] && echo ", the pointer too") $(grep -m1 '^FAIL' <<<"$out")"
done
echo "$ENGINE: $passed of $RUNS runs passed"
