#!/usr/bin/env bash
# The trigger and the overlay with the real program under Xvfb (run by hand, never in the tests),
# at 1920 x 1080 and 3840 x 2160:
#  - idle CPU over 60 s (at the first size),
#  - press -> overlay mapped, seen from another client (press_to_overlay),
#  - RSS idle, and after ten gestures with no overlay open.
# Usage: bench/trigger_bench.sh build/src/app/gestrix build/bench/press_to_overlay [SIZES...]
source "$(dirname "$0")/../tests/e2e/harness.sh"
binary=$(realpath "$1")
tool=$(realpath "$2")
shift 2
sizes=("${@:-1920x1080 3840x2160}")

rss() { awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/$E2E_GESTRIX_PID/status"; }
# Nanoseconds on a CPU, all threads: finer than the 10 ms ticks of /proc/PID/stat.
cpu_ns() { cat /proc/"$E2E_GESTRIX_PID"/task/*/schedstat | awk '{ns += $1} END {print ns}'; }
e2e_store_symbol Barre "$E2E_BAR_GRID" /bin/true

first=yes
for size in ${sizes[*]}; do
    E2E_SCREEN="${size}x24" e2e_start_xvfb
    e2e_start_gestrix "$binary"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    sleep 3
    echo "== $size"
    echo "RSS idle: $(rss)"
    if [ "$first" = yes ]; then
        before=$(cpu_ns)
        sleep 60
        echo "idle CPU over 60 s: $(echo "scale=4; ($(cpu_ns) - $before) / 600000000" | bc) % of a core"
        first=no
    fi
    "$tool" 10 | tail -n 1
    sleep 1
    echo "RSS after 10 gestures: $(rss)"
    "$tool" 20 | tail -n 1
    sleep 1
    echo "RSS after 30 gestures: $(rss)"
    kill "$E2E_GESTRIX_PID" "${E2E_PIDS[-2]}"
    wait "$E2E_GESTRIX_PID" 2>/dev/null || true
done
