#!/usr/bin/env bash
# Proves the README's two commands on a machine that has never built the project. For each, a
# minimal Debian root of this machine's release is made with mmdebstrap, from this machine's own
# apt sources and settings; git and a clone of HEAD are put in it, and the command, as the
# README writes it, runs there as root with an empty environment but for PATH and HOME:
#   run   installs and builds; the program then starts (offscreen) and keeps running for a few
#         seconds; started again without any display it says so and exits 1; and no package
#         that only the test, Windows or cross roles name was installed other than as a
#         dependency of the run role's own.
#   test  passes.
# Each command runs in a mount and PID namespace of its own, so nothing started in the root
# (package scripts, test servers) outlives it; each root is removed after its part. Needs root
# and the fresh role (scripts/install-deps.sh fresh).
# Usage: scripts/check-fresh.sh [run] [test]   (both by default)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(run test)

fail() {
    echo "check-fresh: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "run it as root: it makes Debian roots"
command -v mmdebstrap >/dev/null || fail "no mmdebstrap: run scripts/install-deps.sh fresh"
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

# The commands as the README's quick start writes them.
readme_command() { # the start of the row's description
    sed -n "s/^| $1[^|]* | \`\([^\`]*\)\` |\$/\1/p" README.md
}
run_command=$(readme_command "install what is missing, build and start")
test_command=$(readme_command "install what is missing, build and run every test")
[ -n "$run_command" ] && [ -n "$test_command" ] || fail "no run and test commands in README.md"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/tarnyx-fresh.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT

# This machine's apt entries for its own release, and the apt settings that no package installed
# (the ones that say how this machine reaches the archive).
debian_sources() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && grep -E "^deb .* $suite(-[a-z]+)?( |\$)" "$f" || true
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && awk -v RS= -v ORS='\n\n' -v suite="$suite" \
            '$0 ~ ("(^|\n)Suites:[^\n]*" suite)' "$f" || true
    done
}
apt_settings=()
for f in /etc/apt/apt.conf.d/*; do
    dpkg -S "$f" >/dev/null 2>&1 || apt_settings+=(--aptopt="$f")
done
debian_sources >"$work/sources"
[ -s "$work/sources" ] || fail "no apt source of $suite on this machine"

make_root() { # folder
    local started=$SECONDS
    mmdebstrap --quiet --variant=apt --include=git "${apt_settings[@]}" "$suite" "$1" \
        "$work/sources"
    git clone --quiet --no-hardlinks "$repo" "$1/root/tarnyx"
    cp -L /etc/resolv.conf "$1/etc/resolv.conf"
    echo "check-fresh: a fresh $suite root in $((SECONDS - started)) s"
}

# Runs a bash script in the root as root, with PATH and HOME alone, in a mount and PID namespace
# of its own: when it ends, everything it started ends too, and its mounts go with it. The root
# is bound onto itself (with the /proc just mounted in it) so that its / is a mount point, as on a real machine (unshare, which the
# screen reader check uses, needs one).
in_root() { # folder script
    unshare --mount --pid --fork --mount-proc="$1/proc" bash -c '
        mount --rbind "$1" "$1" && mount --rbind /dev "$1/dev" && mount --rbind /sys "$1/sys" &&
            exec chroot "$1" /usr/bin/env -i HOME=/root \
                PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
                bash -euo pipefail -c "cd /root/tarnyx; $2"' _ "$1" "$2"
}

# Packages that only the test, Windows and cross roles name: the run role must install none.
test_only=$(comm -23 <(bash scripts/install-deps.sh --list test windows cross) \
    <(bash scripts/install-deps.sh --list run))

run_part() {
    local root=$work/run started
    make_root "$root"
    started=$SECONDS
    in_root "$root" "
        program=\$PWD/build/run/app/tarnyx
        QT_QPA_PLATFORM=offscreen $run_command &
        pid=\$!
        # The run command ends by becoming the program.
        until [ \"\$(readlink /proc/\$pid/exe)\" = \"\$program\" ]; do
            kill -0 \$pid 2>/dev/null || { wait \$pid || true; echo 'the run command ended before the program started' >&2; exit 1; }
            sleep 0.5
        done
        echo \"check-fresh: the program started \$SECONDS s after the run command\"
        sleep 5
        kill -0 \$pid 2>/dev/null || { echo 'the program did not keep running' >&2; exit 1; }
        kill \$pid
        wait \$pid || true
        echo 'check-fresh: the program kept running for 5 s'

        status=0
        said=\$($run_command 2>&1) || status=\$?
        message=\$(printf '%s\n' \"\$said\" | tail -1)
        [ \$status -eq 1 ] && [ \"\$message\" = 'tarnyx: no display: start it from a graphical desktop session' ] ||
            { printf '%s\n' \"\$said\" >&2; echo \"without a display: status \$status\" >&2; exit 1; }
        echo \"check-fresh: without a display: status 1, '\$message'\"

        # What was asked for (not pulled in by what was asked for) must hold no test tool.
        asked=\$(apt-mark showmanual | sed 's/:.*//' | sort -u)
        extra=\$(comm -12 <(printf '%s\n' \"\$asked\") <(printf '%s\n' '$test_only'))
        [ -z \"\$extra\" ] || { echo \"the run role installed test tools: \$extra\" >&2; exit 1; }
        echo \"check-fresh: \$(dpkg-query -W | wc -l) packages in the root, no test tool asked for\"
    "
    echo "check-fresh: run part passed in $((SECONDS - started)) s"
    rm -rf --one-file-system "$root"
}

test_part() {
    local root=$work/test started
    make_root "$root"
    started=$SECONDS
    in_root "$root" "$test_command"
    echo "check-fresh: test part passed in $((SECONDS - started)) s"
    rm -rf --one-file-system "$root"
}

for part in "${parts[@]}"; do
    case $part in
    run) run_part ;;
    test) test_part ;;
    *) fail "unknown part '$part' (run, test)" ;;
    esac
done
echo "check-fresh: ok (${parts[*]})"
