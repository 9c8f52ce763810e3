#!/usr/bin/env bash
# fuzz.sh SECONDS: builds the libFuzzer targets (preset "fuzz") and runs each for SECONDS from
# the seeds in fuzz/corpus/. What a run finds goes to build/fuzz/findings and fails the run;
# new inputs that reach new code are kept in build/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
scripts/apt-install.sh clang libclang-rt-14-dev
scripts/configure.sh fuzz
cmake --build --preset fuzz
findings=build/fuzz/findings
mkdir -p "$findings"
failed=0
for target in device_broadcast settings registry_file command_line commands; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    # A script is many lines: long inputs reach what short ones cannot (a long title, a long
    # select); the others are small by nature and keep libFuzzer's own limit.
    max_len=()
    [ "$target" = commands ] && max_len=(-max_len=65536)
    if build/fuzz/fuzz/${target}_fuzz "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" \
        "${max_len[@]}" \
        -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$findings/$target-" -print_final_stats=1 \
        >"build/fuzz/$target.log" 2>&1; then
        echo "fuzz: $target, $seconds s: $(grep -m1 -oE 'stat::number_of_executed_units: *[0-9]+' \
            "build/fuzz/$target.log" | grep -oE '[0-9]+') runs, nothing found"
    else
        failed=1
        echo "FAILED: fuzz: $target found a fault (build/fuzz/$target.log, $findings)"
        tail -30 "build/fuzz/$target.log"
    fi
done
exit $failed
