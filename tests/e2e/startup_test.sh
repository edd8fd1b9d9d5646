#!/usr/bin/env bash
# The program starts on a real X server: its main window appears with its caption and size, the
# symbol folder is created, stored shortcuts are listed and a click previews one.
# Usage: startup_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

e2e_start_xvfb
e2e_start_tray
[ ! -e "$E2E_SYMBOLS" ] || e2e_fail "the symbol folder exists before start-up"
e2e_start_gestrix "$1"
window=$(e2e_wait_window "^Strokely v1.2")

[ -d "$E2E_SYMBOLS" ] || e2e_fail "the symbol folder was not created"
geometry=$(xdotool getwindowgeometry "$window" | grep Geometry | awk '{print $2}')
[ "$geometry" = "504x379" ] || e2e_fail "window is $geometry, not 504x379"

shot=$(e2e_screenshot startup-main-window "$window")
[ -s "$shot" ] || e2e_fail "no screenshot"

# A shortcut stored while the program runs appears after a restart; clicking it previews it.
kill "$E2E_GESTRIX_PID"
wait "$E2E_GESTRIX_PID" 2>/dev/null || true
{
    echo "[Image]"
    echo "Value=1$(printf '0%.0s' {1..142})1"
    echo "Repertoire=/bin/true"
} >"$E2E_SYMBOLS/Door.ini"
e2e_start_gestrix "$1"
window=$(e2e_wait_window "^Strokely v1.2")

# The reference grid starts at (8, 96) of the window; cells are 8 pixels apart.
cell() { e2e_pixel "$window" $((8 + 8 * $1 + 4)) $((96 + 8 * $2 + 4)); }
[ "$(cell 0 0)" = "255 255 255" ] || e2e_fail "grid is not white at start-up: $(cell 0 0)"
e2e_click "$window" 160 100   # the first row of the list
e2e_wait_for '[ "$(cell 0 0)" = "0 0 0" ]' 5 || e2e_fail "top-left cell not black after the click"
[ "$(cell 11 11)" = "0 0 0" ] || e2e_fail "bottom-right cell not black: $(cell 11 11)"
[ "$(cell 5 5)" = "255 255 255" ] || e2e_fail "a middle cell is not white: $(cell 5 5)"
e2e_screenshot startup-preview "$window" >/dev/null
echo "startup: ok"
