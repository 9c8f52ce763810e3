#!/usr/bin/env bash
# corvane-sim ended by a signal while it waits for a command: SIGTERM, SIGHUP and Ctrl+C end
# it through Exit (tray icon removed, settings saved, exit code 128 plus the signal's number); killed outright, it has
# kept what was committed before (as Windows keeps every value written).
#   signals_test.sh CORVANE_SIM WORK_FOLDER
set -euo pipefail
sim=$1
work=$2
mkdir -p "$work"

ends_through_exit() { # SIGNAL [COMMANDS WAITED-FOR-LINE]
    local fifo="$work/input.$1" registry="$work/registry.$1" out="$work/out.$1"
    rm -f "$fifo" "$registry" "$out"
    mkfifo "$fifo"
    "$sim" --registry "$registry" <"$fifo" >"$out" 2>&1 &
    local pid=$!
    exec 3>"$fifo" # input stays open: the simulator waits for a command
    printf '%b' "${2:-}" >&3
    for _ in $(seq 100); do grep -q "${3:-tray: added}" "$out" && break; sleep 0.1; done
    kill -"$1" "$pid"
    local rc=0
    wait "$pid" || rc=$?
    exec 3>&-
    local expected=$((128 + $(kill -l "$1")))
    [ "$rc" -eq "$expected" ] || { echo "SIG$1: exit code $rc, not $expected"; cat "$out"; return 1; }
    grep -q 'tray: removed' "$out" || { echo "SIG$1: no Exit"; cat "$out"; return 1; }
    grep -q 'Version' "$registry" || { echo "SIG$1: settings not saved"; return 1; }
}

keeps_what_was_committed_when_killed() {
    local fifo="$work/input.KILL" registry="$work/registry.KILL" out="$work/out.KILL"
    rm -f "$fifo" "$registry" "$out"
    mkfifo "$fifo"
    "$sim" --registry "$registry" <"$fifo" >"$out" 2>&1 &
    local pid=$!
    exec 3>"$fifo"
    printf 'tray right\nchoose option...\nslider contrast 40\nok\nshow tray\n' >&3
    for _ in $(seq 100); do grep -q '^tray: icon [0-9]* "' "$out" && break; sleep 0.1; done
    kill -KILL "$pid"
    wait "$pid" || true
    exec 3>&-
    grep -qx 'Software\\Velmora\\Corvane\\Device\\Contrast=40' "$registry" ||
        { echo "SIGKILL after OK: contrast not kept"; cat "$out" "$registry"; return 1; }
}

for signal in TERM HUP INT; do
    ends_through_exit "$signal"
done
# Also while a dialog is open behind another window, which has the keyboard.
ends_through_exit TERM 'tray right\nchoose option...\nwindow 100 100 200 200\n' 'window 5 added'
grep -q 'dialog: closed' "$work/out.TERM" || { echo "SIGTERM: the dialog stayed"; exit 1; }
keeps_what_was_committed_when_killed
echo "SIGTERM, SIGHUP and SIGINT end corvane-sim through Exit, also from a dialog; SIGKILL loses"\
    "nothing committed"
