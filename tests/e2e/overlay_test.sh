#!/usr/bin/env bash
# A gesture on the real X server: a middle press opens the overlay over the frozen screen, moving
# the pointer paints dots inside a frame that a preview turns green, and a click starts the
# program of the recognised symbol and closes the overlay. A wiggle too small to mean anything
# starts nothing, though a blot like it is stored.
# Usage: overlay_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
# A disc: what a blot stretched to the comparison picture looks like.
blot="$E2E_TMP/blot"
e2e_store_symbol Disque "$(awk 'BEGIN { for (r = 0; r < 12; r++) for (c = 0; c < 12; c++)
    printf "%d", (r - 5.5) ^ 2 + (c - 5.5) ^ 2 <= 36 }')" "$(e2e_marker_program "$blot")"

# Precise recognition, where a blot is most readily taken for a symbol.
mkdir -p "$E2E_TMP/config/Gestrix"
printf '[Option]\nPrecise=1\n' >"$E2E_TMP/config/Gestrix/Gestrix.conf"
e2e_start_xvfb
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null

xdotool mousemove 300 500 mousedown 2
sleep 0.25
xdotool mouseup 2
overlay=$(e2e_wait_window "^Gestrix geste$" 5)
geometry=$(xdotool getwindowgeometry "$overlay" | grep Geometry | awk '{print $2}')
[ "$geometry" = "1920x1080" ] || e2e_fail "overlay is $geometry, not the whole screen"

e2e_draw_bar
# Pen 1920 / 24 = 80: the frame's top edge is 40 pixels above the stroke.
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 ||
    e2e_fail "the frame did not turn green: $(e2e_pixel root 900 460)"
[ "$(e2e_pixel root 900 500)" = "0 0 0" ] || e2e_fail "no dot under the stroke"
e2e_screenshot overlay-recognised >/dev/null

xdotool click 1
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the recognised program was not started"
e2e_wait_for '! xdotool search --onlyvisible --name "^Gestrix geste$" >/dev/null 2>&1' 5 ||
    e2e_fail "the overlay did not close"

# A wiggle of 15 pixels, a slip of the hand, starts nothing.
xdotool mousemove 900 300
e2e_middle_press 0.4
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay for the wiggle"
for step in 10 0 15 5 12 0; do xdotool mousemove $((900 + step)) $((300 + step / 2)); done
xdotool click 1
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay stayed after the wiggle"
# Given the time a launch takes.
sleep 1
[ ! -e "$blot" ] || e2e_fail "a 15 pixel wiggle started a program"
echo "overlay: ok"
