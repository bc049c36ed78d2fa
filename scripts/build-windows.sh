#!/usr/bin/env bash
# Cross-builds the Windows program, one self-contained build/windows/tarnyx.exe, and the test
# programs with MinGW-w64, against a static Qt built once from Debian's own Qt source.
# TARNYX_QT_WINDOWS names the folder of that Qt (default: in ~/.cache); it is built there when
# it is missing, which takes about half an hour on two cores.
# Usage: scripts/build-windows.sh            the program and its tests, in build/windows
#        scripts/build-windows.sh --program  the program alone (as a release has it), in
#                                            build/windows-program
#        scripts/build-windows.sh --qt       the static Qt alone (CI builds it early, in the
#                                            background, at the lowest priority)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-root.sh "scripts/$(basename "$0")" "$@"
repo=$PWD
build=build/windows
only=()
qt_only=false
case ${1:-} in
--program)
    build=build/windows-program
    only=(-DBUILD_TESTING=OFF -DTARNYX_BUILD_TOOLS=OFF -DTARNYX_BUILD_BENCHMARK=OFF)
    ;;
--qt) qt_only=true ;;
esac

bash scripts/install-deps.sh windows

# The Windows Qt has the version of the build machine's Qt, whose moc and rcc it uses. The query
# names the build machine's architecture: with the arm64 Qt installed too, a bare name answers
# for both.
qt_source_version=$(dpkg-query -W -f='${source:Version}' "qt6-base-dev:$(dpkg --print-architecture)")
qt_version=${qt_source_version%%+*}
# The build machine's Qt CMake packages (moc, rcc and the other host tools).
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

# Static and lean: Core, Gui, Widgets and Test; the windows and offscreen platform plugins; the
# bundled image, font and regular-expression libraries; and none of the features that
# scripts/qt-windows-features.txt lists, each with why the program does without it.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
)
while read -r feature _; do
    [[ -z $feature || $feature == \#* ]] || qt_options+=("-DFEATURE_$feature=OFF")
done <scripts/qt-windows-features.txt
# The cache folder is named for these options and the toolchain, so a change builds afresh.
key=$({ printf '%s\n' "${qt_options[@]}"; cat cmake/mingw-w64-x86_64.cmake; } | sha256sum | cut -c1-8)
cache=${XDG_CACHE_HOME:-${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}/.cache}
qt=${TARNYX_QT_WINDOWS:-$cache/tarnyx/qt-$qt_version-mingw-w64-static-$key}
echo "build-windows: static Qt for Windows in $qt"

fetch_qt_source() {
    local work=$1
    # apt-get source needs deb-src entries. They are made from this machine's own deb entries in
    # a private apt configuration, so the machine's apt setup and package lists stay untouched.
    echo "build-windows: fetching qt6-base $qt_source_version source (temporary deb-src entries)"
    rm -rf "$work/apt"
    mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list"
    fi
    for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed -e 's/^deb /deb-src /' -e 's/^Types:.*/Types: deb-src/' "$f" \
            >"$work/apt/parts/$(basename "$f")"
    done
    local apt=(apt-get -q -o APT::Sandbox::User=root
        -o Dir::Etc::SourceList="$work/apt/sources.list"
        -o Dir::Etc::SourceParts="$work/apt/parts" -o Dir::State::Lists="$work/apt/lists"
        -o Dir::Cache="$work/apt/cache")
    "${apt[@]}" update >/dev/null
    (cd "$work" && "${apt[@]}" source "qt6-base=$qt_source_version" >/dev/null 2>&1)
    rm -rf "$work/apt"
}

build_qt() {
    # The work folder stays when the build fails, so a second run goes on where it stopped.
    local work=$qt.work src
    mkdir -p "$work"
    src=$(find -H "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
    if [ -z "$src" ]; then
        fetch_qt_source "$work"
        src=$(find -H "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
    fi
    [ -n "$src" ] || { echo "build-windows: could not fetch the Qt source" >&2; return 1; }

    local started=$SECONDS
    echo "build-windows: configuring and building Qt (log: $work/qt-build.log)"
    cmake -S "$src" -B "$work/build" -G Ninja "${qt_options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        >"$work/qt-build.log" 2>&1 &&
        cmake --build "$work/build" >>"$work/qt-build.log" 2>&1 &&
        cmake --install "$work/build" >>"$work/qt-build.log" 2>&1 ||
        { tail -60 "$work/qt-build.log" >&2; echo "build-windows: Qt build failed" >&2; return 1; }
    touch "$qt/.complete"
    rm -rf "$work"
    echo "build-windows: static Qt built in $((SECONDS - started)) s"
}

[ -f "$qt/.complete" ] || build_qt
if $qt_only; then
    echo "build-windows: static Qt ready in $qt"
    exit 0
fi

# CTest runs the cross-built tests through wine (scripts/wine-run.sh, from test-windows.sh).
# Debian's Qt source turns off the automatic inclusion of Qt's plugins (its own Qt is shared);
# a static program needs it, or it links no platform plugin.
cmake -S . -B "$build" -G Ninja -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" -DTARNYX_WERROR=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/scripts/wine-run.sh" "${only[@]}"
cmake --build "$build"
echo "build-windows: $(du -b "$build/tarnyx.exe" | cut -f1) bytes in $build/tarnyx.exe"
