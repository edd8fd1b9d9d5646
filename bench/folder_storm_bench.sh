#!/usr/bin/env bash
# What a busy symbol folder costs: 5 000 shortcuts, one of them rewritten every 400 ms for 20 s
# (as a sync tool does), with Gestrix on a private X server. Prints Gestrix's share of one core
# over those 20 s, and how long its user-interface thread went unanswered: a line said to the
# instance's socket every 20 ms is answered there. The file is written in place, or with
# "rename" written beside and renamed over the old one, as editors and sync tools do.
# Usage: bench/folder_storm_bench.sh GESTRIX_BINARY [rename]
source "$(dirname "$0")/../tests/e2e/harness.sh"

mkdir -p "$E2E_SYMBOLS"
for i in $(seq 1 5000); do
    printf '[Image]\nValue=%s\nRepertoire=/usr/bin/prog%s\n' "$E2E_BAR_GRID" "$i" >"$E2E_SYMBOLS/s$i.ini"
done
E2E_LOGGING_RULES="gestrix.main.debug=true"
e2e_start_xvfb
e2e_start_gestrix "$1"
e2e_wait_window "^Strokely v1.2" 60 >/dev/null
e2e_wait_for 'grep -q "shortcuts listed: 5000$" "$E2E_TMP/gestrix.log"' 60 || e2e_fail "not listed"
sleep 2
socket=$(find "$E2E_TMP/runtime" -type s | head -n 1)
[ -n "$socket" ] || e2e_fail "no instance socket"

python3 - "$socket" 20 >"$E2E_TMP/ping" <<'PY' &
import socket, sys, time
path, until = sys.argv[1], time.monotonic() + float(sys.argv[2])
trips = []
while time.monotonic() < until:
    with socket.socket(socket.AF_UNIX) as peer:
        sent = time.monotonic()
        peer.connect(path)
        peer.sendall(b"ping\n")
        peer.recv(16)
        trips.append((time.monotonic() - sent) * 1000)
    time.sleep(0.02)
trips.sort()
print(f"longest unanswered {trips[-1]:.0f} ms, median {trips[len(trips) // 2]:.1f} ms ({len(trips)} pings)")
PY
pinger=$!
ticks() { awk '{ print $14 + $15 }' "/proc/$E2E_GESTRIX_PID/stat"; }
before=$(ticks)
start=$(date +%s.%N)
for round in $(seq 1 50); do
    if [ "${2:-}" = rename ]; then
        printf '[Image]\nValue=%s\nRepertoire=/usr/bin/round%s\n' "$E2E_BAR_GRID" "$round" >"$E2E_SYMBOLS/.s17.ini.tmp"
        mv "$E2E_SYMBOLS/.s17.ini.tmp" "$E2E_SYMBOLS/s17.ini"
    else
        printf '[Image]\nValue=%s\nRepertoire=/usr/bin/round%s\n' "$E2E_BAR_GRID" "$round" >"$E2E_SYMBOLS/s17.ini"
    fi
    sleep 0.4
done
after=$(ticks)
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
wait "$pinger"
echo "CPU: $(echo "scale=1; ($after - $before) * 100 / $(getconf CLK_TCK) / $elapsed" | bc) % of a core over ${elapsed%.*} s"
echo "window: $(cat "$E2E_TMP/ping")"
echo "list read: $(grep -c "shortcuts listed" "$E2E_TMP/gestrix.log") times"
