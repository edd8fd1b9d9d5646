#!/usr/bin/env bash
# GNOME on a 3840 x 2160 screen, where the portal takes more than a second to write its picture:
# the overlay opens all the same, at once on its calm background, the photograph takes its place
# when it comes, and the user is not told that the desktop is asking (it is not); Escape cancels.
# Usage: gnome_4k_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"

E2E_GNOME_MONITOR=3840x2160
source "$(dirname "$0")/gnome_session.sh"

gesture
e2e_wait_for 'grep -q "photographs: 1 of 1 screens" "$E2E_TMP/gestrix.log"' 10 ||
    e2e_fail "the photograph never came: $(tail -n 3 "$E2E_TMP/gestrix.log")"
! grep -q "asks the user" "$E2E_TMP/gestrix.log" || e2e_fail "the desktop was thought to be asking"
ended() { [ "$(grep -c "gesture over" "$E2E_TMP/gestrix.log" || true)" = 1 ]; }
again() { echo "key 0xff1b" >&7 && sleep 0.3 && ended; }
e2e_wait_for again || e2e_fail "Escape did not cancel"
echo "gnome 4k: ok"
