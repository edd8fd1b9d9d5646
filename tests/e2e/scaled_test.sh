#!/usr/bin/env bash
# Scaled X11 screens: at Qt's scale factor 2, and at "Xft.dpi: 192" as desktops set it for HiDPI,
# a bar drawn with the trigger held and one drawn freely after a press start the bar's program:
# the stroke starts at the press, with no line from anywhere else. The main window, shrunk, fits.
# Usage: scaled_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

bar="$E2E_TMP/bar"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$bar")"
E2E_SCREEN=1280x720x24

# The bar, along y = 300 of the screen's own pixels, from the pointer's place at x = 200.
draw_bar() {
    local x
    for x in $(seq 220 20 1000); do xdotool mousemove "$x" 300; done
}

scaled() {
    local how=$1
    e2e_start_xvfb
    [ "$how" != dpi ] || echo "Xft.dpi: 192" | xrdb -merge
    if [ "$how" = factor ]; then
        QT_SCALE_FACTOR=2 e2e_start_gestrix "$binary"
    else
        e2e_start_gestrix "$binary"
    fi
    local size
    size=$(xdotool getwindowgeometry "$(e2e_wait_window "^Strokely v1.2")" | awk '/Geometry/ {print $2}')
    [ "${size#*x}" -le 720 ] || e2e_fail "$how: the main window ($size) is taller than the screen"

    xdotool mousemove 200 300 mousedown 2
    draw_bar
    xdotool mouseup 2
    e2e_wait_for '[ -e "$bar" ]' || e2e_fail "$how: the bar drawn with the button held started nothing"
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' || e2e_fail "$how: the overlay stayed"
    rm "$bar"

    xdotool mousemove 200 300
    e2e_middle_press 0.4
    e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' || e2e_fail "$how: a held press opened no overlay"
    draw_bar
    xdotool click 1
    e2e_wait_for '[ -e "$bar" ]' || e2e_fail "$how: the bar drawn freely started nothing"
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' || e2e_fail "$how: the overlay stayed"
    rm "$bar"

    kill "$E2E_GESTRIX_PID"
    wait "$E2E_GESTRIX_PID" || true
}
binary=$1
scaled factor
scaled dpi
echo "scaled: ok"
