#!/usr/bin/env bash
# File system calls per pointer movement over the overlay (run by hand): overlay_bench's pointer
# movement runs twice under strace for two lengths of time, and the difference in file calls
# (open, stat, access, ...) is divided by the difference in movements.
# Usage: bench/file_calls_per_move.sh build/bench/overlay_bench
set -euo pipefail
bench=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() {
    strace -f -c -e trace=%file -o "$out/$1.txt" "$bench" --benchmark_filter=PointerMove \
        --benchmark_min_time="$1" 2>/dev/null | awk '/^BM_PointerMove/ {print $NF}'
}
short_moves=$(run 0.05)
long_moves=$(run 0.5)
calls() { awk '$NF == "total" {print $4}' "$out/$1.txt"; }
echo "file calls per movement: $(echo "scale=2; ($(calls 0.5) - $(calls 0.05)) / ($long_moves - $short_moves)" | bc)"
