#!/usr/bin/env bash
# Gestrix as a tray program of the session: --minimized with a notification area shows no window
# and docks the icon; the preference "Lancer Gestrix à l'ouverture de session" writes and removes
# the autostart entry, making its folder; and with "Langue" set to English the windows speak
# English at once.
# Usage: session_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

e2e_start_xvfb
e2e_start_tray
# Run from a folder whose name the entry's Exec line must quote and escape.
odd="$E2E_TMP/odd \$HOME \"quoted\" \\ \`x\`"
mkdir -p "$odd"
cp "$1" "$odd/gestrix"
e2e_start_gestrix "$odd/gestrix" --minimized
tray_icon() {
    xdotool search --onlyvisible --class gestrix 2>/dev/null | while read -r id; do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 22x22' && echo "$id"
    done
}
e2e_wait_for '[ -n "$(tray_icon)" ]' 5 || e2e_fail "--minimized: no icon in the notification area"
sleep 1
! xdotool search --onlyvisible --name "^Strokely v1.2" >/dev/null 2>&1 ||
    e2e_fail "--minimized showed the window although the icon was there"

# The window, from the icon; then "Préférence" and its autostart box.
xdotool mousemove --window "$(tray_icon)" 10 10 click 2
main=$(e2e_wait_window "^Strokely v1.2")
entry="$E2E_TMP/config/autostart/gestrix.desktop"
[ ! -e "$(dirname "$entry")" ] || e2e_fail "the autostart folder exists before the test"
toggle_autostart() {
    e2e_click "$main" 200 351 # "Préférence"
    local preferences
    preferences=$(e2e_wait_window "^Préférence$")
    e2e_click "$preferences" 30 280 # "Lancer Gestrix à l'ouverture de session"
    e2e_click "$preferences" 172 368 # "OK"
    e2e_wait_for '! xdotool search --onlyvisible --name "^Préférence$" >/dev/null 2>&1' 5 ||
        e2e_fail "the preferences did not close"
}
toggle_autostart
e2e_wait_for '[ -s "$entry" ]' 5 || e2e_fail "no autostart entry"
# Not installed on the PATH: the entry names this program by its path, quoted as desktop entries
# quote (\" \` \$ \\ in quotes), each backslash doubled as string values are.
escaped=$(realpath "$odd/gestrix" | sed -e 's/[\\"`$]/\\\\&/g')
grep -qxF "Exec=\"$escaped\" --minimized" "$entry" ||
    e2e_fail "the entry does not start this program minimised: $(cat "$entry")"
toggle_autostart
e2e_wait_for '[ ! -e "$entry" ]' 5 || e2e_fail "the autostart entry stayed"

# English, chosen in "Préférence": the window speaks it at once, without a restart.
e2e_click "$main" 200 351 # "Préférence"
preferences=$(e2e_wait_window "^Préférence$")
e2e_click "$preferences" 235 332 # "Langue"
xdotool key Down Return
e2e_click "$preferences" 172 368 # "OK"
e2e_wait_for '[ "$(xdotool getwindowname "$main")" = "Strokely v1.2 — by the Gestrix team" ]' 5 ||
    e2e_fail "the caption is not English: $(xdotool getwindowname "$main"); $(cat "$E2E_TMP/config/Gestrix/Gestrix.conf")"
e2e_screenshot main-window-english "$main" >/dev/null
e2e_click "$main" 200 351
e2e_wait_window "^Preferences$" >/dev/null || e2e_fail "the preferences are not English"
help=$(HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" "$1" --help)
grep -q "^Usage: gestrix \[options\]" <<<"$help" && ! grep -q "Affiche\|Démarre" <<<"$help" ||
    e2e_fail "the help is not wholly English: $help"
echo "session: ok"
