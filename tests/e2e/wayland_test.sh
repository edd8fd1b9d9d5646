#!/usr/bin/env bash
# A Wayland session: under a headless sway, Gestrix runs as a native Wayland client with no
# trigger of its own; "gestrix --gesture" opens a full-screen overlay (a veil over the desktop:
# no Screenshot portal here); a stroke drawn with sway's cursor and a click start the stored
# program; Escape cancels the next gesture.
# sway refuses to run as root: then it and Gestrix run as nobody, from copies it can reach.
# Usage: wayland_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

as_user=()
if [ "$(id -u)" = 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$E2E_TMP"
fi
session="$E2E_TMP/session"
mkdir -p "$session/home" "$session/runtime" "$E2E_SYMBOLS"
chmod 700 "$session/runtime"
cp "$1" "$session/gestrix"
cp "$E2E_VIRTUAL_POINTER" "$session/virtual_pointer"
printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x720 bg #305070 solid_color\n' \
    >"$session/sway.conf"
marker="$session/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
[ ${#as_user[@]} = 0 ] || chown -R nobody:nogroup "$session" "$E2E_SYMBOLS" "$E2E_TMP"/marker-*

# Runs a command as the session's user, with nothing of this environment but the session's.
as_session_user() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$session/home" \
        XDG_RUNTIME_DIR="$session/runtime" "$@"
}
as_session_user WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$session/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'ls "$session"/runtime/sway-ipc.*.sock >/dev/null 2>&1' ||
    e2e_fail "sway did not start: $(tail -n 5 "$E2E_TMP/sway.log")"
display=$(basename "$(ls "$session"/runtime/wayland-? | head -n 1)")

# A client of the session: Gestrix, swaymsg, grim, wtype.
in_session() {
    as_session_user WAYLAND_DISPLAY="$display" SWAYSOCK="$(ls "$session"/runtime/sway-ipc.*.sock)" \
        XDG_CONFIG_HOME="$session/home/config" XDG_DATA_HOME="$session/home/data" \
        GESTRIX_SYMBOL_DIR="$E2E_SYMBOLS" QT_LOGGING_RULES="gestrix.*=true" "$@"
}

# Without a pointer the seat has none to move: a virtual one, as a remote desktop would add.
in_session "$session/virtual_pointer" >"$E2E_TMP/pointer.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q ready "$E2E_TMP/pointer.log"' || e2e_fail "no virtual pointer: $(cat "$E2E_TMP/pointer.log")"

in_session "$session/gestrix" >"$E2E_TMP/gestrix.log" 2>&1 &
E2E_GESTRIX_PID=$!
E2E_PIDS+=("$E2E_GESTRIX_PID")

# The windows sway shows, one name a line, and whether one is full-screen.
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
cp "$session/home/drawn.png" "$(mkdir -p "$E2E_SHOTS" && echo "$E2E_SHOTS")/wayland-drawn.png"
in_session swaymsg -q seat seat0 cursor press button1
in_session swaymsg -q seat seat0 cursor release button1
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for '! overlay_up' || e2e_fail "the overlay stayed after the click"

in_session "$session/gestrix" --gesture
e2e_wait_for overlay_up || e2e_fail "no second overlay"
# wtype's keyboard is new to the seat: the overlay needs a moment to take it before the key.
in_session wtype -s 500 -k Escape
e2e_wait_for '! overlay_up' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "wayland: ok"
