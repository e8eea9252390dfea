#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 15), starting from the
# committed seed corpus. New inputs go to build/fuzz/corpus/, crashes to build/fuzz/crashes/.
#   bash tests/fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
seconds=${1:-15}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

mkdir -p build/fuzz/crashes
for target in conversions editors; do
    mkdir -p "build/fuzz/corpus/$target"
    echo "fuzz_$target: ${seconds} s"
    log=build/fuzz/$target.log
    status=0
    "build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/crashes/ "build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==|SUMMARY|artifact_prefix)' "$log" || true
    if [[ $status -ne 0 ]]; then
        echo "fuzz_$target failed with status $status; the input is in build/fuzz/crashes/"
        exit 1
    fi
done
echo "fuzz: no crash, no sanitizer report"
