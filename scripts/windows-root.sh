# Sourced at the start of build-windows.sh and test-windows.sh (and so entered by release.sh,
# which builds through build-windows.sh): the Windows stage works with Debian 13's tools, its
# MinGW-w64, its Qt 6.8 host tools (moc, rcc) and its wine. On Debian 13 or later they are this
# machine's own, and nothing happens here. On an older Debian the calling script runs itself
# again in one Debian 13 build root, made once with the windows role's packages and kept in the
# cache beside the static Qt; the script's folder and the cache are bound into it at their own
# paths. Making and entering the root needs root.
# Usage: source scripts/windows-root.sh "$0" "$@"
source scripts/debian-release.sh
if [ -z "${TARNYX_IN_BUILD_ROOT:-}" ] && [ "$debian_release" -lt 13 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "windows-root: run it as root: on this Debian it works in a Debian 13 root" >&2; exit 1; }
    source scripts/debian-root.sh
    bash scripts/install-deps.sh fresh >/dev/null
    windows_cache=${XDG_CACHE_HOME:-${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}/.cache}
    mkdir -p "$windows_cache/tarnyx"
    # Named for its packages, so a change to the windows role makes a new root.
    windows_packages=$(bash scripts/install-deps.sh --list windows | paste -sd, -)
    windows_root=$windows_cache/tarnyx/debian13-root-$(echo "trixie $windows_packages" | sha256sum | cut -c1-8)
    (
        # One maker at a time: CI starts the static Qt's build beside other stages.
        flock 9
        if [ ! -f "$windows_root.complete" ]; then
            started=$SECONDS
            rm -rf --one-file-system "$windows_root"
            make_root trixie "$windows_root" "$windows_packages"
            touch "$windows_root.complete"
            echo "windows-root: a Debian 13 build root in $((SECONDS - started)) s: $windows_root"
        fi
    ) 9>"$windows_cache/tarnyx/debian13-root.lock"
    windows_script=$1
    shift
    in_root "$windows_root" "$PWD" "$PWD:$windows_cache/tarnyx" \
        "$(printf '%q ' bash "$windows_script" "$@")" \
        TARNYX_IN_BUILD_ROOT=1 XDG_CACHE_HOME="$windows_cache" \
        ${TARNYX_QT_WINDOWS:+TARNYX_QT_WINDOWS="$TARNYX_QT_WINDOWS"}
    exit
fi
