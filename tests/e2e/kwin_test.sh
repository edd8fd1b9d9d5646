#!/usr/bin/env bash
# KDE's compositor: under a headless KWin (its nested backend, drawing into a window of a
# private Xvfb, which feeds it xdotool's input), Gestrix runs as a Wayland client; with no
# GPU KWin gives no photograph, so "gestrix --gesture" covers the screen with a layer-shell
# surface through which the desktop shows under a light veil, however often it repaints; a
# stroke and a click start the stored program; Escape cancels. The output is at scale 2: the
# surface is drawn in its pixels, not stretched from half as many.
# Usage: kwin_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
E2E_KWIN_SCALE=2
source "$(dirname "$0")/kwin_session.sh"
pixel() { e2e_grab root | convert - -format "%[pixel:p{$1,$2}]" info:; }
# KWin without a desktop shell shows black; the veil lightens it.
desktop="srgb(0,0,0)" veiled="srgb(48,48,48)"
[ "$(pixel 1280 1200)" = "$desktop" ] || e2e_fail "the desktop is not black: $(pixel 1280 1200)"

gesture
e2e_wait_for '[ "$(pixel 1280 1200)" = "$veiled" ]' || e2e_fail "no see-through overlay: $(pixel 1280 1200)"
for x in $(seq 400 40 2200); do xdotool mousemove "$x" 720; done
mkdir -p "$E2E_SHOTS"
e2e_grab root | convert - "$E2E_SHOTS/kwin-drawn.png"
[ "$(pixel 1280 1200)" = "$veiled" ] || e2e_fail "the veil built up as the stroke was drawn: $(pixel 1280 1200)"
[ "$(pixel 1280 720)" = "srgb(0,0,0)" ] || e2e_fail "no stroke where the pointer went: $(pixel 1280 720)"
# The round start of the stroke: stretched from the surface's own pixels, it would be made of
# 2 x 2 squares, which sampling every other pixel and doubling them back leaves as they were.
edge="$E2E_TMP/edge.png"
convert "$E2E_SHOTS/kwin-drawn.png" -crop 64x64+340+640 +repage "$edge"
convert "$edge" -sample 50% -sample 200% "$E2E_TMP/squares.png"
squares=$(compare -metric AE "$edge" "$E2E_TMP/squares.png" null: 2>&1 || true)
[ "$squares" -gt 0 ] || e2e_fail "the overlay is stretched from half the output's pixels ($squares)"
xdotool click 1
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for '[ "$(pixel 1280 1200)" = "$desktop" ]' || e2e_fail "the overlay stayed after the click"

gesture
e2e_wait_for '[ "$(pixel 1280 1200)" = "$veiled" ]' || e2e_fail "no overlay for the second gesture"
xdotool key Escape
e2e_wait_for '[ "$(pixel 1280 1200)" = "$desktop" ]' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "kwin: ok"
