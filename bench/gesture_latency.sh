#!/usr/bin/env bash
# Measures, with the real program under Xvfb at 1920 x 1080 (run by hand, never in the tests):
#  - poll tick that sees the middle button -> overlay painted with its photograph,
#  - final click -> program started (medians over 20 gestures, from the program's timing log);
#  - idle CPU and memory after 60 s with 100 stored symbols.
# Usage: bench/gesture_latency.sh build/src/app/gestrix
source "$(dirname "$0")/../tests/e2e/harness.sh"
E2E_LOGGING_RULES="gestrix.timing.debug=true"
binary=$(realpath "$1")

mkdir -p "$E2E_SYMBOLS"
printf '#!/bin/sh\ntrue\n' >"$E2E_TMP/program"
chmod +x "$E2E_TMP/program"
# 100 symbols with about a third of their cells black, as drawn symbols have.
for i in $(seq 1 100); do
    grid=$(awk -v seed="$i" 'BEGIN { srand(seed); for (c = 0; c < 144; c++) printf "%d", rand() < 0.3 }')
    e2e_store_symbol "s$i" "$grid" "$E2E_TMP/program"
done
e2e_store_symbol Barre "$E2E_BAR_GRID" "$E2E_TMP/program"

e2e_start_xvfb
e2e_start_tray
e2e_start_gestrix "$binary"
e2e_wait_window "^Strokely v1.2" >/dev/null

for gesture in $(seq 1 20); do
    xdotool mousemove 300 500
    e2e_middle_press 0.05
    e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "gesture $gesture: no overlay"
    e2e_draw_bar
    e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "gesture $gesture: not recognised"
    xdotool click 1
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "gesture $gesture: the overlay stayed"
    sleep 0.2
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
log="$E2E_TMP/gestrix.log"
echo "trigger -> overlay shown, median ms: $(awk '/timing: trigger/ {t = $3} /timing: overlay shown/ {print $4 - t}' "$log" | median)"
echo "click -> program started, median ms: $(awk '/timing: click/ {t = $3} /timing: started/ {print $3 - t}' "$log" | median)"
echo "programs started: $(grep -c 'timing: started' "$log") of 20"

sleep 60
ticks_before=$(awk '{print $14 + $15}' "/proc/$E2E_GESTRIX_PID/stat")
sleep 30
ticks_after=$(awk '{print $14 + $15}' "/proc/$E2E_GESTRIX_PID/stat")
echo "idle CPU over 30 s: $(echo "scale=3; ($ticks_after - $ticks_before) * 100 / $(getconf CLK_TCK) / 30" | bc) % of a core"
echo "RSS: $(awk '/VmRSS/ {print $2 / 1024 " MB"}' "/proc/$E2E_GESTRIX_PID/status")"
