#!/usr/bin/env bash
# The trigger and the overlay with the real program under Xvfb (run by hand, never in the tests),
# at 1920 x 1080 and 3840 x 2160:
#  - idle CPU over 60 s (at the first size),
#  - press -> overlay mapped, seen from another client (press_to_overlay), beside the same for
#    the least a program can do (server_freeze, in the same folder as press_to_overlay),
#  - RSS idle, after ten gestures with no overlay open, and at its peak (the gestures' peak).
# The press is taken at once (no quick click given back), so that the freeze alone is timed.
# Usage: bench/trigger_bench.sh build/src/app/gestrix build/bench/press_to_overlay [SIZES...]
source "$(dirname "$0")/../tests/e2e/harness.sh"
binary=$(realpath "$1")
tool=$(realpath "$2")
least="$(dirname "$tool")/server_freeze"
shift 2
sizes=("${@:-1920x1080 3840x2160}")

rss() { awk -v field="${1:-VmRSS}:" '$1 == field {printf "%.1f MB", $2 / 1024}' "/proc/$E2E_GESTRIX_PID/status"; }
# Nanoseconds on a CPU, all threads: finer than the 10 ms ticks of /proc/PID/stat.
cpu_ns() { cat /proc/"$E2E_GESTRIX_PID"/task/*/schedstat | awk '{ns += $1} END {print ns}'; }
e2e_store_symbol Barre "$E2E_BAR_GRID" /bin/true
mkdir -p "$E2E_TMP/config/Gestrix"
printf '[Option]\nClicRestitue=0\n' >"$E2E_TMP/config/Gestrix/Gestrix.conf"

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
    echo "RSS after 30 gestures: $(rss), at its peak: $(rss VmHWM)"
    kill "$E2E_GESTRIX_PID"
    wait "$E2E_GESTRIX_PID" 2>/dev/null || true
    "$least" >"$E2E_TMP/least.log" &
    E2E_PIDS+=($!)
    e2e_wait_for 'grep -q ready "$E2E_TMP/least.log"' || e2e_fail "server_freeze did not start"
    echo "the least a program can do: $("$tool" 20 | tail -n 1)"
    kill "${E2E_PIDS[-1]}" "${E2E_PIDS[-3]}"
done
