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

step "screen reader (Orca)"
bash scripts/check-screen-reader.sh build/ci/app/tarnyx

step "fuzzing (bounded)"
bash scripts/fuzz.sh "${TARNYX_FUZZ_SECONDS:-60}"

step "benchmarks (quick run: proves they work, judges nothing)"
bash scripts/bench.sh 3
