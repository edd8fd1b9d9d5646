#!/usr/bin/env bash
# The trigger press is Gestrix's alone, with xev standing for the application under the pointer:
# the trigger's press and release never reach it while an ordinary click does, nor keys typed
# at once with the press; a quick middle click reaches it as a click and opens no overlay; Maj + the trigger
# and an excluded application get the real press and no overlay opens; typed keys stay with the
# overlay, where Escape cancels; hold-to-draw starts a program on release; and with button 9 as
# the trigger the middle button goes to the application again. At QT_SCALE_FACTOR=2 the frozen
# screen is shown at full resolution. From the exclusions on, a window manager frames the
# windows, as on a desktop.
# Usage: trigger_exclusive_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
settings="$E2E_TMP/config/Gestrix/Gestrix.conf"
mkdir -p "$(dirname "$settings")"

e2e_start_xvfb
stdbuf -oL xev -geometry 1000x800+100+100 >"$E2E_TMP/xev.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q MapNotify "$E2E_TMP/xev.log"' 5 || e2e_fail "xev did not start"
# xev names no class of its own: give it one, as applications have.
xdotool set_window --classname xev --class Xev "$(e2e_wait_window "^Event Tester$")"

# Restarts gestrix ($1) with one [Option] setting ($2).
restart() {
    printf '[Option]\n%s\n' "$2" >"$settings"
    if [ -n "$E2E_GESTRIX_PID" ]; then
        kill "$E2E_GESTRIX_PID"
        wait "$E2E_GESTRIX_PID" || true
    fi
    e2e_start_gestrix "$1"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    # The main window must not be the one under the pointer.
    xdotool windowmove "$(e2e_wait_window "^Strokely v1.2")" 1300 600
}
seen() { grep -c "$1" "$E2E_TMP/xev.log" || true; }
over_xev() { xdotool mousemove 600 500; }

binary=$1
E2E_LOGGING_RULES="gestrix.timing.debug=true"
restart "$binary" "Modificateur=Maj"

over_xev
before=$(seen "button 2,")
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "the middle press opened no overlay"
xdotool type --delay 20 z
xdotool key Escape
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "Escape did not cancel"
sleep 0.2
[ "$(seen "button 2,")" = "$before" ] || e2e_fail "the trigger's press or release reached the window below"
[ "$(seen "keysym 0x7a, z")" = 0 ] || e2e_fail "a key typed on the overlay reached the window below"
xdotool type --delay 20 q
e2e_wait_for '[ "$(seen "keysym 0x71, q")" != 0 ]' 5 || e2e_fail "keys do not reach xev at all: the test proves nothing"

# A quick click is the application's: xev gets the press and the release, no overlay opens.
before=$(seen "button 2,")
xdotool mousedown 2 mouseup 2
e2e_wait_for '[ "$(seen "button 2,")" -ge $((before + 2)) ]' 5 ||
    e2e_fail "a quick middle click did not reach the window below"
sleep 0.3
[ "$(seen "button 2,")" = $((before + 2)) ] || e2e_fail "the quick click reached the window below more than once"
[ "$(grep -c " trigger " "$E2E_TMP/gestrix.log")" = 1 ] || e2e_fail "a quick click started a gesture"

# Keys typed the moment the button goes down, before the overlay is on screen.
xdotool mousedown 2 key --delay 0 k l m sleep 0.4 mouseup 2
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "the press with keys opened no overlay"
xdotool key Escape
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "Escape did not cancel after the keys"
sleep 0.2
[ "$(seen "keysym 0x6b, k")$(seen "keysym 0x6c, l")$(seen "keysym 0x6d, m")" = 000 ] ||
    e2e_fail "keys typed with the press reached the window below"

xdotool click 1
e2e_wait_for '[ "$(seen "button 1,")" -ge 2 ]' 5 || e2e_fail "an ordinary left click did not reach the window below"

