#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks what it installs, and starts
# the packaged program offscreen to see that it runs.
# Usage: scripts/check-package.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
cd "$build"

cpack -G DEB >/dev/null
deb=$(ls -t "$build"/tarnyx_*.deb | head -1)
echo "package: $(basename "$deb")"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/tarnyx \
         usr/share/applications/org.example.Tarnyx.desktop \
         usr/share/metainfo/org.example.Tarnyx.metainfo.xml \
         usr/share/icons/hicolor/128x128/apps/org.example.Tarnyx.png; do
    [ -e "$root/$f" ] || { echo "package lacks $f" >&2; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.example.Tarnyx.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Tarnyx.metainfo.xml" >/dev/null

# The program runs until it is closed: still running after two seconds is a pass.
set +e
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/tarnyx"
status=$?
set -e
if [ "$status" -ne 124 ]; then
    echo "the packaged program ended early with status $status" >&2
    exit 1
fi
echo "package: ok"
