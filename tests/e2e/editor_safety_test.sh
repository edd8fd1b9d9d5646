#!/usr/bin/env bash
# Shortcuts are never lost through the windows: "Supprimer" before anything is selected deletes
# nothing; "Modifier" then "OK" keeps the stored drawing and its stroke byte for byte; a gesture started over the modal editor
# takes input and can be cancelled; and a save that cannot reach the disk (a file-size limit
# standing in for a full disk) leaves the old file whole, the editor open and a message shown.
# Usage: editor_safety_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

program=$(e2e_marker_program "$E2E_TMP/launched")
e2e_store_symbol Barre "$E2E_BAR_GRID" "$program"
printf 'Trace=300,500 320,500 1500,500\n' >>"$E2E_SYMBOLS/Barre.ini" # drawn with "Dessiner"
e2e_store_symbol Zeta "$(printf '1%.0s' {1..144})" "$program"
cp "$E2E_SYMBOLS/Barre.ini" "$E2E_TMP/Barre.before"

e2e_start_xvfb
e2e_start_wm
e2e_start_gestrix "$1"
main=$(e2e_wait_window "^Strokely v1.2")
editors() { { xdotool search --onlyvisible --name "^Création d'un nouveau raccourcis$" 2>/dev/null || true; } | wc -l; }
unchanged() { cmp -s "$E2E_SYMBOLS/Barre.ini" "$E2E_TMP/Barre.before"; }

# The list gets the focus (a click below its rows) and Qt makes a row current, not selected.
e2e_click "$main" 250 300
e2e_click "$main" 130 351   # "Supprimer"
sleep 0.3
[ -e "$E2E_SYMBOLS/Barre.ini" ] && [ -e "$E2E_SYMBOLS/Zeta.ini" ] ||
    e2e_fail "Supprimer deleted a shortcut nobody selected"

# Modify, then OK: the file stays as it was.
e2e_click "$main" 160 100   # the first row: Barre
e2e_click "$main" 80 351    # "Modifier"
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
e2e_click "$editor" 164 356 # "OK"
e2e_wait_for '[ "$(editors)" = 0 ]' 5 || e2e_fail "the editor did not close"
unchanged || e2e_fail "Modify then OK changed the shortcut: $(cat "$E2E_SYMBOLS/Barre.ini")"

# A gesture over the modal editor of "Ajouter": the overlay takes the drawing, a right-click
# closes it, and the editor is still there.
e2e_click "$main" 30 351    # "Ajouter"
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay over the modal editor"
e2e_draw_bar
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 ||
    e2e_fail "the overlay over the modal editor took no input"
xdotool click 3
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "a right-click left the screen frozen"
[ "$(editors)" = 1 ] || e2e_fail "the editor went with the gesture"
e2e_click "$editor" 250 356 # "Annuler"
e2e_wait_for '[ "$(editors)" = 0 ]' 5 || e2e_fail "Annuler did not close the editor"

# The disk is "full": no file may grow past 64 bytes. Modify Barre's program and save.
prlimit --pid "$E2E_GESTRIX_PID" --fsize=64:64
e2e_click "$main" 160 100
e2e_click "$main" 80 351
editor=$(e2e_wait_window "^Création d'un nouveau raccourcis$")
e2e_click "$editor" 140 321
xdotool key End type --delay 5 " --nouveau"
e2e_click "$editor" 164 356
e2e_wait_for '[ "$(editors)" = 2 ]' 5 || e2e_fail "no message beside the editor when the disk was full"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "the program died on a full disk"
unchanged || e2e_fail "a save on a full disk changed the file: $(cat "$E2E_SYMBOLS/Barre.ini")"
[ "$(ls -A "$E2E_SYMBOLS" | wc -l)" = 2 ] || e2e_fail "a temporary file was left: $(ls -A "$E2E_SYMBOLS")"
e2e_screenshot editor-full-disk >/dev/null
echo "editor safety: ok"