# Maj lets the press through.
xdotool keydown shift mousedown 2 mouseup 2 keyup shift
e2e_wait_for '[ "$(seen "state 0x1, button 2,")" -ge 1 ]' 5 || e2e_fail "Maj + middle did not reach the window below"
sleep 0.3
[ "$(e2e_overlays)" = 0 ] || e2e_fail "Maj + middle opened the overlay"

# Hold to draw: press, draw while holding, release.
xdotool mousemove 300 500 mousedown 2
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay for a held press"
for x in $(seq 300 20 1500); do xdotool mousemove "$x" 500; done
xdotool mouseup 2
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "releasing after a held stroke started nothing"
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay stayed after hold-to-draw"

# With the window's thread stopped, the desktop's pointer still goes where the mouse takes it,
# a press of the trigger or not; the gesture comes once the window is back.
"$E2E_STOP_THREAD" "$E2E_GESTRIX_PID" 5 >"$E2E_TMP/stopped" &
stopper=$!
e2e_wait_for 'grep -q stopped "$E2E_TMP/stopped"' 5 || e2e_fail "the window's thread could not be stopped"
gestures=$(grep -c " trigger " "$E2E_TMP/gestrix.log")
xdotool mousemove 600 500 mousedown 2 mousemove 700 550
e2e_wait_for '[ "$(xdotool getmouselocation | cut -d" " -f1-2)" = "x:700 y:550" ]' 2 ||
    e2e_fail "the pointer waited for the window's thread"
xdotool mouseup 2
wait "$stopper"
e2e_wait_for '[ "$(grep -c " trigger " "$E2E_TMP/gestrix.log")" -gt "$gestures" ]' 5 ||
    e2e_fail "the press taken while the window was stopped started no gesture"
xdotool key Escape
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the late gesture did not end"

# An excluded application keeps its middle button, inside a window manager's frame.
e2e_start_wm
e2e_wait_for "! xwininfo -root -children | grep -q \"Event Tester\"" 5 || e2e_fail "xev was not framed"
restart "$binary" "Exclusions=Gimp, XEV"
over_xev
before=$(seen "button 2,")
e2e_middle_press 0.05
e2e_wait_for '[ "$(seen "button 2,")" -ge $((before + 2)) ]' 5 || e2e_fail "the excluded application did not get the press"
sleep 0.3
[ "$(e2e_overlays)" = 0 ] || e2e_fail "a press in an excluded application opened the overlay"

# Button 9 as the trigger; the middle button is the application's again.
restart "$binary" "Bouton=9"
over_xev
before=$(seen "button 9,")
xdotool mousedown 9 sleep 0.4 mouseup 9
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "button 9 as the trigger opened no overlay"
xdotool click 3
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the right click did not cancel"
[ "$(seen "button 9,")" = "$before" ] || e2e_fail "button 9 reached the window below"
before=$(seen "button 2,")
e2e_middle_press 0.05
e2e_wait_for '[ "$(seen "button 2,")" -ge $((before + 2)) ]' 5 || e2e_fail "the middle button no longer reaches the application"
[ "$(e2e_overlays)" = 0 ] || e2e_fail "the middle button still opens the overlay"

# At twice the scale the frozen screen is shown pixel for pixel: a one-pixel pattern on the root
# window looks the same through the overlay.
kill "${E2E_PIDS[1]}" "$E2E_GESTRIX_PID"
wait "$E2E_GESTRIX_PID" || true
xsetroot -mod 2 2
: >"$settings"
QT_SCALE_FACTOR=2 e2e_start_gestrix "$binary"
e2e_wait_window "^Strokely v1.2" >/dev/null
xdotool mousemove 1700 1000
# The same depth for both: xwd dumps the bare root window with 16-bit colour values.
corner() { e2e_grab root | pamcut -left 0 -top 0 -width 200 -height 100 | pnmdepth 255; }
corner >"$E2E_TMP/before.pnm"
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay at twice the scale"
sleep 0.3
corner >"$E2E_TMP/after.pnm"
cmp -s "$E2E_TMP/before.pnm" "$E2E_TMP/after.pnm" ||
    e2e_fail "at twice the scale the frozen screen is not shown pixel for pixel"
echo "trigger exclusive: ok"
