#!/usr/bin/env bash
# 200 middle presses in about a minute: never more than one overlay, no crash, memory flat.
# Usage: press_storm_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

e2e_store_symbol Barre "$E2E_BAR_GRID" /bin/true
# Quick presses open the overlay, as they do when clicks are not given back.
mkdir -p "$E2E_TMP/config/Gestrix"
printf '[Option]\nClicRestitue=0\n' >"$E2E_TMP/config/Gestrix/Gestrix.conf"
e2e_start_xvfb
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
rss() { awk '/VmRSS/ {print $2}' "/proc/$E2E_GESTRIX_PID/status"; }

# A first round lets caches and fonts settle before memory is measured.
storm() {
    local press
    for press in $(seq 1 "$1"); do
        xdotool mousemove $((200 + press % 7 * 200)) $((200 + press % 5 * 150))
        xdotool mousedown 2 sleep 0.03 mouseup 2
        sleep 0.2
        overlays=$(e2e_overlays)
        [ "$overlays" -le 1 ] || e2e_fail "press $press: $overlays overlays at once"
        kill -0 "$E2E_GESTRIX_PID" || e2e_fail "press $press: the program ended"
    done
}
# Memory is compared with no overlay open: one holds a few screen-sized images.
settle() {
    [ "$(e2e_overlays)" = 0 ] || xdotool click 3
    e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "an overlay stayed open"
    sleep 0.5
}
storm 20
settle
before=$(rss)
storm 180
settle
after=$(rss)
echo "memory: ${before} kB after 20 presses, ${after} kB after 200"
# The allocator may keep one freed screen image (8 MB) or two; a leak per gesture would be
# far larger over 180 gestures.
[ $((after - before)) -lt 20480 ] || e2e_fail "memory grew by $((after - before)) kB"
echo "press storm: ok"
