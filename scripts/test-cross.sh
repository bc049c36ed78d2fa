#!/usr/bin/env bash
# The golden checks on other processors: the number engine and the golden-results program are
# cross-built, statically, for i386 (run natively) and for arm64 (run under qemu-user), and each
# must reproduce tests/golden.tsv bit for bit.
# Usage: scripts/test-cross.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh cross

for target in i686-linux-gnu aarch64-linux-gnu; do
    build=build/golden-$target
    echo "== golden results on $target"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$target.cmake" -DCMAKE_EXE_LINKER_FLAGS=-static \
        -DTARNYX_BUILD_WINDOW=OFF -DTARNYX_BUILD_BENCHMARK=OFF -DTARNYX_WERROR=ON >/dev/null
    cmake --build "$build" --target golden >/dev/null
    file -b "$build/tests/golden" | cut -d, -f1-2
    ctest --test-dir "$build" -R '^golden_results$' --verbose
done
