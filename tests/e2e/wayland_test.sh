#!/usr/bin/env bash
# A Wayland session: under a headless sway, Gestrix runs as a native Wayland client with no
# trigger of its own; "gestrix --gesture" opens a full-screen overlay (a veil over the desktop
# while there is no Screenshot portal); a stroke drawn with sway's cursor and a click start the
# stored program. Once a Screenshot portal answers, the overlay shows its photograph, and the
# portal's file is removed; Escape cancels.
# Usage: wayland_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
source "$(dirname "$0")/sway_session.sh"

# The names of the windows sway shows, one a line.
windows() { in_session swaymsg -t get_tree | grep -o '"name": "[^"]*"' || true; }
overlay_up() { windows | grep -q '"Gestrix geste"'; }
e2e_wait_for 'windows | grep -q Strokely' || e2e_fail "no main window under sway"
grep -q "no trigger button here" "$E2E_TMP/gestrix.log" || e2e_fail "the log does not say there is no trigger"

in_session "$session/gestrix" --gesture || e2e_fail "--gesture was not delivered"
e2e_wait_for overlay_up || e2e_fail "no overlay after --gesture"
in_session swaymsg -t get_tree | grep -A 12 '"name": "Gestrix geste"' | grep -q '"fullscreen_mode": 1' ||
    e2e_fail "the overlay is not full-screen"
for x in $(seq 200 20 1100); do in_session swaymsg -q seat seat0 cursor set "$x" 360; done
in_session grim "$session/home/drawn.png"
mkdir -p "$E2E_SHOTS"
cp "$session/home/drawn.png" "$E2E_SHOTS/wayland-drawn.png"
in_session swaymsg -q seat seat0 cursor press button1
in_session swaymsg -q seat seat0 cursor release button1
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for '! overlay_up' || e2e_fail "the overlay stayed after the click"

convert -size 1280x720 xc:'#c03080' "$session/portal.png"
[ ${#as_user[@]} = 0 ] || chown nobody:nogroup "$session/portal.png"
in_session "$session/screenshot_portal" "$session/portal.png" >"$E2E_TMP/portal.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q ready "$E2E_TMP/portal.log"' || e2e_fail "no portal: $(cat "$E2E_TMP/portal.log")"
in_session "$session/gestrix" --gesture
e2e_wait_for overlay_up || e2e_fail "no overlay with the portal"
shown() {
    in_session grim "$session/home/portal-shown.png" &&
        convert "$session/home/portal-shown.png" -format '%[pixel:p{640,100}]' info:
}
e2e_wait_for '[ "$(shown)" = "srgb(192,48,128)" ]' 5 || e2e_fail "the portal's photograph is not shown: $(shown)"
! ls "$session"/portal.png.* >/dev/null 2>&1 || e2e_fail "the portal's file was left behind"
# wtype's keyboard is new to the seat: the overlay needs a moment to take it before the key.
in_session wtype -s 500 -k Escape
e2e_wait_for '! overlay_up' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "wayland: ok"
