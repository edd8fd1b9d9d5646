#!/usr/bin/env bash
# What a flood of the single-instance socket costs the running instance (run by hand, never in
# the tests): its memory after a 300 MB line without an end, and its descriptors while 300
# connections stay silent, against the same at rest.
# Usage: bench/instance_flood.sh build/src/app/gestrix build/tests/e2e/socket_flood
source "$(dirname "$0")/../tests/e2e/harness.sh"
flood=$(realpath "$2")
e2e_start_xvfb
e2e_start_gestrix "$(realpath "$1")"
e2e_wait_window "^Strokely v1.2" >/dev/null
socket="$E2E_TMP/runtime/gestrix.socket"
rss() { awk '/VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$E2E_GESTRIX_PID/status"; }
descriptors() { ls "/proc/$E2E_GESTRIX_PID/fd" | wc -l; }
# Runs the flood with $1 idle connections and a line of $2 bytes until it has done its worst.
flood() {
    "$flood" "$socket" "$1" "$2" >"$E2E_TMP/flood.log" 2>&1 &
    local pid=$!
    e2e_wait_for 'grep -q ready "$E2E_TMP/flood.log"' 60 || e2e_fail "the flood did not end"
    sleep 1
    echo "$pid"
}
echo "at rest: $(rss), $(descriptors) descriptors"
pid=$(flood 0 300000000)
echo "after a 300 MB line: $(rss)"
kill "$pid"
pid=$(flood 300 0)
echo "with 300 idle connections: $(descriptors) descriptors"
kill "$pid"
