#!/usr/bin/env bash
# A recognised shortcut whose program cannot start is not silent: the notification icon tells the
# user which shortcut failed and why, for a missing program as for a document that no
# application opens.
# Usage: launch_failure_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2
E2E_LOGGING_RULES="gestrix.main=true"

e2e_start_xvfb
e2e_start_tray
windows() { { xdotool search --onlyvisible --class gestrix 2>/dev/null || true; } | wc -l; }
head -c 4096 /dev/urandom >"$E2E_TMP/data.gestrix-unknown"

# Runs the shortcut Barre with program $1, expecting the reason $2.
fails() {
    e2e_store_symbol Barre "$E2E_BAR_GRID" "$1"
    e2e_start_gestrix "$binary"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    e2e_wait_for '[ "$(windows)" -ge 2 ]' 5 || e2e_fail "no notification icon"
    local before
    before=$(windows)
    xdotool mousemove 300 500
    e2e_middle_press 0.05
    e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay"
    e2e_draw_bar
    e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "not recognised"
    xdotool click 1
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay stayed"
    e2e_wait_for "grep -q \"told the user: « Barre » n.a rien lancé : $2.\" \"\$E2E_TMP/gestrix.log\"" 5 ||
        e2e_fail "the failed launch was not told: $2"
    e2e_wait_for '[ "$(windows)" -gt "$before" ]' 5 || e2e_fail "no message showed from the icon"
    e2e_screenshot launch-failure >/dev/null
    kill "$E2E_GESTRIX_PID"
    wait "$E2E_GESTRIX_PID" || true
}
binary=$1
fails "/no/such/program --flag" "programme introuvable"
fails "$E2E_TMP/data.gestrix-unknown" "aucune application n.ouvre ce fichier"
echo "launch failure: ok"
