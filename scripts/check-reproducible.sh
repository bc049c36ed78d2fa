#!/usr/bin/env bash
# Checks that a release rebuilds byte for byte: scripts/release.sh runs twice, from two clones in
# two folders, the second a few minutes later with another umask and time zone, and the two
# dist/ folders must be the same to the byte; the release is then kept in dist/. On any
# difference diffoscope says what differs, and the check fails.
# Usage: scripts/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
# Said first, before anything is built: release.sh builds the Windows archive, which on a Debian
# older than 13 takes a Debian 13 root, and only root can make and enter one.
source scripts/debian-release.sh
if [ "$(id -u)" -ne 0 ] && [ "$debian_release" -lt 13 ]; then
    echo "reproducible: run it as root: on this Debian the release's Windows archive is built" \
        "in a Debian 13 root, which only root can make and enter" >&2
    exit 1
fi
bash scripts/install-deps.sh release >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/tarnyx-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
release() { # folder umask time-zone
    local started=$SECONDS
    git clone --quiet --no-hardlinks "$repo" "$1"
    (cd "$1" && umask "$2" && TZ=$3 bash scripts/release.sh "$(git -C "$repo" rev-parse HEAD)")
    echo "reproducible: release in $1 (umask $2, TZ $3) took $((SECONDS - started)) s"
}
release "$work/first" 022 UTC
release "$work/elsewhere/second" 077 Pacific/Kiritimati

if diff -r "$work/first/dist" "$work/elsewhere/second/dist" >/dev/null; then
    echo "reproducible: both releases are the same, byte for byte:"
    sed 's/^/  /' "$work/first/dist/SHA256SUMS"
    # The release checked is kept, so later checks use it rather than build it again.
    rm -rf "$repo/dist"
    cp -a "$work/first/dist" "$repo/dist"
    echo "reproducible: the release is in $repo/dist"
    exit 0
fi
for file in "$work/first/dist"/*; do
    other=$work/elsewhere/second/dist/$(basename "$file")
    cmp -s "$file" "$other" && continue
    echo "reproducible: $(basename "$file") differs:" >&2
    diffoscope --text - "$file" "$other" 2>&1 | head -80 >&2 || true
done
exit 1
