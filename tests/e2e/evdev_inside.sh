#!/usr/bin/env bash
# evdev_test.sh's test, run as root inside the virtual machine.
# Usage: evdev_inside.sh GESTRIX_BINARY INPUT_HELPER TEST_MOUSE
source "$(dirname "$0")/harness.sh"
launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
source "$(dirname "$0")/../vm/input_session.sh"
chmod 777 "$E2E_TMP"

# Moves and a left click go on to the window below, through the copy of the mouse.
mouse move 10 0
mouse down 272
mouse up 272
e2e_wait_for '[ "$(wev_seen "272 (left), state: 0")" = 1 ]' 10 || e2e_fail "a left click did not reach wev"

# Held and moved, the middle button opens the overlay; held, it draws; released, it launches.
left=$(wev_seen leave)
mouse down 274
mouse move 10 0
e2e_wait_for '[ "$(overlays_shown)" = 1 ]' 30 || e2e_fail "the held middle button opened no overlay"
pointer_on_overlay "$left" || e2e_fail "the pointer never came onto the overlay"
mouse stroke 10 0 40
mouse up 274
e2e_wait_for '[ -e "$launched" ]' 30 || e2e_fail "the stroke drawn with the button held started nothing"
[ "$(wev_seen "274 (middle)")" = 0 ] || e2e_fail "the trigger's press or release reached wev"

# A quick click is the application's, and no overlay opens for it.
mouse stroke -10 0 30
e2e_wait_for '[ "$(wev_seen "enter")" -ge 2 ]' 30 || e2e_fail "the pointer did not come back to wev"
mouse click 274
e2e_wait_for '[ "$(wev_seen "274 (middle), state: 0")" = 1 ]' 10 || e2e_fail "a quick middle click did not reach wev"
[ "$(wev_seen "274 (middle), state: 1")" = 1 ] || e2e_fail "the quick click's press did not reach wev"
sleep 1
[ "$(grep -c " trigger " "$E2E_TMP/gestrix.log")" = 1 ] || e2e_fail "the quick click started a gesture"

# Pulled out and plugged in again: taken again.
mouse unplug
e2e_wait_for 'grep -q "is gone" "$E2E_TMP/helper.log"' 10 || e2e_fail "the helper did not see the mouse go"
mouse plug
e2e_wait_for '[ "$(grep -c "took .*Gestrix test mouse" "$E2E_TMP/helper.log")" = 2 ]' 10 ||
    e2e_fail "the mouse plugged in again was not taken"
mouse down 274
mouse move 0 10
e2e_wait_for '[ "$(overlays_shown)" = 2 ]' 30 || e2e_fail "no overlay after the mouse came back"
mouse up 274

# Killed with the left button down: the copy lets it go before it disappears. Read on the copy
# itself: sway lets go of a removed mouse's buttons anyway, other desktops may not.
copy=$(awk '/^N: / { name = $0 ~ /"Gestrix test mouse"/ } /^P: Phys=gestrix-input\// { ours = name }
            /^H: / && ours { match($0, /event[0-9]+/); print substr($0, RSTART, RLENGTH); exit }' \
           /proc/bus/input/devices)
[ -n "$copy" ] || e2e_fail "no copy of the mouse"
stdbuf -oL evtest "/dev/input/$copy" >"$E2E_TMP/copy.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q "^Testing" "$E2E_TMP/copy.log"' 10 || e2e_fail "evtest did not start"
mouse down 272
e2e_wait_for 'grep -q "(BTN_LEFT), value 1" "$E2E_TMP/copy.log"' 10 || e2e_fail "the left press did not go through the copy"
kill -KILL -- "-$E2E_GESTRIX_PID"
e2e_wait_for 'grep -q "(BTN_LEFT), value 0" "$E2E_TMP/copy.log"' 10 ||
    e2e_fail "the copy went with the left button down"
mouse up 272
echo "evdev: ok"
