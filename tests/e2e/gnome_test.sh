#!/usr/bin/env bash
# GNOME: under a headless GNOME Shell, with the desktop's own portals and a permission store
# that lets programs photograph the screen, Gestrix runs as a Wayland client; "gestrix
# --gesture" opens the overlay, which shows the portal's photograph; a stroke and a click start the stored
# program; Escape cancels. Input comes through Mutter's remote desktop.
# Usage: gnome_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
source "$(dirname "$0")/gnome_session.sh"
ended() { [ "$(grep -c "gesture over" "$E2E_TMP/gestrix.log" || true)" = "$1" ]; }

gesture
# The overlay may open before the photograph, which then takes its calm background's place.
e2e_wait_for 'grep -q "photographs: 1 of 1 screens" "$E2E_TMP/gestrix.log"' 10 ||
    e2e_fail "no photograph from the portal"
# Painted is not yet on screen: input sent at once may reach what was under the overlay.
sleep 0.5
for x in $(seq 200 20 1100); do echo "moveto $x 360" >&7; done
echo "click 1" >&7
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for 'ended 1' || e2e_fail "the overlay stayed after the click"

# The shell gives a new window the pointer when the pointer moves, and the keyboard a moment
# after it is shown: under load, a first try may come too soon.
again() { echo "$1" >&7 && sleep 0.3 && ended "$2"; }
gesture
e2e_wait_for 'again "key 0xff1b" 2' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "gnome: ok"
