#!/bin/sh
# The run role installs what building and starting the program needs, and no test tool.
# Usage: check_run_packages.sh <install-deps.sh>
run=$(bash "$1" --list run) || exit 1
echo "$run" | grep -qx qt6-base-dev || { echo "the run role lacks Qt" >&2; exit 1; }
found=0
for tool in libqt6test6 weston clang libclang-rt-14-dev clang-format lintian devscripts \
    appstream desktop-file-utils binutils-mingw-w64-x86-64 xvfb libxcb1-dev pkg-config orca \
    g++-i686-linux-gnu g++-aarch64-linux-gnu qemu-user wine xdotool at-spi2-core; do
    if echo "$run" | grep -qx "$tool"; then
        echo "the run role installs the test tool $tool" >&2
        found=1
    fi
done
[ "$found" -eq 0 ] && echo "run role: $(echo "$run" | wc -l) packages, no test tool"
