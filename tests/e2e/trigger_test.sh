#!/usr/bin/env bash
# The middle-button trigger on a real X server: a first run stores its settings; a held press
# opens exactly one overlay (the screen frozen by the X server), a right-click cancels it, a second
# press opens a fresh one, and a click with nothing drawn starts nothing. In the fallbacks, Shift
# still lets a press through.
# Usage: trigger_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
e2e_store_symbol Tout "$(printf '1%.0s' {1..144})" "$(e2e_marker_program "$launched")"

E2E_LOGGING_RULES="gestrix.photographer.info=true;gestrix.freezer.info=true;gestrix.trigger.info=true"
e2e_start_xvfb
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
settings="$E2E_TMP/config/Gestrix/Gestrix.conf"
e2e_wait_for 'grep -q "^Sensibility2=60" "$settings" 2>/dev/null' 5 ||
    e2e_fail "a first run did not store Sensibility2=60"

xdotool mousemove 900 100
e2e_middle_press 0.45
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "a held press did not open the overlay"
sleep 0.3
[ "$(e2e_overlays)" = 1 ] || e2e_fail "a held press opened $(e2e_overlays) overlays"
grep -q "the screen is frozen by the X server" "$E2E_TMP/gestrix.log" ||
    e2e_fail "the X server did not freeze the screen"

xdotool click 3
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "a right-click did not cancel"

e2e_middle_press 0.02
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "a second press did not open the overlay"
xdotool click 1
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the final click did not close the overlay"
sleep 0.5
[ ! -e "$launched" ] || e2e_fail "a click with nothing drawn started a program"
[ "$(e2e_overlays)" = 0 ] || e2e_fail "the overlay opened again by itself"
echo "trigger: ok"

# Another program holds the grab of the middle button: its presses are still seen (through
# XInput2 and the poll) and open the overlay, though the window below gets them too.
fallback() {
    kill "$E2E_GESTRIX_PID"
    wait "$E2E_GESTRIX_PID" || true
    "$E2E_GRAB_BUTTON" 2 >"$E2E_TMP/grab.log" &
    E2E_PIDS+=($!)
    e2e_wait_for 'grep -q grabbed "$E2E_TMP/grab.log"' 5 || e2e_fail "the other program could not grab"
    e2e_start_gestrix "$binary"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    xdotool mousemove 900 100
    e2e_middle_press "$1"
    e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "$2"
    xdotool click 3
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "a right-click did not cancel ($2)"
    xdotool keydown shift
    e2e_middle_press 0.3
    xdotool keyup shift
    sleep 0.3
    [ "$(e2e_overlays)" = 0 ] || e2e_fail "Shift did not let the press through ($2)"
}
binary=$1
fallback 0.02 "with the grab taken, a 20 ms click did not open the overlay"
# Without XInput2's events (no Generic Event Extension) only the poll is left: a press held over
# a tick. At a scale of 150 % the screen is photographed: without MIT-SHM, through Qt.
E2E_XVFB_OPTIONS=(-extension "Generic Event Extension" -extension MIT-SHM)
export QT_SCALE_FACTOR=1.5
e2e_start_xvfb
fallback 0.3 "without the grab, XInput2 and MIT-SHM, a held press did not open the overlay"
grep -q "photograph through Qt" "$E2E_TMP/gestrix.log" || e2e_fail "without MIT-SHM, Qt did not photograph"
echo "trigger fallbacks: ok"
