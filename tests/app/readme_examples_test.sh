#!/usr/bin/env bash
# Every corvane-sim example in the README (an indented block that begins with a tray click)
# runs as it stands: pasted into corvane-sim, no command fails.
#   readme_examples_test.sh CORVANE_SIM README WORK_FOLDER
set -euo pipefail
sim=$1
readme=$2
work=$3
mkdir -p "$work"
rm -f "$work"/example.*.script
# Blocks of lines indented by four spaces, each into a file of its own.
awk -v out="$work/example" '
    /^    / { if (!inside) { n++; inside = 1 } print substr($0, 5) > (out "." n ".script"); next }
    { inside = 0 }
' "$readme"
count=0
for example in "$work"/example.*.script; do
    head -1 "$example" | grep -q '^tray ' || continue
    count=$((count + 1))
    "$sim" --fresh "$example" >"$example.out" 2>&1 ||
        { echo "README example $example fails:"; cat "$example" "$example.out"; exit 1; }
done
[ "$count" -ge 2 ] || { echo "only $count examples found in $readme"; exit 1; }
echo "$count README examples run as they stand"
