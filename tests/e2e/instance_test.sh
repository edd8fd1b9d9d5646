#!/usr/bin/env bash
# One instance, and a clean end: SIGTERM, SIGINT and SIGHUP end the program as "Quitter" does
# (status 0, its socket removed); a second start beside a stopped instance says so and fails
# within two seconds; and when the socket cannot be made, a lock still keeps a second one out.
# "gestrix --gesture" opens the running instance's overlay, once however often it is asked, even
# while 300 idle connections and a 300 MB line flood the socket, and says so when nothing is
# running. A second instance on the same display, with a runtime folder of its own, leaves the
# button to the first and says so: one press, one overlay. Without a notification area,
# --minimized shows no window, the desktop's notifications say so once, and a second start shows
# the window.
# Usage: instance_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

e2e_start_xvfb
e2e_start_gestrix "$1" --gesture
wait "$E2E_GESTRIX_PID" && e2e_fail "--gesture with nothing running ended with 0"
grep -q "n'est pas lancé" "$E2E_TMP/gestrix.log" || e2e_fail "--gesture: no message when nothing runs"
# Without a notification area, --minimized runs with no window and says so once through the
# desktop's notifications; starting Gestrix again shows it.
e2e_private_bus session "$E2E_TMP"
bus=$(head -n 1 "$E2E_TMP/session.address")
dbus-monitor --address "$bus" "interface='org.freedesktop.Notifications'" >"$E2E_TMP/notifications.log" 2>&1 &
E2E_PIDS+=($!)
E2E_LOGGING_RULES="gestrix.main=true" e2e_start_gestrix env DBUS_SESSION_BUS_ADDRESS="$bus" "$1" --minimized
first=$E2E_GESTRIX_PID
e2e_wait_for 'grep -q "no notification area" "$E2E_TMP/gestrix.log"' 15 ||
    e2e_fail "--minimized without a notification area decided nothing"
! xdotool search --onlyvisible --name "^Strokely v1.2" >/dev/null 2>&1 ||
    e2e_fail "--minimized without a notification area showed the window"
e2e_wait_for 'grep -q "Gestrix fonctionne sans fenêtre" "$E2E_TMP/notifications.log"' 5 ||
    e2e_fail "the desktop's notifications did not say where Gestrix is: $(cat "$E2E_TMP/notifications.log")"
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
socket="$E2E_TMP/runtime/gestrix.socket"
"$E2E_SOCKET_FLOOD" "$socket" 300 300000000 >"$E2E_TMP/flood.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q ready "$E2E_TMP/flood.log"' 30 || e2e_fail "the flood did not get through: $(cat "$E2E_TMP/flood.log")"
grep -q " 0 bytes of the line unsent" "$E2E_TMP/flood.log" && e2e_fail "a 300 MB line was heard to its end"
descriptors=$(ls "/proc/$first/fd" | wc -l)
[ "$descriptors" -lt 100 ] || e2e_fail "$descriptors descriptors held for idle connections"
for _ in 1 2; do
    e2e_start_gestrix "$1" --gesture
    wait "$E2E_GESTRIX_PID" || e2e_fail "--gesture beside a running instance failed"
    e2e_wait_window "^Gestrix geste$" >/dev/null
done
[ "$(e2e_overlays)" = 1 ] || e2e_fail "--gesture twice: $(e2e_overlays) overlays"
mkdir -m 700 -p "$E2E_TMP/runtime2"
E2E_LOGGING_RULES="gestrix.main=true" e2e_start_gestrix env XDG_RUNTIME_DIR="$E2E_TMP/runtime2" "$1"
second=$E2E_GESTRIX_PID
e2e_wait_for 'grep -q "told the user: Un autre Gestrix répond déjà au bouton" "$E2E_TMP/gestrix.log"' 10 ||
    e2e_fail "the second instance on the display did not say it leaves the button"
xdotool key Escape
e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 5 || e2e_fail "the overlay of --gesture stayed"
xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "the press opened no overlay"
sleep 0.5
[ "$(e2e_overlays)" = 1 ] || e2e_fail "one press, $(e2e_overlays) overlays"
kill "$second" "$first"
wait "$second" "$first" || true

for signal in TERM INT HUP; do
    e2e_start_gestrix "$1"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    [ -S "$socket" ] || e2e_fail "no socket while running"
    kill -s "$signal" "$E2E_GESTRIX_PID"
    set +e
    wait "$E2E_GESTRIX_PID"
    status=$?
    set -e
    [ "$status" = 0 ] || e2e_fail "SIG$signal ended the program with status $status"
    [ ! -e "$socket" ] || e2e_fail "SIG$signal left the socket behind"
done

# The running instance is stopped: a second start does not wait for ever, nor claim success.
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
first=$E2E_GESTRIX_PID
kill -STOP "$first"
started=$SECONDS
e2e_start_gestrix "$1"
e2e_wait_for '! kill -0 "$E2E_GESTRIX_PID" 2>/dev/null' 4 || e2e_fail "a second start waits for ever"
set +e
wait "$E2E_GESTRIX_PID"
status=$?
set -e
kill -CONT "$first"
[ "$status" != 0 ] || e2e_fail "a second start beside a stopped instance ended with 0"
[ $((SECONDS - started)) -le 3 ] || e2e_fail "a second start took $((SECONDS - started)) s to give up"
grep -q "ne répond pas" "$E2E_TMP/gestrix.log" || e2e_fail "no message beside a stopped instance"
kill "$first"
wait "$first" || true

# The socket cannot be made (its name is taken by a folder that cannot be removed): the lock
# still keeps a second instance out, and the second start says why.
mkdir -p "$socket/taken"
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" >/dev/null
first=$E2E_GESTRIX_PID
: >"$E2E_TMP/gestrix.log"
e2e_start_gestrix "$1"
set +e
wait "$E2E_GESTRIX_PID"
status=$?
set -e
[ "$status" != 0 ] || e2e_fail "a second instance started beside the first"
grep -q "ne peut pas être joint" "$E2E_TMP/gestrix.log" || e2e_fail "no message: $(cat "$E2E_TMP/gestrix.log")"
kill -0 "$first" || e2e_fail "the first instance ended"
echo "instance: ok"
