#!/usr/bin/env bash
# Installs what is missing, builds and runs every check: formatting, the test suite in a Release
# build with warnings as errors and again under AddressSanitizer and UBSan, the Debian package,
# the program on Wayland, the screen reader check, bounded fuzzing and a quick run of the
# benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

step() { printf '\n==== %s\n' "$*"; }

step "formatting"
bash scripts/check-format.sh

step "release build and tests"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

step "sanitizer build and tests"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

step "Debian package"
bash scripts/check-package.sh build/ci

step "native Wayland (headless weston)"
bash scripts/check-wayland.sh build/ci/app/tarnyx

step "screen reader (Orca), beside an Orca it did not start"
# A stand-in for the user's own screen reader: a process named orca, as Orca finds its kind. The
# check must pass and leave it running.
decoy=$(mktemp -d)
cp "$(command -v sleep)" "$decoy/orca"
"$decoy/orca" 600 &
decoy_pid=$!
trap 'kill "$decoy_pid" 2>/dev/null || true; rm -rf "$decoy"' EXIT
bash scripts/check-screen-reader.sh build/ci/app/tarnyx
kill -0 "$decoy_pid" 2>/dev/null || { echo "the screen reader check ended an Orca it did not start" >&2; exit 1; }
echo "an Orca the check did not start is still running"

step "fuzzing (bounded)"
bash scripts/fuzz.sh "${TARNYX_FUZZ_SECONDS:-60}"

step "benchmarks (quick run: proves they work, judges nothing)"
bash scripts/bench.sh 3
