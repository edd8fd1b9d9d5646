#!/usr/bin/env bash
# A recognised shortcut whose program cannot start is not silent: the notification icon tells the
# user which shortcut failed and why.
# Usage: launch_failure_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2
E2E_LOGGING_RULES="gestrix.main=true"

e2e_store_symbol Barre "$E2E_BAR_GRID" "/no/such/program --flag"
e2e_start_xvfb
e2e_start_tray
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
windows() { { xdotool search --onlyvisible --class gestrix 2>/dev/null || true; } | wc -l; }
e2e_wait_for '[ "$(windows)" -ge 2 ]' 5 || e2e_fail "no notification icon"
before=$(windows)

xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay"
e2e_draw_bar
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "not recognised"
xdotool click 1
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay stayed"
e2e_wait_for 'grep -q "told the user: « Barre » n.a rien lancé : programme introuvable." "$E2E_TMP/gestrix.log"' 5 ||
    e2e_fail "the failed launch was not told"
e2e_wait_for '[ "$(windows)" -gt "$before" ]' 5 || e2e_fail "no message showed from the icon"
e2e_screenshot launch-failure >/dev/null
echo "launch failure: ok"
