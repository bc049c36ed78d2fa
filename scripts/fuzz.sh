#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (default 60 s) from the
# committed seed corpus. A crash stops the run; its input is saved in build/fuzz/crashes/.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz
cmake --build --preset fuzz

mkdir -p build/fuzz/crashes
for target in text_to_number number_to_text solver; do
    work=$(mktemp -d)
    log=build/fuzz/fuzz_$target.log
    echo "fuzz_$target: $seconds s"
    status=0
    build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/crashes/"$target"- "$work" fuzz/corpus/"$target" \
        >"$log" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs|claims re-derived|false claim|==[0-9]+==|SUMMARY|deadly' "$log" || true
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -40 "$log" >&2
        echo "fuzz_$target failed (status $status); see build/fuzz/crashes/" >&2
        exit 1
    fi
done
