#!/usr/bin/env bash
# The whole program on arm64: cross-built with Debian's aarch64 compiler against Debian's arm64
# Qt (multiarch), and its test suites run under qemu-user on the offscreen platform.
# Usage: scripts/test-arm64.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh arm64

# Qt's build tools (moc, rcc) are the build machine's; CMake says where their packages are.
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake
build=build/arm64
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/aarch64-linux-gnu.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DTARNYX_BUILD_TOOLS=OFF -DTARNYX_BUILD_BENCHMARK=OFF -DTARNYX_WERROR=ON >/dev/null
cmake --build "$build"
file -b "$build/app/tarnyx" | cut -d, -f1-2
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
