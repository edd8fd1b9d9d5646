#!/usr/bin/env bash
# Faults the program meets on a real desktop: garbage in its settings, no file descriptor to
# spare, a shortcut changed by another program, the symbol folder deleted while it runs and
# brought back (as a folder, then as a link), a notification area that starts after it or
# dies under it, and an X server that goes away. It keeps working, or ends cleanly with a
# message, and never crashes or hangs.
# Usage: faults_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

mkdir -p "$E2E_TMP/config/Gestrix"
printf '[Configuration]\nSensibility=abc\nSensibility2=\xff\xfe99999\n\x01\x02 garbage\n[Option]\nGrid=zz\nNom=\n' \
    >"$E2E_TMP/config/Gestrix/Gestrix.conf"
launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"

e2e_start_xvfb
e2e_start_wm
# At a scale of 150 % the screen is photographed (at whole scales the X server freezes it).
E2E_LOGGING_RULES="gestrix.photographer=true;gestrix.main.debug=true" \
    e2e_start_gestrix env LD_PRELOAD="$E2E_NO_DESCRIPTOR_LEFT" QT_SCALE_FACTOR=1.5 "$1"
window=$(e2e_wait_window "^Strokely v1.2")

# Garbage settings, and no descriptor to copy for the shared photograph: the defaults hold, the
# photograph is taken the ordinary way, and a gesture still works.
gesture() {
    xdotool mousemove 300 500
    e2e_middle_press 0.05
    e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "no overlay ($1)"
    e2e_draw_bar
    sleep 0.6
    xdotool click 1
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay stayed ($1)"
}
gesture "garbage settings"
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "no launch with garbage settings"
grep -q "photograph through Qt" "$E2E_TMP/gestrix.log" || e2e_fail "the photograph did not fall back"

# Another program changes the shortcut's file: the list follows, and so does recognition.
changed="$E2E_TMP/changed"
listed=$(grep -c "shortcuts listed" "$E2E_TMP/gestrix.log")
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$changed")"
e2e_wait_for '[ "$(grep -c "shortcuts listed" "$E2E_TMP/gestrix.log")" -gt "$listed" ]' 3 ||
    e2e_fail "the list did not follow a file changed by another program"
gesture "a changed shortcut"
e2e_wait_for '[ -e "$changed" ]' 5 || e2e_fail "the changed shortcut's program did not run"

# The symbol folder goes away: gestures start nothing and nothing crashes.
rm -rf "$E2E_SYMBOLS" "$launched"
gesture "no symbol folder"
sleep 0.3
[ ! -e "$launched" ] || e2e_fail "a deleted shortcut started its program"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "the program ended without its symbol folder"

# It comes back, as a sync tool or a backup brings it: the list and recognition follow.
listed=$(grep -c "shortcuts listed: 1$" "$E2E_TMP/gestrix.log")
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
e2e_wait_for '[ "$(grep -c "shortcuts listed: 1$" "$E2E_TMP/gestrix.log")" -gt "$listed" ]' 3 ||
    e2e_fail "the list did not follow the symbol folder made again"
gesture "the symbol folder made again"
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the shortcut of the folder made again did not run"

# It is put aside and a link to another folder takes its place.
linked="$E2E_TMP/linked"
listed=$(grep -c "shortcuts listed: 1$" "$E2E_TMP/gestrix.log")
mv "$E2E_SYMBOLS" "$E2E_TMP/put-aside"
mkdir "$E2E_TMP/elsewhere"
printf '[Image]\nValue=%s\nRepertoire=%s\n' "$E2E_BAR_GRID" "$(e2e_marker_program "$linked")" \
    >"$E2E_TMP/elsewhere/Barre.ini"
ln -s "$E2E_TMP/elsewhere" "$E2E_SYMBOLS"
e2e_wait_for '[ "$(grep -c "shortcuts listed: 1$" "$E2E_TMP/gestrix.log")" -gt "$listed" ]' 3 ||
    e2e_fail "the list did not follow the folder replaced by a link"
gesture "the folder replaced by a link"
e2e_wait_for '[ -e "$linked" ]' 5 || e2e_fail "the shortcut behind the link did not run"

# No notification area yet: minimising keeps the window reachable.
is_shown() { xdotool search --onlyvisible --name "^Strokely v1.2" >/dev/null 2>&1; }
xdotool windowminimize "$window"
sleep 0.5
xdotool windowactivate --sync "$window" 2>/dev/null || true
e2e_wait_for is_shown 5 || e2e_fail "minimised without a notification area, the window was lost"

# The notification area starts later: the icon docks in it.
tray_icon() {
    xdotool search --onlyvisible --class gestrix 2>/dev/null | while read -r id; do
        # Scaled, Qt makes it wider by as much.
        xdotool getwindowgeometry "$id" | grep -qE 'Geometry: (22|33)x22' && echo "$id"
    done
}
e2e_start_tray
tray_pid=${E2E_PIDS[-1]}
e2e_wait_for '[ -n "$(tray_icon)" ]' 10 || e2e_fail "the icon did not dock in a late notification area"

# ... and dies: the program goes on, and minimising does not hide the window for good.
kill "$tray_pid"
e2e_wait_for '[ -z "$(tray_icon)" ]' 5 || e2e_fail "the tray host did not go"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "the program ended with its notification area"
xdotool windowminimize "$window"
sleep 0.5
xdotool windowactivate --sync "$window" 2>/dev/null || true
e2e_wait_for is_shown 5 || e2e_fail "minimised after the tray died, the window was lost"

# The X server goes away: a message and a clean exit, no crash.
kill "${E2E_PIDS[0]}"
set +e
wait "$E2E_GESTRIX_PID"
status=$?
set -e
[ "$status" -lt 128 ] || e2e_fail "the program crashed when the X server went (status $status)"
grep -q "X11 connection broke" "$E2E_TMP/gestrix.log" || e2e_fail "no message when the X server went"
echo "faults: ok"
