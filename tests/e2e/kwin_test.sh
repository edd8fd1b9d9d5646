#!/usr/bin/env bash
# KDE's compositor: under a headless KWin (its nested backend, drawing into a window of a
# private Xvfb, which feeds it xdotool's input), Gestrix runs as a Wayland client; with no
# GPU KWin gives no photograph, so "gestrix --gesture" covers the screen with a layer-shell
# surface through which the desktop shows under a light veil, however often it repaints; a
# stroke and a click start the stored program; Escape cancels.
# Usage: kwin_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

marker="$E2E_TMP/launched"
e2e_store_symbol bar "$E2E_BAR_GRID" "$(e2e_marker_program "$marker")"
E2E_SCREEN=1280x720x24 e2e_start_xvfb
mkdir -m 700 -p "$E2E_TMP/runtime"
e2e_private_bus session "$E2E_TMP/runtime"
bus=$(head -n 1 "$E2E_TMP/runtime/session.address")
# The installed binary has a file capability, which a sandbox may refuse to exec; KWin finds
# its platform plugin by the program's name.
cp /usr/bin/kwin_wayland "$E2E_TMP/kwin_wayland"
DBUS_SESSION_BUS_ADDRESS="$bus" XDG_RUNTIME_DIR="$E2E_TMP/runtime" HOME="$E2E_TMP/home" \
    KWIN_COMPOSE=Q "$E2E_TMP/kwin_wayland" --x11-display "$DISPLAY" --width 1280 --height 720 \
    --no-lockscreen --socket gestrix-kwin >"$E2E_TMP/kwin.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for '[ -S "$E2E_TMP/runtime/gestrix-kwin" ]' || e2e_fail "KWin did not start: $(tail -n 5 "$E2E_TMP/kwin.log")"

wayland=(env WAYLAND_DISPLAY=gestrix-kwin DBUS_SESSION_BUS_ADDRESS="$bus")
E2E_LOGGING_RULES="gestrix.*=true" e2e_start_gestrix "${wayland[@]}" "$1"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' || e2e_fail "gestrix did not start"
gesture() {
    "${wayland[@]}" HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" "$1" --gesture ||
        e2e_fail "--gesture was not delivered"
}
pixel() { e2e_grab root | convert - -format "%[pixel:p{$1,$2}]" info:; }
# KWin without a desktop shell shows black; the veil lightens it.
desktop="srgb(0,0,0)" veiled="srgb(48,48,48)"
[ "$(pixel 640 600)" = "$desktop" ] || e2e_fail "the desktop is not black: $(pixel 640 600)"

gesture "$1"
e2e_wait_for '[ "$(pixel 640 600)" = "$veiled" ]' || e2e_fail "no see-through overlay: $(pixel 640 600)"
for x in $(seq 200 20 1100); do xdotool mousemove "$x" 360; done
mkdir -p "$E2E_SHOTS"
e2e_grab root | convert - "$E2E_SHOTS/kwin-drawn.png"
[ "$(pixel 640 600)" = "$veiled" ] || e2e_fail "the veil built up as the stroke was drawn: $(pixel 640 600)"
[ "$(pixel 640 360)" = "srgb(0,0,0)" ] || e2e_fail "no stroke where the pointer went: $(pixel 640 360)"
xdotool click 1
e2e_wait_for '[ -e "$marker" ]' || e2e_fail "the program of the stroke did not run"
e2e_wait_for '[ "$(pixel 640 600)" = "$desktop" ]' || e2e_fail "the overlay stayed after the click"

gesture "$1"
e2e_wait_for '[ "$(pixel 640 600)" = "$veiled" ]' || e2e_fail "no overlay for the second gesture"
xdotool key Escape
e2e_wait_for '[ "$(pixel 640 600)" = "$desktop" ]' || e2e_fail "Escape did not cancel"
kill -0 "$E2E_GESTRIX_PID" || e2e_fail "gestrix ended"
echo "kwin: ok"
