# Sourced by the scripts that work in Debian roots (check-fresh.sh, windows-root.sh): makes a
# minimal root of a Debian release with mmdebstrap from this machine's apt sources (renamed to
# that release) and settings, and runs scripts in it, closed off from the machine. Needs root.

host_suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

suite_of() { # 12, 13 or a codename: prints the codename
    case $1 in
    12) echo bookworm ;;
    13) echo trixie ;;
    *) echo "$1" ;;
    esac
}

# Writes this machine's apt entries for its own release, renamed to SUITE (bookworm-security
# becomes trixie-security, each suite of a line in turn), into FOLDER, and prints the file's path. Both forms may be present;
# the file's name tells apt which one it is.
root_sources() { # suite folder
    local suite=$1 folder=$2 f
    {
        for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$f" ] && grep -E "^deb .* $host_suite(-[a-z]+)?( |\$)" "$f" || true
        done
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && awk -v RS= -v ORS='\n\n' -v suite="$host_suite" \
                '$0 ~ ("(^|\n)Suites:[^\n]*" suite)' "$f" || true
        done
    } | if [ "$suite" = "$host_suite" ]; then cat; else
        sed -E -e ":again" \
            -e "s/(^|[[:space:]])$host_suite(-[a-z]+)?([[:space:]]|\$)/\1$suite\2\3/" -e "t again"
    fi >"$folder/sources"
    [ -s "$folder/sources" ] || { echo "no apt source of $host_suite on this machine" >&2; return 1; }
    if grep -q '^Types:' "$folder/sources"; then
        mv "$folder/sources" "$folder/debian.sources"
        echo "$folder/debian.sources"
    else
        mv "$folder/sources" "$folder/debian.list"
        echo "$folder/debian.list"
    fi
}

