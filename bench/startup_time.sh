#!/usr/bin/env bash
# Start-up with many shortcuts (run by hand): from starting the process to the main window's first
# paint, median of 5 starts for each folder size.
# Usage: bench/startup_time.sh build/src/app/gestrix [SIZES...]
source "$(dirname "$0")/../tests/e2e/harness.sh"
E2E_LOGGING_RULES="gestrix.timing.debug=true"
binary=$(realpath "$1")
shift
sizes=("${@:-1000 10000}")

now_ms() { python3 -c 'import time; print(f"{time.monotonic() * 1000:.2f}")'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

e2e_start_xvfb
for size in ${sizes[*]}; do
    rm -rf "$E2E_SYMBOLS"
    for i in $(seq 1 "$size"); do
        e2e_store_symbol "s$i" "$(printf '01%.0s' {1..72})" /bin/true
    done
    for run in 1 2 3 4 5; do
        : >"$E2E_TMP/gestrix.log"
        started=$(now_ms)
        e2e_start_gestrix "$binary"
        e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' 30 || e2e_fail "no window with $size files"
        shown=$(awk '/window shown/ {print $4}' "$E2E_TMP/gestrix.log")
        echo "$shown - $started" | bc
        kill "$E2E_GESTRIX_PID"
        wait "$E2E_GESTRIX_PID" 2>/dev/null || true
    done | median | xargs echo "$size shortcuts: start to window shown, median ms:"
done
