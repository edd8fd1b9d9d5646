#!/usr/bin/env bash
# Shortcuts made entirely through the real windows. "Ajouter", then "Dessiner": the symbol drawn
# on the screen with the left button held fills the editor's grid as the matcher sees it, and
# the dragged stroke is kept as the drawing's trace. "Ajouter" again, cells clicked on
# the editor's grid. Each file holds the exact Grid string, and drawing the first symbol on the
# overlay starts its program. "Choisir une application…" lists the desktop's applications (one of
# the test's own, in a private XDG_DATA_DIRS), narrowed as one types, and fills the name and the
# program with the one chosen.
# Usage: editor_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
program=$(e2e_marker_program "$launched")
COLUMN_GRID=$(for i in $(seq 0 143); do [ $((i % 12)) = 6 ] && printf 1 || printf 0; done)
# The bar of e2e_draw_bar as the matcher sees it: reduced to 90 of the picture's 97 pixels and
# centred, it misses the sample point of column 0.
DRAWN_BAR_GRID="$(printf '0%.0s' {1..73})$(printf '1%.0s' {1..11})$(printf '0%.0s' {1..60})"

e2e_start_xvfb
mkdir -p "$E2E_TMP/desktop/applications"
printf '[Desktop Entry]\nType=Application\nName=Essai de Gestrix\nExec=%s\n' "$program" \
    >"$E2E_TMP/desktop/applications/gestrix-essai.desktop"
e2e_start_gestrix env XDG_DATA_DIRS="$E2E_TMP/desktop" "$1"
main=$(e2e_wait_window "^Strokely v1.2")
editors() { { xdotool search --onlyvisible --name "^Création d'un nouveau raccourcis$" 2>/dev/null || true; } | wc -l; }
# Cell (column, row) of the editor's grid, which starts at (8, 96); cells are 8 pixels apart.
cell() { e2e_pixel "$1" $((8 + 8 * $2 + 4)) $((96 + 8 * $3 + 4)); }
# Names the shortcut in the open editor ($1), gives it the program, and presses "OK".
save_as() {
    local file="$E2E_SYMBOLS/$2.ini"
    e2e_click "$1" 200 81  # the name
    xdotool type --delay 5 "$2"
    e2e_click "$1" 140 321 # the program
    xdotool type --delay 5 "$program"
    e2e_click "$1" 164 356 # "OK"
    e2e_wait_for '[ -s "$file" ]' 5 || e2e_fail "no file for $2"
}

e2e_click "$main" 30 351 # "Ajouter"
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
e2e_click "$editor" 56 215 # "Dessiner"
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "Dessiner opened no overlay"
# The way to where the drawing starts is not the drawing.
xdotool mousemove 300 200
xdotool mousemove 300 500
xdotool mousedown 1
e2e_draw_bar
xdotool mouseup 1
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the drawing did not end at the release"
e2e_wait_for '[ "$(cell "$editor" 1 6)" = "0 0 0" ]' 5 || e2e_fail "the drawing did not reach the grid"
[ "$(cell "$editor" 11 6)" = "0 0 0" ] || e2e_fail "the drawn bar is not whole in the grid"
[ "$(cell "$editor" 0 6)" = "255 255 255" ] || e2e_fail "the grid is not what the sampler reads"
[ "$(cell "$editor" 5 5)" = "255 255 255" ] || e2e_fail "the grid holds more than the bar"
e2e_screenshot editor-drawn "$editor" >/dev/null
save_as "$editor" Barre
grep -qx "Value=$DRAWN_BAR_GRID" "$E2E_SYMBOLS/Barre.ini" || e2e_fail "wrong Grid string: $(cat "$E2E_SYMBOLS/Barre.ini")"
grep -qx "Repertoire=$program" "$E2E_SYMBOLS/Barre.ini" || e2e_fail "wrong program: $(cat "$E2E_SYMBOLS/Barre.ini")"
grep -qx "Trace=300,500 320,500 .* 1480,500 1500,500" "$E2E_SYMBOLS/Barre.ini" ||
    e2e_fail "the dragged stroke is not the drawing's trace: $(cat "$E2E_SYMBOLS/Barre.ini")"
e2e_wait_for '[ "$(editors)" = 0 ]' 5 || e2e_fail "the editor did not close"

e2e_click "$main" 30 351
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
for row in $(seq 0 11); do
    e2e_click "$editor" $((8 + 8 * 6 + 4)) $((96 + 8 * row + 4))
done
save_as "$editor" Colonne
grep -qx "Value=$COLUMN_GRID" "$E2E_SYMBOLS/Colonne.ini" || e2e_fail "wrong Grid string: $(cat "$E2E_SYMBOLS/Colonne.ini")"

xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay"
e2e_draw_bar
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "the drawn shortcut was not recognised"
xdotool click 1
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the drawn shortcut's program did not start"

e2e_click "$main" 30 351
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
e2e_click "$editor" 8 96
e2e_click "$editor" 232 295 # "Choisir une application…"
e2e_wait_window "^Choisir une application$" >/dev/null
e2e_screenshot application-chooser "$(e2e_wait_window "^Choisir une application$")" >/dev/null
xdotool type --delay 5 "essai de"
xdotool key Return
e2e_wait_for '! xdotool search --onlyvisible --name "^Choisir une application$" >/dev/null 2>&1' 5 ||
    e2e_fail "the chooser did not close"
e2e_click "$editor" 164 356 # "OK"
chosen="$E2E_SYMBOLS/Essai de Gestrix.ini"
e2e_wait_for '[ -s "$chosen" ]' 5 || e2e_fail "no shortcut named after the chosen application"
grep -qx "Repertoire=$E2E_TMP/desktop/applications/gestrix-essai.desktop" "$chosen" ||
    e2e_fail "the program is not the chosen application's entry: $(cat "$chosen")"
echo "editor: ok"
