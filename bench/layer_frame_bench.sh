#!/usr/bin/env bash
# What a frame of the layer overlay costs Gestrix, from the overlay's change to the buffer handed
# to the compositor, on a 3840 x 2160 output (a headless KWin at scale 3, which gives no
# photograph; run by hand, never in the tests): the whole overlay's first frame, and the frames
# a stroke's moves make, medians over 5 gestures.
# Usage: bench/layer_frame_bench.sh build/src/app/gestrix
source "$(dirname "$0")/../tests/e2e/harness.sh"
E2E_KWIN_SCALE=3
source "$(dirname "$0")/../tests/e2e/kwin_session.sh"

frames() { grep -c "frame of" "$E2E_TMP/gestrix.log" || true; }
for round in 1 2 3 4 5; do
    before=$(frames)
    xdotool mousemove 400 400
    gesture
    e2e_wait_for '[ "$(frames)" -gt "$before" ]' 10 || e2e_fail "gesture $round: no frame"
    for x in $(seq 400 60 3400); do xdotool mousemove "$x" $((400 + x / 3)); done
    sleep 0.5
    xdotool key Escape
    sleep 0.5
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] " (" NR " frames)" }'; }
microseconds() { grep -o "in [0-9]*" | cut -d' ' -f2; }
grep "frame of 1280x720 " "$E2E_TMP/gestrix.log" | microseconds | median |
    sed 's/^/whole overlay: /; s/ (/ µs (/'
grep "frame of" "$E2E_TMP/gestrix.log" | grep -v "frame of 1280x720 " | microseconds | median |
    sed 's/^/a move of the stroke: /; s/ (/ µs (/'
