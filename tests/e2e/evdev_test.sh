#!/usr/bin/env bash
# The trigger read from the mouse itself, on a desktop that gives no program the button (sway
# here, with no key binding at all): a virtual machine with its own kernel, the test's mouse
# read by sway through libinput, and the input helper between them. The middle press held and
# moved opens the overlay and draws, its release starts the program, and the window below (wev)
# never sees that press; moves and a left click reach it; a quick middle click reaches it as a
# click and opens nothing; the mouse pulled out and plugged in again is taken again; Gestrix
# killed with a button down leaves that button up.
# Usage: evdev_test.sh GESTRIX_BINARY SCREENSHOT_FOLDER
#        (with E2E_INPUT_HELPER, E2E_TEST_MOUSE and E2E_VM_CACHE from ctest)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../vm/boot.sh" "$E2E_VM_CACHE" "$here/evdev_inside.sh" "$(realpath "$1")" \
    "$E2E_INPUT_HELPER" "$E2E_TEST_MOUSE"
