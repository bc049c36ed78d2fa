#!/usr/bin/env bash
# Start-up benchmark: time from exec to the mapped window and peak memory, of tarnyx against a
# bare Qt window, both Release builds, under a private Xvfb.
# Usage: scripts/bench.sh [rounds]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}

bash scripts/install-deps.sh >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target tarnyx tarnyx_floor tarnyx_startbench >/dev/null
build/release/bench/tarnyx_startbench --rounds "$rounds" \
    build/release/bench/tarnyx_floor build/release/app/tarnyx
