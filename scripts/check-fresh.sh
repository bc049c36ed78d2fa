#!/usr/bin/env bash
# Proves the README's two commands, and the released package, on a machine that has never built
# the project. For each part a minimal Debian root of the chosen release is made with mmdebstrap
# from this machine's apt sources (renamed to that release) and settings; git and a clone of HEAD
# are put in it, and the part runs there as root with an empty environment but for PATH and HOME:
#   run      the run command as the README writes it installs and builds; the program then
#            starts (offscreen) and keeps running for a few seconds; started again without any
#            display it says so and exits 1; and no package that only the test, Windows or cross
#            roles name was asked for. With --then, a further command runs in the same root
#            afterwards (the run part has proved its role alone by then).
#   test     the test command as the README writes it passes.
#   package  the .deb given with --deb is installed with apt; the installed program starts
#            (offscreen) and keeps running, and without a display says so and exits 1.
# Each part runs in a mount and PID namespace of its own, so nothing started in the root
# (package scripts, test servers) outlives it, and it cannot change the machine: /sys is a
# read-only sysfs of its own, /proc/sys is read-only, /dev holds only the harmless devices
# (null, zero, full, random, urandom, tty and a private pts), and making device nodes is not
# allowed. Each root is removed after its part. With --one-root the parts run in turn in one
# root (run, then test: the run role proves itself alone first, and the test role, which names
# every package of the run role, then installs the rest as on a new machine). Needs root and the
# fresh role.
# Usage: scripts/check-fresh.sh [--release 12|13|CODENAME] [--deb FILE] [--then COMMAND]
#                               [--one-root] part...
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
fail() {
    echo "check-fresh: $*" >&2
    exit 1
}

source scripts/debian-root.sh
suite=$host_suite
deb=""
then_command=""
one_root=false
parts=()
while [ $# -gt 0 ]; do
    case $1 in
    --release)
        suite=$(suite_of "$2")
        shift 2
        ;;
    --deb)
        deb=$(realpath "$2")
        shift 2
        ;;
    --then)
        then_command=$2
        shift 2
        ;;
    --one-root)
        one_root=true
        shift
        ;;
    run | test | package)
        parts+=("$1")
        shift
        ;;
    *) fail "unknown argument '$1' (--release, --deb, --then, --one-root; run, test, package)" ;;
    esac
done
[ ${#parts[@]} -gt 0 ] || parts=(run test)

[ "$(id -u)" -eq 0 ] || fail "run it as root: it makes Debian roots"
command -v mmdebstrap >/dev/null || fail "no mmdebstrap: run scripts/install-deps.sh fresh"

# The commands as the README's quick start writes them.
readme_command() { # the start of the row's description
    sed -n "s/^| $1[^|]* | \`\([^\`]*\)\` |\$/\1/p" README.md
}
run_command=$(readme_command "install what is missing, build and start")
test_command=$(readme_command "install what is missing, build and run every test")
[ -n "$run_command" ] && [ -n "$test_command" ] || fail "no run and test commands in README.md"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/tarnyx-fresh.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT

make_fresh_root() { # folder
    local started=$SECONDS
    make_root "$suite" "$1" git
    git clone --quiet --no-hardlinks "$repo" "$1/root/tarnyx"
    echo "check-fresh: a fresh $suite root in $((SECONDS - started)) s"
}

# Shows that the root cannot change the machine: a new file in /sys, and a setting of /proc/sys
# written back as it is, meet a read-only file system (not just a refusal that a writable one
# would give too); no block device is there, and no device node can be made.
closed_check='
    read_only() { # what, command...
        local what=$1 said
        shift
        said=$("$@" 2>&1) && { echo "wrote to $what" >&2; exit 1; }
        case $said in *"Read-only file system"*) ;; *) echo "$what: $said" >&2; exit 1 ;; esac
    }
    read_only /sys touch /sys/tarnyx-probe
    read_only /proc/sys sh -c "cat /proc/sys/kernel/domainname >/proc/sys/kernel/domainname"
    [ -z "$(find /dev -type b)" ] || { echo "block devices in /dev" >&2; exit 1; }
    ! mknod /tmp/tarnyx-probe b 1 0 2>/dev/null || { echo "made a device node" >&2; exit 1; }
    echo "check-fresh: /sys and /proc/sys are read-only, no device can be reached or made"
