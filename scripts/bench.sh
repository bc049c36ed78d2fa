#!/usr/bin/env bash
# Benchmarks of a Release build: the start-up (time from exec to the mapped window and peak
# memory, of tarnyx against a bare Qt window, under a private Xvfb), the precision figures, and the
# time of one Calculate.
# Usage: scripts/bench.sh [rounds]   (start-up rounds, default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}

bash scripts/install-deps.sh >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release \
    --target tarnyx tarnyx_floor tarnyx_startbench tarnyx_precision tarnyx_calculate \
    tarnyx_working >/dev/null
build/release/bench/tarnyx_startbench --rounds "$rounds" \
    build/release/bench/tarnyx_floor build/release/app/tarnyx
build/release/bench/tarnyx_precision
build/release/bench/tarnyx_calculate
build/release/bench/tarnyx_working
