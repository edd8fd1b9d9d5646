#!/usr/bin/env bash
# A soak (run by hand, never in the tests): GESTURES gestures (default 3 000), half in the
# default mode and half in the precise one, each a press of the middle button, a stroke and a
# click that starts a program. Before and after each half: the program's memory, its
# descriptors and its X resources (xrestop); at the end, gestures whose overlay did not open or
# did not close.
# Usage: bench/gesture_soak.sh build/src/app/gestrix [GESTURES]
source "$(dirname "$0")/../tests/e2e/harness.sh"
binary=$(realpath "$1")
half=$(( ${2:-3000} / 2 ))
launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
e2e_start_xvfb
settings="$E2E_TMP/config/Gestrix/Gestrix.conf"
mkdir -p "$(dirname "$settings")"

# The program's memory and descriptors, and the X resources of every client but xrestop (the
# server is the program's alone).
state() {
    local resources
    resources=$(xrestop -b -m 1 2>/dev/null | awk -F: '
        / - / { own = $0 !~ / - xrestop / }
        own && /windows/ { w += $2 } own && /pixmaps/ { p += $2 }
        own && /pixmap bytes/ { b += $2 } own && /total bytes/ { gsub(/~/, "", $2); t += $2 }
        END { printf "X: %d windows, %d pixmaps (%d KB), %d KB in all", w, p, b / 1024, t / 1024 }')
    printf "%.1f MB, %d descriptors, %s\n" \
        "$(awk '/VmRSS/ { print $2 / 1024 }' "/proc/$E2E_GESTRIX_PID/status")" \
        "$(ls "/proc/$E2E_GESTRIX_PID/fd" | wc -l)" "$resources"
}
missed=0 stuck=0
for mode in 0 1; do
    printf '[Option]\nPrecise=%s\nClicRestitue=0\n' "$mode" >"$settings"
    e2e_start_gestrix "$binary"
    e2e_wait_window "^Strokely v1.2" >/dev/null
    echo "precise=$mode, before: $(state)"
    for _ in $(seq 1 "$half"); do
        xdotool mousemove 300 500 mousedown 2 mouseup 2
        if ! e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 2; then
            missed=$((missed + 1))
            continue
        fi
        for x in $(seq 300 100 1500); do xdotool mousemove "$x" 500; done
        xdotool click 1
        e2e_wait_for '[ "$(e2e_overlays)" = 0 ]' 2 || stuck=$((stuck + 1))
    done
    echo "precise=$mode, after $half gestures: $(state)"
    kill "$E2E_GESTRIX_PID"
    wait "$E2E_GESTRIX_PID" || true
done
echo "missed: $missed, left open: $stuck"
