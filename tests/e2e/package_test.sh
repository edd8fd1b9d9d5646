#!/usr/bin/env bash
# The Debian package: built with CPack from the build tree, lintian finds no error in it, and
# the program unpacked from it (dpkg-deb -x) answers --version and starts a program by gesture.
# Usage: package_test.sh BUILD_FOLDER SCREENSHOT_FOLDER
source "$(dirname "$0")/harness.sh"
E2E_SHOTS=$2

cpack --config "$1/CPackConfig.cmake" -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1 ||
    e2e_fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/package/gestrix_*.deb)
lintian "$deb" >"$E2E_TMP/lintian.log" 2>&1 || true
! grep -q '^E:' "$E2E_TMP/lintian.log" || e2e_fail "lintian: $(grep '^E:' "$E2E_TMP/lintian.log")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

dpkg-deb -x "$deb" "$E2E_TMP/root"
binary="$E2E_TMP/root/usr/bin/gestrix"
[ "$("$binary" --version)" = "Gestrix $(dpkg-deb -f "$deb" Version)" ] || e2e_fail "--version: $("$binary" --version)"

launched="$E2E_TMP/launched"
e2e_store_symbol Barre "$E2E_BAR_GRID" "$(e2e_marker_program "$launched")"
e2e_start_xvfb
e2e_start_gestrix "$binary"
e2e_wait_window "^Strokely v1.2" >/dev/null
xdotool mousemove 300 500
e2e_middle_press 0.05
e2e_wait_for '[ "$(e2e_overlays)" = 1 ]' 5 || e2e_fail "the packaged program opened no overlay"
e2e_draw_bar
xdotool click 1
e2e_wait_for '[ -e "$launched" ]' 5 || e2e_fail "the packaged program started nothing"
echo "package: ok"
