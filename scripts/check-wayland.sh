#!/usr/bin/env bash
# Starts the program natively on Wayland, under a headless weston of its own, and passes when
# the program has given the compositor its app id and a picture of its window, and still runs.
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
wait_for 30 test -S "$runtime/tarnyx-check" || fail "weston did not start"

WAYLAND_DISPLAY=tarnyx-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    "$program" >/dev/null 2>"$runtime/protocol.log" &
app=$!
track "$app"
# Shown: the window has its app id and has given the compositor a picture of itself.
shown() {
    kill -0 "$app" 2>/dev/null || fail "the program ended early"
    # (libwayland writes objects as wl_surface@12, or from 1.23 on as wl_surface#12)
    grep -q 'set_app_id("org.example.Tarnyx")' "$runtime/protocol.log" &&
        grep -qE 'wl_surface[@#][0-9]+\.attach\(wl_buffer' "$runtime/protocol.log"
}
wait_for 30 shown || fail "no window with app id org.example.Tarnyx was shown within 30 s"
# And it keeps running once shown.
sleep 1
kill -0 "$app" 2>/dev/null || fail "the program ended after its window was shown"
echo "wayland: ok (running natively, app id org.example.Tarnyx, window shown)"
