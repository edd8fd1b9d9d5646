#!/usr/bin/env bash
# GNOME: under a headless GNOME Shell, with the desktop's own portals and a permission store
# that lets programs photograph the screen, Gestrix runs as a Wayland client; "gestrix
# --gesture" opens the overlay on the portal's photograph; a stroke and a click start the stored
# program; Escape cancels. Input comes through Mutter's remote desktop.
# Usage: gnome_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
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
in_background shell gnome-shell --headless --wayland --wayland-display gestrix-gnome \
    --virtual-monitor 1280x720
e2e_wait_for '[ -S "$runtime/gestrix-gnome" ]' 20 || e2e_fail "no GNOME Shell: $(tail -n 5 "$E2E_TMP/shell.log")"
in_background permissions /usr/libexec/xdg-permission-store
in_background portal-gnome /usr/libexec/xdg-desktop-portal-gnome
in_background portal /usr/libexec/xdg-desktop-portal
allow_screenshots() {
    "${desktop[@]}" gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
        screenshot true screenshot "" "['yes']" >/dev/null 2>&1
}
e2e_wait_for allow_screenshots 20 || e2e_fail "no permission store"

owned() {
    "${desktop[@]}" gdbus call --session --dest org.freedesktop.DBus --object-path / \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
e2e_wait_for 'owned org.gnome.Mutter.RemoteDesktop' 20 || e2e_fail "no remote desktop in the shell"
# Commands go to the input helper through a pipe held open (read and write: opening it never
# waits) for the whole test.
mkfifo "$E2E_TMP/input"
exec 7<>"$E2E_TMP/input"
in_background input "$E2E_MUTTER_INPUT" <"$E2E_TMP/input"
e2e_wait_for 'grep -q ready "$E2E_TMP/input.log"' 20 || e2e_fail "no remote desktop: $(cat "$E2E_TMP/input.log")"
# The shell starts in its overview, which takes the input.
echo "key 0xff1b" >&7

E2E_LOGGING_RULES="gestrix.*=true" e2e_start_gestrix "${desktop[@]}" "$1"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' 20 || e2e_fail "gestrix did not start"
gesture() {
    local over
    over=$(grep -c "gesture over" "$E2E_TMP/gestrix.log" || true)
    "${desktop[@]}" "$1" --gesture || e2e_fail "--gesture was not delivered"
    e2e_wait_for '[ "$(grep -c "overlay shown" "$E2E_TMP/gestrix.log")" -gt "$over" ]' ||
        e2e_fail "no overlay"
}
ended() { [ "$(grep -c "gesture over" "$E2E_TMP/gestrix.log" || true)" = "$1" ]; }

gesture "$1"
grep -q "photographs: 1 of 1 screens" "$E2E_TMP/gestrix.log" || e2e_fail "no photograph from the portal"
for x in $(seq 200 20 1100); do echo "moveto $x 360" >&7; done
echo "click 1" >&7
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for 'ended 1' || e2e_fail "the overlay stayed after the click"

# The shell gives a new window the pointer when the pointer moves, and the keyboard a moment
# after it is shown: under load, a first try may come too soon.
again() { echo "$1" >&7 && sleep 0.3 && ended "$2"; }
gesture "$1"
e2e_wait_for 'again "key 0xff1b" 2' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "gnome: ok"
