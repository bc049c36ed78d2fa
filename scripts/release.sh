#!/usr/bin/env bash
# Makes a release of a commit in dist/, from a clean checkout of it in a scratch folder:
#   tarnyx-VERSION.tar.xz                   the source (git archive)
#   tarnyx_VERSION_amd64.deb                the Debian package
#   tarnyx_VERSION_arm64.deb                the same for arm64, when the arm64 role is installed
#   tarnyx-VERSION-windows-x86_64.zip       tarnyx.exe, LICENSE and README.txt
#   SHA256SUMS                              over all of them
# Every time in them is the source date (the changelog's newest entry), so two runs of the same
# commit give the same bytes, in any folder, at any time, with any umask or time zone. It refuses
# to run when the changelog, the AppStream release and the manual page disagree on that date.
# Usage: scripts/release.sh [--no-windows] [commit]   (default HEAD)
#   --no-windows leaves out the Windows archive (whose static Qt takes about half an hour to
#   build once)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
windows=true
if [ "${1:-}" = --no-windows ]; then
    windows=false
    shift
fi
fail() {
    echo "release: $*" >&2
    exit 1
}
# Said first, before anything is built: on a Debian older than 13 the Windows archive is built in
# a Debian 13 root (scripts/windows-root.sh), which only root can make and enter.
source scripts/debian-release.sh
debian=$debian_release
if $windows && [ "$(id -u)" -ne 0 ] && [ "$debian" -lt 13 ]; then
    fail "run it as root: on Debian $debian the Windows archive (tarnyx.exe) is built in a" \
        "Debian 13 root, which only root can make and enter; or leave it out with --no-windows"
fi
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")

# The Windows archive's tools are build-windows.sh's to install (in its Debian 13 build root on
# an older Debian).
bash scripts/install-deps.sh release >/dev/null
# The packages' and archives' modes do not depend on the builder's umask (as Debian's
# dh_fixperms sees to), and their times not on the time zone.
umask 022
export TZ=UTC LC_ALL=C.UTF-8

work=$(mktemp -d "${TMPDIR:-/tmp}/tarnyx-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
src=$work/tarnyx
git clone --quiet --no-hardlinks "$repo" "$src"
git -C "$src" -c advice.detachedHead=false checkout --quiet "$commit"
cd "$src"

version=$(sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' CMakeLists.txt | head -1)
[ -n "$version" ] || fail "no VERSION in CMakeLists.txt"
changelog=$(sed -n 's/^ -- .*>  \(.*\)$/\1/p' packaging/changelog | head -1)
changelog_day=$(date -u -d "$changelog" +%F)
appstream_day=$(sed -n 's/.*<release version="[^"]*" date="\([0-9-]*\)".*/\1/p' \
    resources/org.example.Tarnyx.metainfo.xml.in | head -1)
manual_day=$(sed -n 's/^\.TH [^ ]* [^ ]* \([0-9-]*\) .*/\1/p' docs/tarnyx.1.in | head -1)
if [ "$changelog_day" != "$appstream_day" ] || [ "$changelog_day" != "$manual_day" ]; then
    fail "dates disagree: changelog $changelog_day, AppStream $appstream_day, manual page $manual_day"
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$changelog" +%s)}
echo "release: tarnyx $version of $commit, source date $changelog_day ($SOURCE_DATE_EPOCH)"

dist=$repo/dist
rm -rf "$dist"
mkdir -p "$dist"
skipped=()

# The source: git archive writes the commit's tree in its order, with the commit's time and
# root as owner; xz on one thread compresses the same way every time.
git archive --format=tar --prefix="tarnyx-$version/" "$commit" | xz -9 -T1 >"$dist/tarnyx-$version.tar.xz"

# The Debian packages: the program alone, packaged by CPack (built in unity batches, as it is
# built once).
package() { # build folder, cmake options...
    local build=$1
    shift
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
        -DBUILD_TESTING=OFF -DTARNYX_BUILD_TOOLS=OFF -DTARNYX_BUILD_BENCHMARK=OFF \
        -DTARNYX_WERROR=ON "$@" >/dev/null
    cmake --build "$build" >/dev/null
    (cd "$build" && cpack -G DEB >/dev/null)
    cp "$build"/tarnyx_*.deb "$dist/"
}
package build/release-amd64
if dpkg-query -W -f='${Status}' qt6-base-dev:arm64 2>/dev/null | grep -q "install ok installed" &&
    command -v aarch64-linux-gnu-g++ >/dev/null; then
    package build/release-arm64 -DCMAKE_TOOLCHAIN_FILE="$src/cmake/aarch64-linux-gnu.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
else
    skipped+=("tarnyx_${version}_arm64.deb: the arm64 role is not installed (scripts/install-deps.sh arm64)")
fi

# The Windows archive: the program alone, with fixed times, modes and order.
folder=tarnyx-$version-windows-x86_64
if $windows; then
    bash scripts/build-windows.sh --program >/dev/null
    mkdir -p "$work/zip/$folder"
    cp build/windows-program/tarnyx.exe LICENSE "$work/zip/$folder/"
    sed "s/@VERSION@/$version/" packaging/README-windows.txt >"$work/zip/$folder/README.txt"
    chmod 0644 "$work/zip/$folder"/*
    touch -h -d "@$SOURCE_DATE_EPOCH" "$work/zip/$folder"/*
    (cd "$work/zip" && find "$folder" -type f | sort | zip -q -X -D -9 "$dist/$folder.zip" -@)
else
    skipped+=("$folder.zip: --no-windows")
fi

(cd "$dist" && sha256sum -- * >SHA256SUMS)
echo "release: in $dist"
(cd "$dist" && ls -l --time-style=+ -- * | awk '{print "  " $5 "  " $NF}')
for reason in "${skipped[@]}"; do
    echo "release: skipped $reason"
done
