#!/usr/bin/env bash
# evdev_bench.sh's measures, run as root inside the virtual machine.
# Usage: evdev_inside.sh GESTRIX INPUT_HELPER TEST_MOUSE EVDEV_LATENCY
source "$(dirname "$0")/../tests/e2e/harness.sh"
latency=$4
source "$(dirname "$0")/../tests/vm/input_session.sh"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$latency"

ticks() { awk '{ print $14 + $15 }' "/proc/$E2E_HELPER_PID/stat"; }
before=$(ticks)
sleep 60
echo "helper CPU ticks in 60 s holding the mouse, idle: $(( $(ticks) - before ))"

# Each gesture cancelled with a right click, after a move that gives the overlay the pointer.
cancel() {
    local over=$1
    mouse move 5 0
    mouse down 273
    mouse up 273
    e2e_wait_for '[ "$(grep -c "gesture over" "$E2E_TMP/gestrix.log")" = "$over" ]' 30 ||
        e2e_fail "not cancelled"
}
gestures=0
: >"$E2E_TMP/mouse.txt"
: >"$E2E_TMP/binding.txt"
for round in $(seq 1 10); do
    mouse time
    mouse down 274
    mouse move 10 0
    gestures=$((gestures + 1))
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" = "$gestures" ]' 30 || e2e_fail "no overlay"
    mouse up 274
    pressed=$(grep "^time " "$E2E_TMP/mouse.log" | tail -n 1 | cut -d' ' -f2)
    shown=$(grep "overlay shown" "$E2E_TMP/gestrix.log" | tail -n 1 | awk '{ print $NF }')
    echo "$pressed $shown" | awk '{ printf "%.1f\n", $2 - $1 }' >>"$E2E_TMP/mouse.txt"
    cancel "$gestures"

    asked=$(in_session python3 -c 'import os, sys, time
print("%.3f" % (time.monotonic() * 1000), flush=True)
os.execv(sys.argv[1], [sys.argv[1], "--gesture"])' "$session/gestrix")
    gestures=$((gestures + 1))
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" = "$gestures" ]' 30 || e2e_fail "no overlay"
    shown=$(grep "overlay shown" "$E2E_TMP/gestrix.log" | tail -n 1 | awk '{ print $NF }')
    echo "$asked $shown" | awk '{ printf "%.1f\n", $2 - $1 }' >>"$E2E_TMP/binding.txt"
    cancel "$gestures"
done
echo "press -> overlay shown, median ms: through the mouse $(median <"$E2E_TMP/mouse.txt"), through gestrix --gesture $(median <"$E2E_TMP/binding.txt")"
