#!/usr/bin/env bash
# KDE's compositor: under a headless KWin (its nested backend, drawing into a window of a
# private Xvfb, which feeds it xdotool's input), Gestrix runs as a Wayland client; with no
# GPU KWin gives no photograph, so "gestrix --gesture" covers the screen with a layer-shell
# surface through which the desktop shows under a light veil, however often it repaints; a
# stroke and a click start the stored program; Escape cancels.
# Usage: kwin_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
source "$(dirname "$0")/kwin_session.sh"
pixel() { e2e_grab root | convert - -format "%[pixel:p{$1,$2}]" info:; }
# KWin without a desktop shell shows black; the veil lightens it.
desktop="srgb(0,0,0)" veiled="srgb(48,48,48)"
[ "$(pixel 640 600)" = "$desktop" ] || e2e_fail "the desktop is not black: $(pixel 640 600)"

gesture
e2e_wait_for '[ "$(pixel 640 600)" = "$veiled" ]' || e2e_fail "no see-through overlay: $(pixel 640 600)"
for x in $(seq 200 20 1100); do xdotool mousemove "$x" 360; done
mkdir -p "$E2E_SHOTS"
e2e_grab root | convert - "$E2E_SHOTS/kwin-drawn.png"
[ "$(pixel 640 600)" = "$veiled" ] || e2e_fail "the veil built up as the stroke was drawn: $(pixel 640 600)"
[ "$(pixel 640 360)" = "srgb(0,0,0)" ] || e2e_fail "no stroke where the pointer went: $(pixel 640 360)"
xdotool click 1
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for '[ "$(pixel 640 600)" = "$desktop" ]' || e2e_fail "the overlay stayed after the click"

gesture
e2e_wait_for '[ "$(pixel 640 600)" = "$veiled" ]' || e2e_fail "no overlay for the second gesture"
xdotool key Escape
e2e_wait_for '[ "$(pixel 640 600)" = "$desktop" ]' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "kwin: ok"
