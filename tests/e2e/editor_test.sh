#!/usr/bin/env bash
# A shortcut made entirely through the real windows: "Ajouter", cells clicked on the editor's
# grid, a name and a program typed, "OK". The file holds the exact Grid string, and drawing that
# symbol on the overlay starts the program.
# Usage: editor_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
program=$(e2e_marker_program "$launched")

e2e_start_xvfb
e2e_start_gestrix "$1"
main=$(e2e_wait_window "^Strokely v1.2")
e2e_click "$main" 30 351   # "Ajouter"
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")

# Row 6 of the grid, which starts at (8, 96) of the editor; cells are 8 pixels apart.
for column in $(seq 0 11); do
    e2e_click "$editor" $((8 + 8 * column + 4)) $((96 + 8 * 6 + 4))
done
e2e_click "$editor" 200 81   # the name
xdotool type --delay 5 "Barre"
e2e_click "$editor" 140 249  # the program
xdotool type --delay 5 "$program"
e2e_screenshot editor "$editor" >/dev/null
e2e_click "$editor" 164 284  # "OK"

file="$E2E_SYMBOLS/Barre.ini"
e2e_wait_for '[ -s "$file" ]' 5 || e2e_fail "no shortcut file"
grep -qx "Value=$E2E_BAR_GRID" "$file" || e2e_fail "wrong Grid string: $(cat "$file")"
grep -qx "Repertoire=$program" "$file" || e2e_fail "wrong program: $(cat "$file")"

xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay"
e2e_draw_bar
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "the new shortcut was not recognised"
xdotool click 1
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the new shortcut's program did not start"
echo "editor: ok"
