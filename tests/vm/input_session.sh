# Inside the test machine (tests/vm/boot.sh): a seat as a desktop has one, for the tests and the
# benchmark of the trigger read from the mouse. Sourced after tests/e2e/harness.sh with $1 the
# gestrix binary, $2 the input helper and $3 the test mouse; store shortcuts before sourcing it.
# It starts udev, seatd, a mouse of the test's ("mouse CMD" drives it, see TestMouse.c), the
# input helper as root, a headless sway reading the mice through libinput, wev under the
# pointer (what it saw: $E2E_TMP/wev.log) and Gestrix (log: $E2E_TMP/gestrix.log), these three
# as nobody, the user of the seat's active session.
gestrix_binary=$1 helper_binary=$2 mouse_binary=$3

/lib/systemd/systemd-udevd --daemon >/dev/null 2>&1
# seatd hands sway the devices; the helper needs them as root anyway.
udevadm trigger --action=add && udevadm settle
seatd -g nogroup >"$E2E_TMP/seatd.log" 2>&1 &
E2E_PIDS+=($!)
# What logind would say: nobody is the user at the seat.
mkdir -p /run/systemd/seats
printf 'ACTIVE=c1\nACTIVE_UID=65534\n' >/run/systemd/seats/seat0

mkfifo "$E2E_TMP/mouse.in"
"$mouse_binary" <"$E2E_TMP/mouse.in" >"$E2E_TMP/mouse.log" 2>&1 &
E2E_PIDS+=($!)
exec 7>"$E2E_TMP/mouse.in"
mouse() { echo "$*" >&7; }
e2e_wait_for 'grep -q ready "$E2E_TMP/mouse.log"' || e2e_fail "no test mouse"

"$helper_binary" --socket /run/gestrix-input.socket >"$E2E_TMP/helper.log" 2>&1 &
E2E_PIDS+=($!)
E2E_HELPER_PID=$!

session="$E2E_TMP/session"
mkdir -p "$session/home" "$session/runtime" "$E2E_SYMBOLS"
chmod 700 "$session/runtime"
cat >"$session/sway.conf" <<'CONF'
xwayland disable
output HEADLESS-1 resolution 1280x720 bg #305070 solid_color
CONF
chmod 755 "$E2E_TMP"
chown -R nobody:nogroup "$session" "$E2E_SYMBOLS"
as_user() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin \
        HOME="$session/home" XDG_RUNTIME_DIR="$session/runtime" "$@"
}
as_user LIBSEAT_BACKEND=seatd WLR_BACKENDS=headless,libinput WLR_RENDERER=pixman \
    sway -c "$session/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'ls "$session"/runtime/sway-ipc.*.sock >/dev/null 2>&1' 30 ||
    e2e_fail "sway did not start: $(tail -n 5 "$E2E_TMP/sway.log")"
e2e_private_bus session "$session/runtime" setpriv --reuid=nobody --regid=nogroup --clear-groups
in_session() {
    as_user WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(ls "$session"/runtime/sway-ipc.*.sock)" \
        DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$session/runtime/session.address")" \
        XDG_CONFIG_HOME="$session/home/config" XDG_DATA_HOME="$session/home/data" \
        GESTRIX_SYMBOL_DIR="$E2E_SYMBOLS" GESTRIX_INPUT_SOCKET=/run/gestrix-input.socket \
        QT_LOGGING_RULES="gestrix.*=true" "$@"
}
cp "$gestrix_binary" "$session/gestrix"
chown nobody:nogroup "$session/gestrix"
in_session "$session/gestrix" >"$E2E_TMP/gestrix.log" 2>&1 &
E2E_GESTRIX_PID=$!
E2E_PIDS+=("$E2E_GESTRIX_PID")
e2e_wait_for 'grep -q "took .*Gestrix test mouse" "$E2E_TMP/helper.log"' 60 ||
    e2e_fail "the helper took no mouse: $(cat "$E2E_TMP/helper.log")"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' 60 || e2e_fail "gestrix did not start"
# Gestrix's own window out of the way: the test's client is alone under the pointer.
in_session swaymsg -q '[title="^Strokely"]' move to workspace 2
in_session stdbuf -oL wev -f wl_pointer >"$E2E_TMP/wev.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'in_session swaymsg -t get_tree | grep -q "\"app_id\": \"wev\""' 30 || e2e_fail "no wev"
# The pointer into wev's window, away from the edges.
mouse stroke -40 -40 40
mouse stroke 5 9 20
e2e_wait_for 'grep -q "enter" "$E2E_TMP/wev.log"' 10 || e2e_fail "the pointer never entered wev"

# A failure here is read from the machine's console: what wev and the helper saw goes with it.
eval "original_$(declare -f e2e_fail)"
e2e_fail() {
    echo "--- wev:" >&2
    grep -E "button|enter|leave" "$E2E_TMP/wev.log" | tail -n 20 >&2
    in_session swaymsg -t get_tree | grep -E '"(name|app_id)"|"x"|"y"|"width"' | tr -s ' ' | paste -sd' ' | head -c 1500 >&2
    echo "--- helper:" >&2
    cat "$E2E_TMP/helper.log" >&2
    original_e2e_fail "$@"
}

# How often wev saw a line matching $1.
wev_seen() { grep -c "$1" "$E2E_TMP/wev.log" || true; }
overlays_shown() { grep -c "overlay shown" "$E2E_TMP/gestrix.log" || true; }
# Waits until the pointer has left wev for the overlay ($1: how often it had left wev before): a
# window mapped under a still pointer gets it only when it moves, and the compositor maps it a
# moment after it is drawn.
pointer_on_overlay() {
    local before=$1 attempt
    for attempt in $(seq 1 30); do
        mouse move 1 0
        e2e_wait_for '[ "$(wev_seen leave)" -gt "$before" ]' 1 && return 0
    done
    return 1
}
