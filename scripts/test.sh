#!/usr/bin/env bash
# Installs what is missing, builds and runs every check: formatting, the test suite in a Release
# build with warnings as errors and again under AddressSanitizer and UBSan, the Debian package,
# the program on Wayland, the screen reader check, bounded fuzzing and a quick run of the
# benchmarks. Named steps run alone, in this order (the later ones use the Release build):
# Usage: scripts/test.sh [format] [release] [sanitize] [package] [wayland] [screen-reader]
#                        [fuzz] [bench]   (all by default)
set -euo pipefail
cd "$(dirname "$0")/.."

all=(format release sanitize package wayland screen-reader fuzz bench)
chosen=("$@")
[ ${#chosen[@]} -gt 0 ] || chosen=("${all[@]}")
for name in "${chosen[@]}"; do
    [[ " ${all[*]} " == *" $name "* ]] || { echo "test.sh: unknown step '$name' (${all[*]})" >&2; exit 2; }
done
wanted() { [[ " ${chosen[*]} " == *" $1 "* ]]; }

started=$SECONDS
bash scripts/install-deps.sh
echo "test.sh: packages ready in $((SECONDS - started)) s"
step_name=""
step_started=0
step() { # name: ends the step before, if any, with its time
    [ -z "$step_name" ] || echo "==== $step_name: $((SECONDS - step_started)) s"
    step_name=$*
    step_started=$SECONDS
    [ -z "$step_name" ] || printf '\n==== %s (at %d s)\n' "$step_name" $((SECONDS - started))
}
# The Release build with warnings as errors, which the package, Wayland and screen reader steps
# use; building it again when it is up to date costs nothing. Quiet, but for a failure's end.
release_build() {
    cmake --preset ci
    cmake --build --preset ci
}
quiet_release_build() {
    local log
    log=$(mktemp)
    release_build >"$log" 2>&1 || { tail -n 60 "$log" >&2; rm -f "$log"; return 1; }
    rm -f "$log"
}

if wanted format; then
    step "formatting"
    bash scripts/check-format.sh
fi

if wanted release; then
    step "release build and tests"
    release_build
    ctest --preset ci --parallel "$(nproc)"
fi

if wanted sanitize; then
    step "sanitizer build and tests"
    cmake --preset sanitize
    cmake --build --preset sanitize
    ctest --preset sanitize --parallel "$(nproc)"
fi

if wanted package; then
    step "Debian package"
    quiet_release_build
    bash scripts/check-package.sh build/ci
fi

if wanted wayland; then
    step "native Wayland (headless weston)"
    quiet_release_build
    bash scripts/check-wayland.sh build/ci/app/tarnyx
fi

# The screen reader check beside a stand-in for the user's own screen reader: a process named
# orca, as Orca finds its kind. The check must pass and leave it running.
# The stand-in's folder and process are the script's own, so that the exit trap, which runs
# after the function has returned, still finds them.
decoy_dir=""
decoy_pid=""
end_decoy() {
    [ -z "$decoy_pid" ] || kill "$decoy_pid" 2>/dev/null || true
    [ -z "$decoy_dir" ] || rm -rf "$decoy_dir"
}
screen_reader_beside_another() {
    decoy_dir=$(mktemp -d)
    cp "$(command -v sleep)" "$decoy_dir/orca"
    "$decoy_dir/orca" 600 &
    decoy_pid=$!
    trap end_decoy EXIT
    bash scripts/check-screen-reader.sh build/ci/app/tarnyx
    kill -0 "$decoy_pid" 2>/dev/null ||
        { echo "the screen reader check ended an Orca it did not start" >&2; exit 1; }
    echo "an Orca the check did not start is still running"
}

if wanted screen-reader; then
    step "screen reader (Orca)"
    quiet_release_build
    if [ -n "${TARNYX_IN_ROOT:-}" ]; then
        # In a Debian root the check shares the root's PID namespace, where a second Orca would
        # be in its sight; there is no user's screen reader here to guard.
        echo "in a Debian root: the check uses the root's PID namespace, with no Orca beside it"
        bash scripts/check-screen-reader.sh build/ci/app/tarnyx
    else
        screen_reader_beside_another
    fi
fi

if wanted fuzz; then
    step "fuzzing (bounded, fixed seeds: a failure comes back with the same command)"
    bash scripts/fuzz.sh --fixed
fi

if wanted bench; then
    step "benchmarks (quick run: proves they work, judges nothing)"
    bash scripts/bench.sh 3
fi
step
echo "test.sh: passed (${chosen[*]}) in $((SECONDS - started)) s"
