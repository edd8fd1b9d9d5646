#!/usr/bin/env bash
# Measures "gestrix --gesture" under a headless sway at 1280 x 720 (run by hand, never in the
# tests), medians over 10 gestures:
#  - the command's own run, from its start to the running instance's answer,
#  - request received -> overlay painted, from the instance's timing log,
# whose sum is the time from the desktop's binding to the overlay.
# Usage: bench/wayland_gesture_bench.sh build/src/app/gestrix build/tests/e2e/virtual_pointer
source "$(dirname "$0")/../tests/e2e/harness.sh"
E2E_VIRTUAL_POINTER=$(realpath "$2")
set -- "$(realpath "$1")"
source "$(dirname "$0")/../tests/e2e/sway_session.sh"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' || e2e_fail "gestrix did not start"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: >"$E2E_TMP/command.txt"
for gesture in $(seq 1 10); do
    shown=$(grep -c "overlay shown" "$E2E_TMP/gestrix.log" || true)
    started=$(date +%s%N)
    in_session "$session/gestrix" --gesture || e2e_fail "gesture $gesture not delivered"
    echo "$(( ($(date +%s%N) - started) / 1000 ))" >>"$E2E_TMP/command.txt"
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" -gt "$shown" ]' 5 ||
        e2e_fail "gesture $gesture: no overlay"
    in_session swaymsg -q seat seat0 cursor set 640 360
    in_session swaymsg -q seat seat0 cursor press button3
    in_session swaymsg -q seat seat0 cursor release button3
    sleep 0.2
done
echo "command, start to answer: $(median <"$E2E_TMP/command.txt") µs"
awk '/ trigger / { t = $3 } / overlay shown / { printf "%.0f\n", ($4 - t) * 1000 }' \
    "$E2E_TMP/gestrix.log" | median | sed 's/^/request -> overlay painted: /; s/$/ µs/'
