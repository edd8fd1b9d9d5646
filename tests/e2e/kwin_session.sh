# A headless KWin session for the tests and benchmarks, sourced after harness.sh with $1 the
# gestrix binary. Store shortcuts before sourcing it. KWin draws into a window of a private
# Xvfb, which feeds it xdotool's input and lets xwd see what it shows; Gestrix runs as its
# Wayland client (log: $E2E_TMP/gestrix.log); gesture asks it for a gesture. Its output is
# 1280 x 720 at the scale E2E_KWIN_SCALE (1 unless set), so the Xvfb is that much larger.
kwin_scale=${E2E_KWIN_SCALE:-1}
E2E_SCREEN=$((1280 * kwin_scale))x$((720 * kwin_scale))x24 e2e_start_xvfb
mkdir -m 700 -p "$E2E_TMP/runtime"
e2e_private_bus session "$E2E_TMP/runtime"
bus=$(head -n 1 "$E2E_TMP/runtime/session.address")
# The installed binary has a file capability, which a sandbox may refuse to exec; KWin finds
# its platform plugin by the program's name.
cp /usr/bin/kwin_wayland "$E2E_TMP/kwin_wayland"
DBUS_SESSION_BUS_ADDRESS="$bus" XDG_RUNTIME_DIR="$E2E_TMP/runtime" HOME="$E2E_TMP/home" \
    KWIN_COMPOSE=Q "$E2E_TMP/kwin_wayland" --x11-display "$DISPLAY" --width 1280 --height 720 \
    --scale "$kwin_scale" --no-lockscreen --socket gestrix-kwin >"$E2E_TMP/kwin.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for '[ -S "$E2E_TMP/runtime/gestrix-kwin" ]' "$E2E_SESSION_PATIENCE" ||
    e2e_fail "KWin did not start: $(tail -n 5 "$E2E_TMP/kwin.log")"

wayland=(env WAYLAND_DISPLAY=gestrix-kwin DBUS_SESSION_BUS_ADDRESS="$bus")
E2E_LOGGING_RULES="gestrix.*=true" e2e_start_gestrix "${wayland[@]}" "$1"
e2e_wait_for 'grep -q "window shown" "$E2E_TMP/gestrix.log"' "$E2E_SESSION_PATIENCE" ||
    e2e_fail "gestrix did not start"
gestrix=$1
gesture() {
    "${wayland[@]}" HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" "$gestrix" --gesture ||
        e2e_fail "--gesture was not delivered"
}
