#!/usr/bin/env bash
# A shortcut's new file is put in place (linked or renamed over the old one) only after our own
# checked fsync of it: Qt's own sync before the rename ignores its errors. Seen with strace over
# saves of the store tests.
# Usage: synced_before_placed_test.sh STORE_TESTS
set -euo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# LeakSanitizer cannot run under a tracer; leaks are the plain run's business.
ASAN_OPTIONS=detect_leaks=0 strace -f -o "$log" -e trace=fsync,close,linkat \
    "$1" --gtest_filter='ShortcutFiles.ASaveNeverFollowsALinkOutOfTheFolder' >/dev/null
awk '
    / fsync\([0-9]+\) += 0/ { match($0, /fsync\([0-9]+/); synced[$1 " " substr($0, RSTART + 6, RLENGTH - 6)] = 1 }
    / close\([0-9]+\)/ { match($0, /close\([0-9]+/); delete synced[$1 " " substr($0, RSTART + 6, RLENGTH - 6)] }
    /linkat\(AT_FDCWD, "\/proc\/self\/fd\/[0-9]+"/ {
        match($0, /fd\/[0-9]+/); fd = substr($0, RSTART + 3, RLENGTH - 3); ++placed
        if (!synced[$1 " " fd]) { print "placed before fsync: " $0; bad = 1 }
    }
    END { if (!placed) { print "no file was placed: the test proves nothing"; bad = 1 }; exit bad }
' "$log"
echo "synced before placed: ok"
