#!/bin/sh
# Starts the program with an empty environment (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM):
# it must print its one-line message and end with status 1, not abort in Qt.
# Usage: check_no_display.sh [emulator] <tarnyx program>
program=$(command -v "$1") || exit 1
shift
status=0
message=$(env -i "$program" "$@" 2>&1 >/dev/null) || status=$?
expected="tarnyx: no display: start it from a graphical desktop session"
if [ "$status" -ne 1 ] || [ "$message" != "$expected" ]; then
    echo "status $status, message: $message" >&2
    exit 1
fi
echo "no display: status 1, '$message'"
