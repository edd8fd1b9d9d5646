# A headless sway session for the Wayland tests and benchmarks, sourced after harness.sh with
# $1 the gestrix binary and $E2E_VIRTUAL_POINTER the pointer helper. Store shortcuts before
# sourcing it. It starts sway, a session bus, a virtual pointer and Gestrix (log: $E2E_TMP/gestrix.log);
# in_session runs a client of the session. E2E_OUTPUTS=2 gives sway a second output, right of
# the first, at the scale E2E_SECOND_SCALE (1 unless set), with a background of its own.
# sway refuses to run as root: then it and Gestrix run as nobody, from copies it can reach.

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
outputs=${E2E_OUTPUTS:-1}
{
    echo 'xwayland disable'
    for output in $(seq 1 "$outputs"); do
        scale=1 background="#305070"
        [ "$output" = 1 ] || scale=${E2E_SECOND_SCALE:-1} background="#703050"
        echo "output HEADLESS-$output resolution 1280x720 position $(( (output - 1) * 1280 )) 0" \
            "scale $scale bg $background solid_color"
    done
} >"$session/sway.conf"
[ ${#as_user[@]} = 0 ] || chown -R nobody:nogroup "$E2E_TMP"

# Runs a command as the session's user, with nothing of this environment but the session's.
as_session_user() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$session/home" \
        XDG_RUNTIME_DIR="$session/runtime" "$@"
}
as_session_user WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS="$outputs" WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway ${E2E_SWAY_DEBUG:+-D "$E2E_SWAY_DEBUG"} -c "$session/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'ls "$session"/runtime/sway-ipc.*.sock >/dev/null 2>&1' "$E2E_SESSION_PATIENCE" ||
    e2e_fail "sway did not start: $(tail -n 5 "$E2E_TMP/sway.log")"
[ ${#as_user[@]} = 0 ] || chown -R nobody:nogroup "$session"
e2e_private_bus session "$session/runtime" "${as_user[@]}"
display=$(basename "$(ls "$session"/runtime/wayland-? | head -n 1)")

# A client of the session: Gestrix, swaymsg, grim, wtype.
in_session() {
    as_session_user DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$session/runtime/session.address")" WAYLAND_DISPLAY="$display" SWAYSOCK="$(ls "$session"/runtime/sway-ipc.*.sock)" \
        XDG_CONFIG_HOME="$session/home/config" XDG_DATA_HOME="$session/home/data" \
        GESTRIX_SYMBOL_DIR="$E2E_SYMBOLS" QT_LOGGING_RULES="gestrix.*=true" "$@"
}

# Without a pointer the seat has none to move: a virtual one, as a remote desktop would add.
in_session "$session/virtual_pointer" >"$E2E_TMP/pointer.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 'grep -q ready "$E2E_TMP/pointer.log"' "$E2E_SESSION_PATIENCE" ||
    e2e_fail "no virtual pointer: $(cat "$E2E_TMP/pointer.log")"

# No input helper here: the user was told so already, and no message covers the screen.
mkdir -p "$session/home/config/Gestrix"
printf '[Option]\nBoutonExplique=1\n' >"$session/home/config/Gestrix/Gestrix.conf"
[ ${#as_user[@]} = 0 ] || chown -R nobody:nogroup "$session/home"
in_session "$session/gestrix" >"$E2E_TMP/gestrix.log" 2>&1 &
E2E_GESTRIX_PID=$!
E2E_PIDS+=("$E2E_GESTRIX_PID")

