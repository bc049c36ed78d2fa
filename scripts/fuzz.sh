#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each from the committed seed corpus. A crash stops
# the run; its input is saved in build/fuzz/crashes/: add it to fuzz/corpus/<target>/ and, where a
# suite's table fits, as a row.
# Usage: scripts/fuzz.sh [seconds per target]   fresh seeds for that long (default 60 s)
#        scripts/fuzz.sh --fixed                 what CI runs: a fixed number of inputs from fixed
#                                                seeds, so a failure comes back with the same
#                                                command and a pass gives the same counts twice
set -euo pipefail
cd "$(dirname "$0")/.."
fixed=false
seconds=60
case ${1:-} in
--fixed) fixed=true ;;
"") ;;
*[!0-9]*)
    echo "fuzz.sh: usage: scripts/fuzz.sh [seconds per target | --fixed]" >&2
    exit 2
    ;;
*) seconds=$1 ;;
esac

cmake --preset fuzz
cmake --build --preset fuzz

# Inputs per target in the fixed run: about a minute each on one core of a two-core machine.
# The run is repeatable only without address randomisation: libFuzzer also learns from pointer
# comparisons, whose values would differ from run to run.
same_addresses=()
if $fixed; then
    if setarch "$(uname -m)" -R true 2>/dev/null; then
        same_addresses=(setarch "$(uname -m)" -R)
    else
        echo "fuzz.sh: setarch cannot turn off address randomisation here: the counts may differ from run to run"
    fi
fi
# The seeds' order counts too: libFuzzer takes a folder's files as the file system lists them,
# and ext4 lists them in an order of its own per file system. The fixed run reads a copy in a
# tmpfs, which lists files newest first: made in reverse name order, it lists them by name, so
# that every machine runs the same inputs.
seeds_of() { # target: prints the folder of its seed corpus to read
    if $fixed && [ -d /dev/shm ] && [ -w /dev/shm ] && [ "$(stat -f -c %T /dev/shm)" = tmpfs ]; then
        local copy file
        copy=$(mktemp -d -p /dev/shm tarnyx-seeds.XXXXXX)
        find "fuzz/corpus/$1" -type f -print0 | LC_ALL=C sort -rz |
            while IFS= read -r -d '' file; do cp "$file" "$copy/"; done
        echo "$copy"
    else
        ! $fixed ||
            echo "fuzz.sh: no tmpfs at /dev/shm: the counts may differ between machines" >&2
        echo "fuzz/corpus/$1"
    fi
}
declare -A fixed_runs=([text_to_number]=1000000 [number_to_text]=500000 [solver]=25000)
mkdir -p build/fuzz/crashes
for target in text_to_number number_to_text solver; do
    work=$(mktemp -d)
    seeds=$(seeds_of "$target")
    log=build/fuzz/fuzz_$target.log
    if $fixed; then
        # -reload=0: the run reads no corpus file that appears while it runs.
        bound=(-runs="${fixed_runs[$target]}" -seed=20261208 -reload=0)
        echo "fuzz_$target: ${fixed_runs[$target]} inputs from seed 20261208"
    else
        bound=(-max_total_time="$seconds")
        echo "fuzz_$target: $seconds s"
    fi
    status=0
    "${same_addresses[@]}" build/fuzz/fuzz/fuzz_$target "${bound[@]}" -timeout=5 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/crashes/"$target"- "$work" "$seeds" \
        >"$log" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs|claims re-derived|false claim|==[0-9]+==|SUMMARY|deadly' "$log" || true
    rm -rf "$work"
    [ "$seeds" = "fuzz/corpus/$target" ] || rm -rf "$seeds"
    if [ "$status" -ne 0 ]; then
        tail -40 "$log" >&2
        echo "fuzz_$target failed (status $status); its input is in build/fuzz/crashes/" >&2
        exit 1
    fi
done