'

# Packages that only the test, Windows and cross roles name: the run role must install none.
test_only=$(comm -23 <(bash scripts/install-deps.sh --list test windows cross) \
    <(bash scripts/install-deps.sh --list run))

# Starts a program command offscreen; it must keep running 5 s. Then without any display it
# must print the one-line message and exit 1.
starts_check() { # program path, command that becomes it
    echo "
        program=$1
        QT_QPA_PLATFORM=offscreen $2 &
        pid=\$!
        until [ \"\$(readlink /proc/\$pid/exe)\" = \"\$program\" ]; do
            kill -0 \$pid 2>/dev/null || { wait \$pid || true; echo 'ended before the program started' >&2; exit 1; }
            sleep 0.5
        done
        echo \"check-fresh: the program started \$SECONDS s after its command\"
        sleep 5
        kill -0 \$pid 2>/dev/null || { echo 'the program did not keep running' >&2; exit 1; }
        kill \$pid
        wait \$pid || true
        echo 'check-fresh: the program kept running for 5 s'

        status=0
        said=\$($2 2>&1) || status=\$?
        message=\$(printf '%s\n' \"\$said\" | tail -1)
        [ \$status -eq 1 ] && [ \"\$message\" = 'tarnyx: no display: start it from a graphical desktop session' ] ||
            { printf '%s\n' \"\$said\" >&2; echo \"without a display: status \$status\" >&2; exit 1; }
        echo \"check-fresh: without a display: status 1, '\$message'\"
    "
}

root=""
part_root() { # part: makes its root (or, with --one-root, the first part's) and starts its clock
    if ! $one_root || [ -z "$root" ]; then
        root=$work/$1
        make_fresh_root "$root"
    fi
    part_started=$SECONDS
}
part_done() { # part
    echo "check-fresh: $suite $1 part passed in $((SECONDS - part_started)) s"
    $one_root || rm -rf --one-file-system "$root"
}

run_part() {
    part_root run
    in_root "$root" /root/tarnyx "" "$closed_check
        $(starts_check "\$PWD/build/run/app/tarnyx" "$run_command")
        # What was asked for (not pulled in by what was asked for) must hold no test tool.
        asked=\$(apt-mark showmanual | sed 's/:.*//' | sort -u)
        extra=\$(comm -12 <(printf '%s\n' \"\$asked\") <(printf '%s\n' '$test_only'))
        [ -z \"\$extra\" ] || { echo \"the run role installed test tools: \$extra\" >&2; exit 1; }
        echo \"check-fresh: \$(dpkg-query -W | wc -l) packages in the root, no test tool asked for\"
    "
    if [ -n "$then_command" ]; then
        echo "check-fresh: then, in the same $suite root: $then_command"
        in_root "$root" /root/tarnyx "" "$then_command"
    fi
    part_done run
}

test_part() {
    part_root test
    in_root "$root" /root/tarnyx "" "$closed_check
        $test_command"
    part_done test
}

package_part() {
    [ -n "$deb" ] && [ -f "$deb" ] || fail "the package part needs --deb FILE"
    part_root package
    cp "$deb" "$root/tmp/"
    in_root "$root" /root/tarnyx "" "$closed_check
        apt-get update -q >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            /tmp/$(basename "$deb") >/dev/null
        echo \"check-fresh: installed $(basename "$deb") with apt, \$(dpkg-query -W | wc -l) packages in the root\"
        $(starts_check /usr/bin/tarnyx tarnyx)
    "
    part_done package
}

for part in "${parts[@]}"; do
    "${part}_part"
done
echo "check-fresh: ok ($suite: ${parts[*]})"
