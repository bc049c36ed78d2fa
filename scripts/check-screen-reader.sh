#!/usr/bin/env bash
# Checks the program with a real screen reader: Orca on a private Xvfb, D-Bus session and AT-SPI
# bus. It types 2, 3, 8 / 1, 1, 3x and Alt+A, then a parallel system and Alt+A, and reads what
# Orca spoke from its debug log: the results after Alt+A with the box not read as typed after
# them, the failure message, and each box's name each time it takes the focus. Installs nothing (install-deps.sh's test role has Orca).
# Usage: scripts/check-screen-reader.sh <tarnyx program>
set -euo pipefail
program=$(realpath "$1")

# Orca refuses to start beside another Orca of the same user, and with --replace kills them all,
# the user's own screen reader included. So the check runs in a PID namespace of its own, with
# its own /proc: the only Orca it can see is the one it starts, and whatever it started ends
# with it. In that namespace this script is process 1. Without root, a user namespace makes the
# PID namespace possible. It never runs without one: in a Debian root (scripts/debian-root.sh,
# which sets TARNYX_IN_ROOT) it has no power to make one and needs none, the root's own PID
# namespace being one, whose processes end with the root.
if [ $$ -ne 1 ] && [ -z "${TARNYX_IN_ROOT:-}" ]; then
    isolate=(unshare --pid --fork --mount-proc)
    [ "$(id -u)" -eq 0 ] || isolate=(unshare --user --map-root-user --pid --fork --mount-proc)
    exec "${isolate[@]}" bash "$0" "$program"
fi
source "$(dirname "$0")/processes.sh"

work=$(mktemp -d)
chmod 0700 "$work"
trap 'end_tracked; rm -rf "$work"' EXIT
log=$work/orca.log
fail() {
    echo "screen reader: $*" >&2
    grep 'SPEECH OUTPUT' "$log" | sed 's/^/  /' >&2 || true
    tail -n 5 "$log" "$work/orca.out" >&2 || true
    exit 1
}
# What Orca spoke, an utterance a line. Orca 43 writes "SPEECH OUTPUT: 'text'{…", Orca 48
# "SPEECH OUTPUT: 'text' {…".
spoken() { grep -F 'SPEECH OUTPUT' "$log" 2>/dev/null | sed "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/" || true; }

# A display, a session bus and the accessibility bus of our own; Orca's settings in a scratch HOME.
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
track "$!"
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>/dev/null &
track "$!"
wait_for 10 test -s "$work/bus" || fail "no D-Bus session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
track "$!"
# The accessibility bus, then Orca, ready once it listens there for focus changes.
a11y_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' '
}
wait_for 30 a11y_bus >/dev/null || fail "no accessibility bus"
orca --debug-file="$log" >"$work/orca.out" 2>&1 &
track "$!"
orca_listens() {
    dbus-send --bus="$(a11y_bus)" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null |
        grep -q '"Object:StateChanged:'
}
wait_for 60 orca_listens || fail "Orca did not start listening"
# Orca writes its log through a buffer: keys that it echoes ("left shift") push the rest out.
pushed() { # an extended pattern of what Orca must have spoken
    spoken | grep -qE -- "$1" && return 0
    xdotool key shift
    sleep 0.4
    return 1
}

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
track "$!"
window=$(timeout 30 xdotool search --sync --name '^TARNYX EQUATIONS$' | head -1) ||
    fail "no window titled TARNYX EQUATIONS appeared"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
wait_for 30 focused || fail "the window did not take the focus"
# Orca has heard of the window once it has presented it (Orca 48 says the frame, Orca 43 the
# focused box).
wait_for 30 pushed 'TARNYX EQUATIONS frame|a1, coefficient of X in equation 1' ||
    fail "Orca did not present the window"

keys() { xdotool key --delay 400 "$@"; }
# 2X + 3Y = 8, X + Y = 3, with c2 typed "3x", which is read as 3; Alt+A; Tab on through
# Calculate, the results and Exit to the first box.
keys 2 Tab 3 Tab 8 Tab 1 Tab 1 Tab 3 x alt+a
wait_for 30 pushed 'Y = 2, X = 1' || fail "the results were not spoken after Alt+A"
keys Tab Tab Tab Tab Tab
# X + Y = 1, 2X + 2Y = 3 (Tab selects a box's text, so typing replaces it); Alt+A; OK.
keys 1 Tab 1 Tab 1 Tab 2 Tab 2 Tab 3 alt+a
message_box() { [ "$(xdotool search --name '^TARNYX EQUATIONS$' | wc -l)" -ge 2 ]; }
wait_for 30 message_box || fail "no message box after the second Alt+A"
wait_for 30 pushed 'No solution: the two equations contradict each other' ||
    fail "the failure message was not spoken"
keys Return

# The results after Alt+A, then the box not read as typed, the failure read from its message box.
# With Qt 6.8 or later the window announces them, and Orca says them as they are; with older Qt a
# notification object shows them, which Orca 43 says in one utterance ("notification Y = 2, …")
# and Orca 48 in two ("notification", then "Y = 2, …"). Any of these is what a user hears.
spoken | grep -qxE '(notification )?Y = 2, X = 1; c2 \(right-hand side of equation 2\) read as 3\.?' ||
    fail "the results and the misread c2 were not spoken after Alt+A"
spoken | grep -q 'No solution: the two equations contradict each other\.' ||
    fail "the failure message was not spoken"
# Each box's name, once each time Tab gave it the focus: the coefficient boxes twice, the results
# once. The first box has the focus when the window appears too: Orca says its name then, or
# only the window's frame, as the events reach it (Orca 48 most often the frame alone).
for name in "a1, coefficient of X in equation 1" "b1, coefficient of Y in equation 1" \
    "c1, right-hand side of equation 1" "a2, coefficient of X in equation 2" \
    "b2, coefficient of Y in equation 2" "c2, right-hand side of equation 2" \
    "Y result" "X result"; do
    expected=2
    [[ $name == *result ]] && expected=1
    count=$(spoken | grep -cx "$name text\.") || true
    [[ $name == a1,* && $count -eq 1 ]] && count=2
    [ "$count" -eq "$expected" ] || fail "'$name' spoken $count times, not $expected"
done
echo "screen reader: ok; what Orca said of the results and the failure:"
spoken | grep -E '^notification|^Y = 2|No solution|frame|Y result|X result|selected' | sed 's/^/  /'
