#!/usr/bin/env bash
# The trigger read from the mouse, measured in the tests' virtual machine (run by hand, never in
# the tests): event in -> copy's event out through the input helper (p50, p99 over 10 000
# events), the helper's CPU ticks while it holds the mouse and nothing moves (60 s), and press ->
# overlay shown on sway through the mouse against "gestrix --gesture" (the key-binding path),
# medians of 10, both in one run.
# Usage: bench/evdev_bench.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../tests/vm/boot.sh" "$build/vm" "$here/evdev_inside.sh" "$build/src/app/gestrix" \
    "$build/src/inputd/gestrix-input" "$build/tests/e2e/test_mouse" "$build/bench/evdev_latency"
