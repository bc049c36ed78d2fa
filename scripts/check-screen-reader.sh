#!/usr/bin/env bash
# Checks the program with a real screen reader: Orca on a private Xvfb, D-Bus session and AT-SPI
# bus. It types 2, 3, 8 / 1, 1, 3 and Alt+A, then a parallel system and Alt+A, and reads what Orca
# spoke from its debug log: the results after Alt+A, the failure message, and each box's name
# each time it takes the focus. Installs nothing (install-deps.sh's test role has Orca).
# Usage: scripts/check-screen-reader.sh <tarnyx program>
set -euo pipefail
program=$(realpath "$1")

# Orca refuses to start beside another Orca of the same user, and with --replace kills them all,
# the user's own screen reader included. So the check runs in a PID namespace of its own, with
# its own /proc: the only Orca it can see is the one it starts, and whatever it started ends
# with it. In that namespace this script is process 1. Without root, a user namespace makes the
# PID namespace possible. It never runs without one.
if [ $$ -ne 1 ]; then
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
    exit 1
}
# What Orca spoke, an utterance a line. Orca 43 writes "SPEECH OUTPUT: 'text'{…", Orca 48
# "SPEECH OUTPUT: 'text' {…".
spoken() { grep -F 'SPEECH OUTPUT' "$log" 2>/dev/null | sed "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/" || true; }
wait_for() { # seconds command...: polls until the command succeeds
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

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
sleep 1
orca --debug-file="$log" >"$work/orca.out" 2>&1 &
track "$!"
sleep 3

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
track "$!"
window=$(timeout 20 xdotool search --sync --name '^TARNYX EQUATIONS$' | head -1) ||
    fail "no window titled TARNYX EQUATIONS appeared"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 2

keys() { for key in "$@"; do xdotool key "$key" && sleep 0.4; done; }
# 2X + 3Y = 8, X + Y = 3; Alt+A; Tab on through Calculate, the results and Exit to the first box.
keys 2 Tab 3 Tab 8 Tab 1 Tab 1 Tab 3 alt+a
sleep 1.5
keys Tab Tab Tab Tab Tab
# X + Y = 1, 2X + 2Y = 3 (Tab selects a box's text, so typing replaces it); Alt+A; OK.
keys 1 Tab 1 Tab 1 Tab 2 Tab 2 Tab 3 alt+a
sleep 2
keys Return
# Orca writes its log through a buffer: keys it echoes ("left shift") push the rest out.
flushed() { spoken | grep -q 'No solution: the two equations contradict each other'; }
for _ in $(seq 20); do
    flushed && break
    keys shift
done

# The results after Alt+A, the failure read from its message box. Orca 43 says the notification
# in one utterance ("notification Y = 2, X = 1."), Orca 48 in two ("notification", then
# "Y = 2, X = 1"); either is what a user hears.
results=$(spoken | grep -B1 -xE '(notification )?Y = 2, X = 1\.?' | paste -sd ' ' -) || true
[[ $results == *"notification Y = 2, X = 1"* ]] || fail "the results were not spoken after Alt+A"
spoken | grep -q 'No solution: the two equations contradict each other\.' ||
    fail "the failure message was not spoken"
# Each box's name, once each time it took the focus: the coefficient boxes twice, the results
# once.
for name in "a1, coefficient of X in equation 1" "b1, coefficient of Y in equation 1" \
    "c1, right-hand side of equation 1" "a2, coefficient of X in equation 2" \
    "b2, coefficient of Y in equation 2" "c2, right-hand side of equation 2" \
    "Y result" "X result"; do
    expected=2
    [[ $name == *result ]] && expected=1
    count=$(spoken | grep -cx "$name text\.") || true
    [ "$count" -eq "$expected" ] || fail "'$name' spoken $count times, not $expected"
done
echo "screen reader: ok; what Orca said of the results and the failure:"
spoken | grep -E '^notification|^Y = 2|No solution|Y result|X result|selected' | sed 's/^/  /'
