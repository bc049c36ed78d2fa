#!/usr/bin/env bash
# Installs the Debian packages that one or more roles need; only missing ones are installed. Every
# name is one that Debian 12 and Debian 13 both have (the default clang's runtime, say, not a
# numbered one).
# Works as root, or through sudo otherwise.
# Usage: scripts/install-deps.sh [--list] [role ...]
#   run      build and start the program
#   test     everything the test command needs (the default)
#   windows  the Windows cross-build and its tests under wine
#   arm64    the arm64 cross-build of the whole program, tested under qemu-user
#   cross    the i386 and arm64 builds of the number engine for the golden checks
#   fresh    mmdebstrap, to prove the run and test commands in new Debian 12 and 13 roots
#   release  what scripts/release.sh needs besides the windows role: git, xz, zip, dpkg-dev and
#            the checker of differences
# Roles add up, and each includes run. --list prints the packages instead of installing them.
# Nothing is ever removed: apt simulates the install first, and where it would remove a package
# (on Debian 12 a cross-compiler removes gcc-multilib, say) the script stops before changing
# anything, saying what apt would remove and why; the install itself runs with --no-remove. The
# arm64 role adds the arm64 architecture, and takes it away again if the role then stops.
set -euo pipefail

list=false
roles=()
for arg in "$@"; do
    case $arg in
    --list) list=true ;;
    run | test | windows | arm64 | cross | fresh | release) roles+=("$arg") ;;
    *)
        echo "install-deps: unknown role '$arg' (run, test, windows, arm64, cross, fresh, release)" >&2
        exit 2
        ;;
    esac
done
[ ${#roles[@]} -gt 0 ] || roles=(test)

packages=(
    # build
    cmake ninja-build g++
    # Qt 6 Widgets (libqt6gui6 brings the xcb and offscreen plugins and the JPEG reader)
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # Qt's Wayland platform plugin, so the program runs natively on a Wayland desktop
    qt6-wayland
    # Qt's own words in the user's language (the edit boxes' menu, the message box's button);
    # the program's own translations are embedded as compiled beside their .ts files
    qt6-translations-l10n
    # fonts metric-compatible with the window's classic fonts
    fonts-liberation2 fontconfig
    # the correctly rounded decimal reader and exact arithmetic, header-only
    libfast-float-dev libboost-dev
)
# Qt Linguist's CMake API and tools (lupdate, lrelease): the roles that translate, check the
# translations or cross-build compile the translations themselves. (They bring Qt Designer,
# Assistant and LLVM along, which the run role does without.)
linguist=(qt6-tools-dev qt6-l10n-tools)
foreign_arch=""
for role in "${roles[@]}"; do
    case $role in
    test)
        packages+=("${linguist[@]}"

            # Qt Test, Qt's private GUI headers (a test counts the platform's accessibility as
            # in use), and a headless compositor to check the program on Wayland
            libqt6test6 qt6-base-private-dev weston
            # fuzzing and sanitizers (clang with its runtimes)
            clang libclang-rt-dev
            # Windows resource compiler, to check the version record builds
            binutils-mingw-w64-x86-64
            # desktop files, packaging and its checks; po4a translates the manual page
            desktop-file-utils appstream dpkg-dev file lintian devscripts man-db groff-base po4a
            # benchmark: a private X server and the xcb client library
            pkg-config xvfb xauth libxcb1-dev
            # formatting check
            clang-format
            # the screen reader check: Orca on its own D-Bus session and accessibility bus,
            # driven by typed keys
            orca at-spi2-core dbus xdotool
        )
        ;;
    windows)
        packages+=(
            # cross compilers (posix threads, as Qt 6 needs); dpkg-dev unpacks the Qt source
            g++-mingw-w64-x86-64-posix dpkg-dev
            # running the Windows programs, reading their resources, driving the window and
            # taking its picture (ImageMagick's import); locale definitions for a German wine
            wine wine64 icoutils python3-pefile xdotool xclip xvfb xauth imagemagick locales
            "${linguist[@]}"
        )
        ;;
    arm64)
        foreign_arch=arm64
        # dpkg-dev names the build machine's multiarch folder; file names what was built
        packages+=(g++-aarch64-linux-gnu qemu-user dpkg-dev file "${linguist[@]}"
            qt6-base-dev:arm64 qt6-base-private-dev:arm64 libqt6test6:arm64 libgl-dev:arm64 fontconfig)
        ;;
    cross)
        packages+=(g++-i686-linux-gnu g++-aarch64-linux-gnu qemu-user file)
        ;;
    fresh)
        # a minimal Debian root, made from this machine's apt sources; git clones into it
        packages+=(mmdebstrap git)
        ;;
    release)
        # the source archive, the Windows archive, the package's tools, po4a for the manual in
        # each language, and diffoscope to show what differs when two builds do
        packages+=(git xz-utils zip dpkg-dev file diffoscope-minimal po4a)
        ;;
    esac
done

if $list; then
    printf '%s\n' "${packages[@]}" | sort -u
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    as_root=(false)
fi

# A foreign architecture is added only when a role asks for it, and taken away again if the role
# stops before installing anything. Without root or sudo nothing is changed: the script says so.
updated=false
added_arch=""
if [ -n "$foreign_arch" ] && ! dpkg --print-foreign-architectures | grep -qx "$foreign_arch"; then
    if [ "${as_root[0]:-}" = false ]; then
        echo "install-deps: the ${roles[*]} role adds the $foreign_arch architecture and installs" \
            "its packages, which needs root or sudo; nothing was changed" >&2
        exit 1
    fi
    echo "install-deps: adding the $foreign_arch architecture"
    "${as_root[@]}" dpkg --add-architecture "$foreign_arch"
    added_arch=$foreign_arch
    trap '[ -z "$added_arch" ] || { echo "install-deps: taking the $added_arch architecture away again"; "${as_root[@]}" dpkg --remove-architecture "$added_arch"; }' EXIT
    "${as_root[@]}" apt-get update -q
    updated=true
fi

# A package counts as installed only in the architecture it is asked for: the build machine's
# (or "all") unless it is named with one. A foreign copy alone (qt6-base-dev:arm64, say) does not
# count for the native package.
native=$(dpkg --print-architecture)
installed() { # package[:arch]
    local name=${1%%:*} arch=${1#*:}
    [ "$arch" != "$1" ] || arch=$native
    dpkg-query -W -f='${Status} ${Architecture}\n' "$name" 2>/dev/null |
        grep -Eq "^install ok installed ($arch|all)\$"
}
missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
    installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present (${roles[*]})"
    added_arch=""
    exit 0
fi
if [ "${as_root[0]:-}" = false ]; then
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$updated || "${as_root[@]}" apt-get update -q
# What apt would do, simulated: it must remove nothing.
plan=$("${as_root[@]}" apt-get install -s -q --no-install-recommends "${missing[@]}") || {
    echo "install-deps: apt cannot install ${missing[*]}:" >&2
    printf '%s\n' "$plan" | tail -n 20 >&2
    exit 1
}
removed=$(printf '%s\n' "$plan" | awk '$1 == "Remv" { print $2 }' | sort -u | tr '\n' ' ')
if [ -n "$removed" ]; then
    cat >&2 <<EOF2
install-deps: stopped before changing anything. Installing what the ${roles[*]} role needs
  (${missing[*]})
would remove these packages: ${removed% }
They stay installed. To go on, either remove them yourself if you do not need them, then run
this script again; or run the role on another machine, or in a fresh root
(scripts/check-fresh.sh), where nothing of yours is in the way.
EOF2
    exit 1
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}"
added_arch=""
