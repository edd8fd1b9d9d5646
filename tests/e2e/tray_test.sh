#!/usr/bin/env bash
# The notification area on a real X server with a window manager and a tray host: the icon is
# embedded, a middle click on it reaches the window as message 520 and brings the minimised
# window back without starting a gesture, and so does a left click; the overlay opens while the
# window is hidden, a second start shows the running window, "Suspendre les gestes" lets the
# button through until it is unchecked, "Quitter" ends the program and removes the icon, and
# closing the window ends it too.
# Usage: tray_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2
E2E_LOGGING_RULES="gestrix.main.debug=true;gestrix.main.info=true"

e2e_start_xvfb
e2e_start_wm
e2e_start_tray
e2e_start_gestrix "$1"
window=$(e2e_wait_window "^Strokely v1.2")

# The icon: gestrix's 22 x 22 window, inside trayer's panel at the top right.
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --class gestrix 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 22x22' && echo "$id" && return
    done
}
e2e_wait_for '[ -n "$(tray_icon)" ]' 5 || e2e_fail "no icon in the notification area"
icon=$(tray_icon)
position=$(xdotool getwindowgeometry "$icon" | awk '/Position/ {print $2}')
[ "${position%%,*}" -ge 1800 ] && [ "${position##*,}" -lt 24 ] || e2e_fail "icon at $position, not in the tray"
e2e_screenshot tray-icon >/dev/null

is_shown() { xdotool search --onlyvisible --name "^Strokely v1.2" >/dev/null 2>&1; }

xdotool windowminimize "$window"
e2e_wait_for '! is_shown' 5 || e2e_fail "minimising did not hide the window"

xdotool mousemove 900 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay while the window is hidden"
xdotool click 3
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay did not close"

xdotool mousemove --window "$icon" 10 10 click 2
e2e_wait_for 'grep -q "tray callback 520" "$E2E_TMP/gestrix.log"' 5 ||
    e2e_fail "the middle click did not reach the window as 520"
e2e_wait_for is_shown 5 || e2e_fail "a middle click on the icon did not bring the window back"
# That press was the icon's: it started no gesture.
sleep 0.3
[ "$(e2e_overlays)" = 0 ] || e2e_fail "a middle click on the icon opened the overlay"

xdotool windowminimize "$window"
e2e_wait_for '! is_shown' 5 || e2e_fail "minimising did not hide the window"
xdotool mousemove --window "$icon" 10 10 click 1
e2e_wait_for is_shown 5 || e2e_fail "a left click on the icon did not bring the window back"

xdotool windowminimize "$window"
e2e_wait_for '! is_shown' 5 || e2e_fail "minimising again did not hide the window"
first=$E2E_GESTRIX_PID
e2e_start_gestrix "$1"
wait "$E2E_GESTRIX_PID" || e2e_fail "a second start did not end with 0"
e2e_wait_for is_shown 5 || e2e_fail "a second start did not show the running window"
# Let the window manager finish managing the window before clicking elsewhere.
e2e_wait_for 'xprop -id "$window" WM_STATE 2>/dev/null | grep -q Normal' 5 ||
    e2e_fail "the window manager did not take the window back"
kill -0 "$first" || e2e_fail "the first instance ended"
E2E_GESTRIX_PID=$first

# The icon's menu: "Ajouter un raccourci…", "Préférence…", "Suspendre les gestes", "Afficher",
# "Quitter", one height each; taller than the icon's tip, which is a window of ours too.
menu_window() {
    local id
    for id in $(xdotool search --onlyvisible --class gestrix 2>/dev/null); do
        [ "$id" != "$icon" ] && [ "$id" != "$window" ] &&
            xdotool getwindowgeometry "$id" | awk '/Geometry/ {split($2, size, "x"); exit !(size[2] >= 80)}' &&
            echo "$id" && return
    done
}
# Right after the window manager maps a window, a click on the tray is sometimes not delivered
# to the icon under Xvfb: click again until the menu shows.
open_menu() {
    xdotool mousemove --window "$icon" 10 10 sleep 0.2 click 3
    e2e_wait_for '[ -n "$(menu_window)" ]' 1
}
# Clicks item $1 (1 to 5) of the menu.
menu_item() {
    e2e_wait_for open_menu 8 || e2e_fail "no menu on a right click on the icon"
    local menu height
    menu=$(menu_window)
    height=$(xdotool getwindowgeometry "$menu" | awk '/Geometry/ {split($2, size, "x"); print size[2]}')
    xdotool mousemove --window "$menu" 30 $((height * ($1 * 2 - 1) / 10)) click 1
    e2e_wait_for '[ -z "$(menu_window)" ]' 2 || true
}
menu_item 3
e2e_wait_for 'grep -q "gestures paused" "$E2E_TMP/gestrix.log"' 5 || e2e_fail "Suspendre les gestes did not pause"
xdotool mousemove 900 500
e2e_middle_press 0.05
sleep 0.5
[ "$(e2e_overlays)" = 0 ] || e2e_fail "a paused press opened the overlay"
menu_item 3
e2e_wait_for 'grep -q "gestures resumed" "$E2E_TMP/gestrix.log"' 5 || e2e_fail "unchecking did not resume"
xdotool mousemove 900 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay once resumed"
xdotool click 3
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay did not close"
menu_item 5
e2e_wait_for '! kill -0 "$E2E_GESTRIX_PID" 2>/dev/null' 5 || e2e_fail "Quitter did not end the program"
e2e_wait_for '[ -z "$(tray_icon)" ]' 5 || e2e_fail "the icon stayed in the tray"

# Closing the window ends the program (the user was told once that it does).
printf '[Option]\nFermetureExpliquee=1\n' >"$E2E_TMP/config/Gestrix/Gestrix.conf"
e2e_start_gestrix "$1"
window=$(e2e_wait_window "^Strokely v1.2")
xdotool windowactivate --sync "$window" key alt+F4
e2e_wait_for '! kill -0 "$E2E_GESTRIX_PID" 2>/dev/null' 5 || e2e_fail "closing did not end the program"
echo "tray: ok"
