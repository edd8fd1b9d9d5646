#!/usr/bin/env bash
# A symbol folder with everything anyone may drop into it: the program starts, lists what is
# listed by the rules, the good shortcut still launches, and nothing crashes.
# Usage: hostile_folder_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
cd "$E2E_SYMBOLS"
head -c 4096 /dev/urandom >garbage.ini
head -c 10000000 /dev/zero | tr '\0' 'x' >huge.ini
printf '[Image]\nValue=1x0y%s\nRepertoire=/bin/true\n' "$(printf 'z%.0s' {1..140})" >letters.ini
printf '[Image]\nValue=%s\nRepertoire=%s\n' "$(printf '1%.0s' {1..300})" "$(printf 'p%.0s' {1..300})" >long.ini
printf '\xEF\xBB\xBF[Image]\r\nValue=%s\r\nRepertoire=/bin/true\r\n' "$(printf '01%.0s' {1..72})" >crlf-bom.ini
printf '[Other]\nValue=1\n' >no-image.ini
mkdir folder.ini
printf '[Image]\nValue=1\n' >unreadable.ini
chmod 000 unreadable.ini
ln -s "$E2E_TMP/nowhere" dangling.ini
printf '[Image]\nValue=1\n' >"with spaces é.ini"
cd - >/dev/null

E2E_LOGGING_RULES="gestrix.main.debug=true"
e2e_start_xvfb
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
# Every regular file is listed; the folder and the dangling link are not.
# The files whose last line has no end are taken a few seconds after they were last written.
e2e_wait_for 'grep -q "shortcuts listed: 9$" "$E2E_TMP/gestrix.log"' 10 ||
    e2e_fail "$(grep listed "$E2E_TMP/gestrix.log")"

xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay"
e2e_draw_bar
e2e_wait_for '[ "$(e2e_pixel root 900 460)" = "0 255 0" ]' 5 || e2e_fail "the good shortcut was not recognised"
xdotool click 1
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the good shortcut's program did not start"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "the program ended"
e2e_screenshot hostile-folder "$(e2e_wait_window "^Strokely v1.2")" >/dev/null
echo "hostile folder: ok"
