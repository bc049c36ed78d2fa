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
# given alone, in a mount and PID namespace of its own: when it ends, everything it started ends
# too, and its mounts go with it. Each folder in BINDS (colon-separated) is bound into the root
# at the same path. The root is bound onto itself so that its / is a mount point, as on a real
# machine (unshare, which the screen reader check uses, needs one). The screen reader check also
# needs root's power to make a PID namespace, which a user namespace (mmdebstrap's unshare mode)
# cannot give inside a chroot; so the root runs as real root, with the machine's writable parts
# closed instead: /sys is a read-only sysfs of its own, /proc/sys is read-only, /dev holds only
# the harmless devices (null, zero, full, random, urandom, tty and a private pts), and making
# device nodes is not allowed.
in_root() { # root workdir binds script [NAME=VALUE...]
    local root=$1 workdir=$2 binds=$3 script=$4
    shift 4
    unshare --mount --pid --fork --mount-proc="$root/proc" bash -euo pipefail -c '
        root=$1 workdir=$2 binds=$3 script=$4
        shift 4
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
        exec setpriv --bounding-set -mknod,-sys_rawio,-sys_module,-sys_boot,-sys_time \
            chroot "$root" /usr/bin/env -i HOME=/root \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" \
            bash -euo pipefail -c "cd \"$workdir\"; $script"' _ "$root" "$workdir" "$binds" "$script" "$@"
}
