#!/usr/bin/env bash
# Two monitors side by side on X11 (RandR monitors of one Xvfb screen): a press on the left one
# opens one overlay over both, a bar drawn from the left monitor into the right one is painted
# on both and is one drawing, and a click starts its program.
# Usage: monitors_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

bar="$E2E_TMP/bar"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$bar")"
E2E_SCREEN=2560x720x24
e2e_start_xvfb
xrandr --setmonitor left 1280/339x720/190+0+0 none
xrandr --setmonitor right 1280/339x720/190+1280+0 none
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null

xdotool mousemove 700 300
e2e_middle_press 0.4
overlay=$(e2e_wait_window "^Gestrix geste$" 5)
geometry=$(xdotool getwindowgeometry "$overlay" | grep Geometry | awk '{print $2}')
[ "$geometry" = "2560x720" ] || e2e_fail "the overlay covers $geometry, not both monitors"
for x in $(seq 720 20 1900); do xdotool mousemove "$x" 300; done
e2e_wait_for '[ "$(e2e_pixel root 1800 300)" = "0 0 0" ]' 5 ||
    e2e_fail "the stroke is not painted on the right monitor: $(e2e_pixel root 1800 300)"
e2e_screenshot monitors-drawn >/dev/null
xdotool click 1
e2e_wait_for '[ -e "$bar" ]' || e2e_fail "the bar across both monitors started nothing"
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' || e2e_fail "the overlay stayed"
echo "monitors: ok"
