#!/usr/bin/env bash
# Measures "gestrix --gesture" under a headless compositor at 1280 x 720 (run by hand, never in
# the tests), medians over 10 gestures:
#  - the command's own run, from its start to the running instance's answer,
#  - request received -> overlay painted, and -> photograph in hand, from the instance's timing
#    log (the overlay may open before its photograph, which then takes its calm background's
#    place),
# whose sums are the times from the desktop's binding to the overlay and to the photograph.
# Usage: bench/wayland_gesture_bench.sh sway|kwin|gnome build/src/app/gestrix
#        (sway needs E2E_VIRTUAL_POINTER, GNOME E2E_MUTTER_INPUT: the helpers in
#        build/tests/e2e; E2E_OUTPUTS=2 gives sway two outputs, E2E_SCREENSHOTS=no denies GNOME's
#        photographs, E2E_GNOME_MONITOR=3840x2160 gives GNOME a 4K screen)
source "$(dirname "$0")/../tests/e2e/harness.sh"
desktop=$1
set -- "$(realpath "$2")"
case $desktop in
sway)
    source "$(dirname "$0")/../tests/e2e/sway_session.sh"
    gesture() { in_session "$session/gestrix" --gesture; }
    cancel() {
        in_session swaymsg -q seat seat0 cursor set 640 360
        in_session swaymsg -q seat seat0 cursor press button3
        in_session swaymsg -q seat seat0 cursor release button3
    }
    ;;
kwin)
    source "$(dirname "$0")/../tests/e2e/kwin_session.sh"
    cancel() { xdotool key Escape; }
    ;;
gnome)
    source "$(dirname "$0")/../tests/e2e/gnome_session.sh"
    cancel() { echo "key 0xff1b" >&7; }
    ;;
*) e2e_fail "no such desktop: $desktop" ;;
esac
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' || e2e_fail "gestrix did not start"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: >"$E2E_TMP/command.txt"
for round in $(seq 1 10); do
    shown=$(grep -c "overlay shown" "$E2E_TMP/gestrix.log" || true)
    photographed=$(grep -c " photographed " "$E2E_TMP/gestrix.log" || true)
    started=$(date +%s%N)
    gesture || e2e_fail "gesture $round not delivered"
    echo "$(( ($(date +%s%N) - started) / 1000 ))" >>"$E2E_TMP/command.txt"
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" -gt "$shown" ]' 5 ||
        e2e_fail "gesture $round: no overlay"
    e2e_wait_for '[ "$(grep -c " photographed " "$E2E_TMP/gestrix.log")" -gt "$photographed" ]' 10 ||
        e2e_fail "gesture $round: no photograph"
    # A new window gets the keyboard a moment after it is shown: Escape twice, a while apart. A
    # gesture still up refuses the next, which then finds no overlay.
    for _ in 1 2; do sleep 0.3 && cancel; done
    sleep 0.3
done
{ grep -o "photographs: [0-9]* of [0-9]* screens" "$E2E_TMP/gestrix.log" || true; } | sort | uniq -c
echo "command, start to answer: $(median <"$E2E_TMP/command.txt") µs"
awk '/ trigger / { t = $3 } / overlay shown / { printf "%.0f\n", ($4 - t) * 1000 }' \
    "$E2E_TMP/gestrix.log" | median | sed 's/^/request -> overlay painted: /; s/$/ µs/'
awk '/ trigger / { t = $3 } / photographed / { printf "%.0f\n", ($3 - t) * 1000 }' \
    "$E2E_TMP/gestrix.log" | median | sed 's/^/request -> photograph: /; s/$/ µs/'
