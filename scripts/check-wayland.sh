#!/usr/bin/env bash
# Starts the program natively on Wayland, under a headless weston of its own, and passes when
# the program is still running after two seconds and has given the compositor its app id.
# Usage: scripts/check-wayland.sh <tarnyx program>
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/processes.sh"

runtime=$(mktemp -d) # a private XDG_RUNTIME_DIR
chmod 0700 "$runtime"
trap 'end_tracked; rm -rf "$runtime"' EXIT
fail() {
    echo "wayland: $*" >&2
    tail -n 20 "$runtime/weston.log" "$runtime/protocol.log" >&2 || true
    exit 1
}

export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --use-pixman --socket=tarnyx-check --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
track "$!"
for _ in $(seq 100); do
    [ -S "$runtime/tarnyx-check" ] && break
    sleep 0.1
done
[ -S "$runtime/tarnyx-check" ] || fail "weston did not start"

WAYLAND_DISPLAY=tarnyx-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    "$program" >/dev/null 2>"$runtime/protocol.log" &
app=$!
track "$app"
sleep 2
kill -0 "$app" 2>/dev/null || fail "the program ended early"
grep -q 'set_app_id("org.example.Tarnyx")' "$runtime/protocol.log" ||
    fail "no set_app_id(\"org.example.Tarnyx\") in the protocol log"
echo "wayland: ok (running natively, app id org.example.Tarnyx)"