# Makes a root of SUITE in FOLDER with the packages named (comma-separated) besides apt. The apt
# settings that no package installed (the ones that say how this machine reaches the archive)
# go along; docker-clean is left out: it only empties apt's caches.
make_root() { # suite folder packages
    local suite=$1 folder=$2 packages=$3 sources f settings=()
    for f in /etc/apt/apt.conf.d/*; do
        [ "$(basename "$f")" = docker-clean ] && continue
        dpkg -S "$f" >/dev/null 2>&1 || settings+=(--aptopt="$f")
    done
    command -v mmdebstrap >/dev/null || { echo "no mmdebstrap: run scripts/install-deps.sh fresh" >&2; return 1; }
    mkdir -p "$folder.apt"
    sources=$(root_sources "$suite" "$folder.apt")
    mmdebstrap --quiet --variant=apt ${packages:+--include="$packages"} "${settings[@]}" \
        "$suite" "$folder" "$sources"
    rm -rf "$folder.apt"
    cp -L /etc/resolv.conf "$folder/etc/resolv.conf"
}

# Runs a bash script in ROOT as root, in WORKDIR, with PATH, HOME and the NAME=VALUE settings
# given alone, in mount, PID, UTS and IPC namespaces of its own: when it ends, everything it
# started ends too, and its mounts go with it; it has its own host name and its own System V IPC,
# and shares the machine's network (apt needs it) and nothing else. Each folder in BINDS
# (colon-separated) is bound into the root at the same path. The root is bound onto itself so
# that its / is a mount point, as on a real machine. The script runs as root, with the machine's
# writable parts closed: /sys is a read-only sysfs of its own, /proc/sys is read-only, /dev holds
# only the harmless devices (null, zero, full, random, urandom, tty and a private pts), and it
# keeps only the capabilities below, in its bounding, permitted, effective and inheritable sets,
# with no ambient ones. TARNYX_IN_ROOT=1 tells the script where it is (the screen reader check
# then uses the root's PID namespace, having no power to make one). Before the script, the root
# proves its closure from the sets the process holds and from its namespaces.
#
# The capabilities a package install and a build need, each as number:name, and why:
#   chown, fowner, fsetid: dpkg gives unpacked files their owners and modes (setuid bits too)
#   dac_override: root writes files it does not own, as dpkg and the build do
#   kill: root signals the processes it started as other users (apt's _apt, Xvfb)
#   setgid, setuid: apt fetches as _apt, and packages' scripts switch users
#   setpcap: setpriv and apt drop capabilities of their own
#   net_bind_service: a package's server may bind a low port while it is set up
#   audit_write: login tools that packages' scripts call write to the audit log
# Everything else is dropped: among them dac_read_search (open_by_handle_at reads any file of
# the machine's filesystem from inside a chroot), sys_admin, sys_chroot, sys_ptrace, net_admin,
# net_raw, mknod, sys_module and sys_rawio.
root_kept_caps="0:chown 1:dac_override 3:fowner 4:fsetid 5:kill 6:setgid 7:setuid 8:setpcap
    10:net_bind_service 29:audit_write"
root_proof='
    kept=0 names=""
    for cap in $1; do
        kept=$((kept | 1 << ${cap%%:*}))
        names+="${names:+, }${cap#*:}"
    done
    for set in CapInh CapPrm CapEff CapBnd CapAmb; do
        held=$((16#$(sed -n "s/^$set:[[:space:]]*//p" /proc/self/status)))
        if ((held & ~kept)) || { [ "$set" = CapAmb ] && ((held)); }; then
            printf "root: %s holds %016x, beyond the kept %016x\n" "$set" "$held" "$kept" >&2
            exit 1
        fi
    done
    read -r machine_uts machine_ipc <<<"$TARNYX_MACHINE_NAMESPACES"
    if [ "$(readlink /proc/self/ns/uts)" = "$machine_uts" ] ||
        [ "$(readlink /proc/self/ns/ipc)" = "$machine_ipc" ]; then
        echo "root: shares the machine'"'"'s UTS or IPC namespace" >&2
        exit 1
    fi
    printf "root: its own mount, PID, UTS and IPC namespaces; it keeps %s (CapEff, CapPrm, CapInh and CapBnd within %016x, CapAmb empty)\n" "$names" "$kept"
    cd "$2"
    exec bash -euo pipefail -c "$3"
'
in_root() { # root workdir binds script [NAME=VALUE...]
    local root=$1 workdir=$2 binds=$3 script=$4
    shift 4
    local machine kept
    machine="$(readlink /proc/self/ns/uts) $(readlink /proc/self/ns/ipc)"
    kept=$(tr -s ' \n' '\n' <<<"$root_kept_caps" | sed -n 's/^[0-9]*:/+/p' | paste -sd,)
    unshare --mount --pid --uts --ipc --fork --mount-proc="$root/proc" bash -euo pipefail -c '
        root=$1 workdir=$2 binds=$3 script=$4 proof=$5 machine=$6 caps=$7 kept=$8
        shift 8
        mount --make-rprivate /
        mount --rbind "$root" "$root"
        IFS=: read -ra folders <<<"$binds"
        for folder in "${folders[@]}"; do
            mkdir -p "$root$folder"
            mount --bind "$folder" "$root$folder"
        done
        mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
        for path in sys sysrq-trigger; do
            [ -e "$root/proc/$path" ] || continue
            mount --bind "$root/proc/$path" "$root/proc/$path"
            mount -o remount,bind,ro "$root/proc/$path"
        done
        mount -t tmpfs -o nosuid,mode=0755 dev "$root/dev"
        for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
            IFS=: read -r name major minor <<<"$node"
            mknod -m 0666 "$root/dev/$name" c "$major" "$minor"
        done
        mkdir "$root/dev/pts" "$root/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
        ln -s pts/ptmx "$root/dev/ptmx"
        mount -t tmpfs -o nosuid,nodev,mode=1777 shm "$root/dev/shm"
        ln -s /proc/self/fd "$root/dev/fd"
        for n in 0:stdin 1:stdout 2:stderr; do ln -s "/proc/self/fd/${n%%:*}" "$root/dev/${n#*:}"; done
        # chroot first (it needs CAP_SYS_CHROOT), then every set is cut to the kept list, for
        # good: for root, exec gives the inheritable set joined with the bounding set.
        exec chroot "$root" /usr/bin/setpriv --bounding-set "-all,$kept" --inh-caps "-all,$kept" \
            --ambient-caps -all /usr/bin/env -i HOME=/root \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            TARNYX_IN_ROOT=1 TARNYX_MACHINE_NAMESPACES="$machine" "$@" \
            bash -euo pipefail -c "$proof" _ "$caps" "$workdir" "$script"' _ "$root" "$workdir" \
        "$binds" "$script" "$root_proof" "$machine" "$root_kept_caps" "$kept" "$@"
}
