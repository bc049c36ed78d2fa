#!/usr/bin/env bash
# The golden checks on other processors: the number engine and the golden-results program are
# cross-built, statically, for i386 and for arm64, and each must reproduce tests/golden.tsv bit
# for bit. arm64 runs under qemu-user. i386 runs natively where the kernel can run 32-bit x86
# programs, and under qemu-i386 where it cannot (a kernel may be built without IA-32
# emulation); TARNYX_I386_UNDER_QEMU=1 takes the qemu path in any case, so it is tested too.
# Usage: scripts/test-cross.sh [target ...]   (i686-linux-gnu aarch64-linux-gnu by default)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh cross
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(i686-linux-gnu aarch64-linux-gnu)

for target in "${targets[@]}"; do
    build=build/golden-$target
    echo "== golden results on $target"
    configure=(cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$target.cmake" -DCMAKE_EXE_LINKER_FLAGS=-static
        -DTARNYX_BUILD_WINDOW=OFF -DTARNYX_BUILD_BENCHMARK=OFF -DTARNYX_WERROR=ON)
    "${configure[@]}" >/dev/null
    cmake --build "$build" --target golden >/dev/null
    program=$build/tests/golden
    file -b "$program" | cut -d, -f1-2
    if [ "$target" = i686-linux-gnu ]; then
        # Started natively with no arguments, the program prints its usage and ends with 2; a
        # kernel that cannot run it leaves the shell to say it cannot execute it (126).
        status=0
        "$program" >/dev/null 2>&1 || status=$?
        emulator=""
        if [ "${TARNYX_I386_UNDER_QEMU:-0}" = 1 ]; then
            emulator=qemu-i386
            echo "run under qemu-i386: TARNYX_I386_UNDER_QEMU=1"
        elif [ "$status" -ne 2 ]; then
            emulator=qemu-i386
            echo "run under qemu-i386: this kernel cannot run 32-bit x86 programs (status $status)"
        else
            echo "run natively: this kernel runs 32-bit x86 programs"
        fi
        "${configure[@]}" -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" >/dev/null
    else
        echo "run under $(sed -n 's/^set(CMAKE_CROSSCOMPILING_EMULATOR \(.*\))$/\1/p' \
            "cmake/$target.cmake")"
    fi
    ctest --test-dir "$build" -R '^golden_results$' --verbose
done
