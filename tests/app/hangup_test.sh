#!/usr/bin/env bash
# corvane-sim at a terminal that goes away (its window closed, the terminal emulator killed):
# it ends through Exit with its settings saved, instead of reading the dead terminal for ever.
#   hangup_test.sh CORVANE_SIM WORK_FOLDER
set -euo pipefail
sim=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
export XDG_STATE_HOME=$work/state LANG=C.UTF-8 TERM=dumb

mkfifo "$work/keys"
script -qfec "$sim --registry $work/registry" "$work/terminal.log" <"$work/keys" >/dev/null 2>&1 &
terminal=$!
exec 3>"$work/keys"
for _ in $(seq 200); do grep -aqF 'corvane> ' "$work/terminal.log" 2>/dev/null && break; sleep 0.1; done
simulator=$(pgrep -f "^$sim --registry" | head -n 1)
[ -n "$simulator" ] || { echo "corvane-sim never started"; cat -v "$work/terminal.log"; exit 1; }

kill -KILL "$terminal"
for _ in $(seq 200); do kill -0 "$simulator" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$simulator" 2>/dev/null; then
    kill -KILL "$simulator"
    echo "corvane-sim still ran 20 s after its terminal went away"
    exit 1
fi
grep -q Version "$work/registry" || { echo "the settings were not saved"; exit 1; }
