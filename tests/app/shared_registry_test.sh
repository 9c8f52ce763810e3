#!/usr/bin/env bash
# Many corvane-sim started at once on one registry file: one at a time keeps its settings
# there, each other one is refused with a word, and the file loads afterwards every time.
#   shared_registry_test.sh CORVANE_SIM WORK_FOLDER [COUNT]
set -euo pipefail
sim=$1
work=$2
count=${3:-200}
mkdir -p "$work"
registry="$work/shared.registry"
rm -f "$registry" "$work"/shared.*.out
printf 'exit\n' >"$work/exit.script"
for i in $(seq "$count"); do
    "$sim" --registry "$registry" "$work/exit.script" >"$work/shared.$i.out" 2>&1 &
done
wait || true
refused=$(grep -l 'another corvane-sim keeps its settings in' "$work"/shared.*.out | wc -l)
ran=$(grep -l 'tray: removed' "$work"/shared.*.out | wc -l)
[ $((refused + ran)) -eq "$count" ] ||
    { echo "$count started: $ran ran, $refused refused, the rest neither"; exit 1; }
"$sim" --registry "$registry" "$work/exit.script" >"$work/shared.after.out" 2>&1 ||
    { echo "the file no longer loads:"; cat "$work/shared.after.out"; exit 1; }
echo "$count started at once: $ran ran, $refused refused, the file loads"
