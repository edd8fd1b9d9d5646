# A headless GNOME Shell session for the tests and benchmarks, sourced after harness.sh with $1
# the gestrix binary and $E2E_MUTTER_INPUT the input helper. Store shortcuts before sourcing
# it. The shell runs with the desktop's own portals and a permission store of its own, which
# lets programs photograph the screen unless E2E_SCREENSHOTS=no, on one screen of
# E2E_GNOME_MONITOR (1280x720 unless set); input goes to the helper on
# file descriptor 7 ("moveto X Y", "click 1", "key KEYSYM"). Gestrix runs as the shell's Wayland
# client (log: $E2E_TMP/gestrix.log); gesture asks it for a gesture.
runtime="$E2E_TMP/runtime"
mkdir -m 700 -p "$runtime" "$E2E_TMP/home"
e2e_private_bus session "$runtime"
e2e_private_bus system "$runtime"
# Everything of the desktop sees only the test's folders and buses.
desktop=(env -u DISPLAY DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$runtime/session.address")"
    DBUS_SYSTEM_BUS_ADDRESS="$(head -n 1 "$runtime/system.address")" XDG_RUNTIME_DIR="$runtime"
    HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data"
    XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=gestrix-gnome)
# Runs $2… of the desktop in the background, its output in $E2E_TMP/$1.log.
in_background() {
    local name=$1
    shift
    "${desktop[@]}" "$@" >"$E2E_TMP/$name.log" 2>&1 &
    E2E_PIDS+=($!)
}
permit_screenshots() {
    "${desktop[@]}" gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
        screenshot true screenshot "" "['${E2E_SCREENSHOTS:-yes}']" >/dev/null 2>&1
}
owned() {
    "${desktop[@]}" gdbus call --session --dest org.freedesktop.DBus --object-path / \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
# Commands go to the input helper through a pipe held open (read and write: opening it never
# waits) for the whole test.
mkfifo "$E2E_TMP/input"
exec 7<>"$E2E_TMP/input"
input_answered() { grep -q ready "$E2E_TMP/input.log" || ! kill -0 "$input_pid" 2>/dev/null; }

# The shell, its portals and the input helper; false, with what was not ready in $not_ready,
# when one of them was not.
start_desktop() {
    local first=${#E2E_PIDS[@]}
    rm -f "$runtime/gestrix-gnome" "$runtime/gestrix-gnome.lock"
    in_background shell gnome-shell --headless --wayland --wayland-display gestrix-gnome \
        --virtual-monitor "${E2E_GNOME_MONITOR:-1280x720}"
    desktop_pids=("${E2E_PIDS[@]:first}")
    if ! e2e_wait_for '[ -S "$runtime/gestrix-gnome" ]' "$E2E_SESSION_PATIENCE"; then
        not_ready="GNOME Shell: $(tail -n 5 "$E2E_TMP/shell.log")"
        return 1
    fi
    in_background permissions /usr/libexec/xdg-permission-store
    in_background portal-gnome /usr/libexec/xdg-desktop-portal-gnome
    in_background portal /usr/libexec/xdg-desktop-portal
    desktop_pids=("${E2E_PIDS[@]:first}")
    not_ready="the permission store"
    e2e_wait_for permit_screenshots "$E2E_SESSION_PATIENCE" || return 1
    not_ready="the remote desktop in the shell"
    e2e_wait_for 'owned org.gnome.Mutter.RemoteDesktop' "$E2E_SESSION_PATIENCE" || return 1
    in_background input "$E2E_MUTTER_INPUT" <"$E2E_TMP/input"
    input_pid=$!
    desktop_pids=("${E2E_PIDS[@]:first}")
    e2e_wait_for input_answered "$E2E_SESSION_PATIENCE"
    not_ready="the remote desktop: $(cat "$E2E_TMP/input.log")"
    grep -q ready "$E2E_TMP/input.log"
}
# GNOME Shell 43 can hang for good as it starts beside other work: it forks a child for its
# input method daemon and runs script code in it before the daemon starts, and the child can
# deadlock. A desktop that does not answer is started again; the hung shell, which no longer
# handles signals, is killed with its child.
for attempt in 1 2 3; do
    start_desktop && break
    [ "$attempt" -lt 3 ] || e2e_fail "not ready after three starts: $not_ready"
    echo "desktop not ready ($not_ready): started again" >&2
    for pid in "${desktop_pids[@]}"; do
        pkill -KILL -P "$pid" 2>/dev/null || true
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
done
# The shell starts in its overview, which takes the input.
echo "key 0xff1b" >&7

E2E_LOGGING_RULES="gestrix.*=true" e2e_start_gestrix "${desktop[@]}" "$1"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' "$E2E_SESSION_PATIENCE" ||
    e2e_fail "gestrix did not start"
gestrix=$1
gesture() {
    local over
    over=$(grep -c "gesture over" "$E2E_TMP/gestrix.log" || true)
    "${desktop[@]}" "$gestrix" --gesture || e2e_fail "--gesture was not delivered"
    # The shell's first photograph, on a fresh machine, waits for its caches.
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" -gt "$over" ]' \
        "$E2E_SESSION_PATIENCE" || e2e_fail "no overlay: $(tail -n 3 "$E2E_TMP/gestrix.log")"
}
