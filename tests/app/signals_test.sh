#!/usr/bin/env bash
# corvane-sim ended by a signal while it waits for a command: SIGTERM, SIGHUP and Ctrl+C end
# it through Exit (tray icon removed, settings saved, exit code 0).
#   signals_test.sh CORVANE_SIM WORK_FOLDER
set -euo pipefail
sim=$1
work=$2
mkdir -p "$work"

ends_through_exit() { # SIGNAL
    local fifo="$work/input.$1" registry="$work/registry.$1" out="$work/out.$1"
    rm -f "$fifo" "$registry" "$out"
    mkfifo "$fifo"
    "$sim" --registry "$registry" <"$fifo" >"$out" 2>&1 &
    local pid=$!
    exec 3>"$fifo" # input stays open: the simulator waits for a command
    for _ in $(seq 50); do grep -q 'tray: added' "$out" && break; sleep 0.1; done
    kill -"$1" "$pid"
    local rc=0
    wait "$pid" || rc=$?
    exec 3>&-
    [ "$rc" -eq 0 ] || { echo "SIG$1: exit code $rc"; cat "$out"; return 1; }
    grep -q 'tray: removed' "$out" || { echo "SIG$1: no Exit"; cat "$out"; return 1; }
    grep -q 'Version' "$registry" || { echo "SIG$1: settings not saved"; return 1; }
}

for signal in TERM HUP INT; do
    ends_through_exit "$signal"
done
echo "SIGTERM, SIGHUP and SIGINT end corvane-sim through Exit"
