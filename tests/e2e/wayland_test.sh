#!/usr/bin/env bash
# A Wayland session: under a headless sway with two outputs, the second at scale 2, Gestrix runs
# as a native Wayland client with no trigger of its own; "gestrix --gesture" covers both outputs
# with full-screen overlays showing the frozen screen, copied by the compositor (no portal runs);
# the same stroke drawn on either output, or from one to the other, and a click, starts the
# stored program; a right click on the second output as soon as it is covered, and Escape,
# cancel.
# Usage: wayland_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
# sway shows a window only once the client has drawn the size it was given; without its 200 ms
# patience, an overlay that waits for nothing to draw again is never shown.
E2E_OUTPUTS=2 E2E_SECOND_SCALE=2 E2E_SWAY_DEBUG=txn-timeout=60000
source "$(dirname "$0")/sway_session.sh"

# The names of the windows sway shows, one a line.
windows() { in_session swaymsg -t get_tree | grep -o '"name": "[^"]*"' || true; }
overlays_up() { [ "$(windows | grep -c '"Gestrix geste"')" = "${1:-2}" ]; }
pixel() {
    in_session grim -s 1 "$session/home/screen.png" &&
        convert "$session/home/screen.png" -alpha off -format "%[pixel:p{$1,$2}]" info:
}
e2e_wait_for 'windows | grep -q Strokely' || e2e_fail "no main window under sway"
grep -q "no trigger button here" "$E2E_TMP/gestrix.log" || e2e_fail "the log does not say there is no trigger"

# The overlay takes the pointer where it is as the start of the stroke: it starts there.
in_session swaymsg -q seat seat0 cursor set 1350 180
in_session "$session/gestrix" --gesture || e2e_fail "--gesture was not delivered"
e2e_wait_for overlays_up || e2e_fail "not one overlay an output: $(windows)"
# A workspace holds one full-screen window, and each output shows one workspace.
full_screens() {
    in_session swaymsg -t get_tree | grep -A 12 '"name": "Gestrix geste"' |
        grep -c '"fullscreen_mode": 1' || true
}
e2e_wait_for '[ "$(full_screens)" = 2 ]' || e2e_fail "not two full-screen overlays: $(full_screens)"
# Each output's overlay shows that output's background as it stood, whatever it shows now.
in_session swaymsg -q output HEADLESS-2 bg "#000000" solid_color
# Shown full-screen, the overlay may still be a frame from showing its photograph.
e2e_wait_for '[ "$(pixel 640 600)" = "srgb(48,80,112)" ]' ||
    e2e_fail "no photograph of the first output: $(pixel 640 600)"
e2e_wait_for '[ "$(pixel 1800 300)" = "srgb(112,48,80)" ]' ||
    e2e_fail "no photograph of the second output: $(pixel 1800 300)"
in_session swaymsg -q output HEADLESS-2 bg "#703050" solid_color
# The second output is 640 x 360 in the layout's pixels; the bar is drawn as long on each.
bar() {
    local x
    for x in $(seq "$1" 10 $(($1 + 500))); do in_session swaymsg -q seat seat0 cursor set "$x" "$2"; done
}
# A click starts the stored program (of the stroke $1) and closes the overlays.
click_launches() {
    in_session swaymsg -q seat seat0 cursor press button1
    in_session swaymsg -q seat seat0 cursor release button1
    e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke $1 did not run"
    e2e_wait_for 'overlays_up 0' || e2e_fail "the overlays stayed after the click ($1)"
    rm "$marker"
}
# A gesture whose stroke starts at ($1, $2).
gesture_at() {
    in_session swaymsg -q seat seat0 cursor set "$1" "$2"
    in_session "$session/gestrix" --gesture
    e2e_wait_for overlays_up || e2e_fail "no overlays for a stroke at $1, $2"
}
bar 1350 180
in_session grim "$session/home/drawn.png"
mkdir -p "$E2E_SHOTS"
cp "$session/home/drawn.png" "$E2E_SHOTS/wayland-drawn.png"
click_launches "on the scaled output"

gesture_at 400 360
bar 400 360
click_launches "on the first output"

# A stroke from one output to the other is one drawing: the second output draws the step across
# the edge too, from the last point on the first. (Under the headless sway the first output is
# not seen repainted while the pointer is on the second: only the second is looked at.)
gesture_at 1000 200
for x in 1000 1100 1200 1320 1420 1520; do in_session swaymsg -q seat seat0 cursor set "$x" 200; done
e2e_wait_for '[ "$(pixel 1300 200)" = "srgb(0,0,0)" ]' ||
    e2e_fail "the stroke is cut where the outputs meet: $(pixel 1300 200)"
click_launches "across the outputs"

in_session "$session/gestrix" --gesture
e2e_wait_for overlays_up || e2e_fail "no overlays for the second gesture"
# A click on an output not yet showing its overlay goes nowhere: it is given until it lands.
right_click_cancels() {
    in_session swaymsg -q seat seat0 cursor set 1600 200
    in_session swaymsg -q seat seat0 cursor press button3
    in_session swaymsg -q seat seat0 cursor release button3
    overlays_up 0
}
e2e_wait_for right_click_cancels ||
    e2e_fail "the second output's overlay never took a right click: $(tail -5 $E2E_TMP/gestrix.log; windows)"

in_session "$session/gestrix" --gesture
e2e_wait_for overlays_up || e2e_fail "no overlays for the third gesture"
# wtype's keyboard is new to the seat: the overlay needs a moment to take it before the key.
in_session wtype -s 500 -k Escape
e2e_wait_for 'overlays_up 0' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
grep -q "photographs through the compositor's screencopy" "$E2E_TMP/gestrix.log" ||
    e2e_fail "the photographs did not come from screencopy"
echo "wayland: ok"
