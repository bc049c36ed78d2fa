#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run, test and benchmark the program.
# Only packages that are missing are installed. Works as root, or through sudo otherwise.
# Usage: scripts/install-deps.sh [windows]   (windows: also the cross-build and wine test tools)
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    # Qt 6 Widgets and Qt Test (libqt6gui6 brings the xcb and offscreen plugins and the JPEG reader)
    qt6-base-dev qt6-base-dev-tools libqt6test6 libgl-dev
    # Qt's Wayland platform plugin, and a headless compositor to check the program on it
    qt6-wayland weston
    # fonts metric-compatible with the window's classic fonts
    fonts-liberation2 fontconfig
    # fuzzing and sanitizers (clang with its runtimes)
    clang libclang-rt-14-dev
    # Windows resource compiler, to check the version record builds
    binutils-mingw-w64-x86-64
    # desktop files, packaging and its checks
    desktop-file-utils appstream dpkg-dev file lintian devscripts man-db groff-base
    # benchmark: a private X server and the xcb client library
    xvfb xauth libxcb1-dev
    # formatting check
    clang-format
)
if [ "${1:-}" = windows ]; then
    packages+=(
        # cross compilers (posix threads, as Qt 6 needs); dpkg-dev above unpacks the Qt source
        g++-mingw-w64-x86-64-posix
        # running the Windows programs, reading their resources, driving the window
        wine wine64 icoutils python3-pefile xdotool xclip
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
