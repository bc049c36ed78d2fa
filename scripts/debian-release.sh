# Sourced by the scripts that depend on the Debian release they run on: sets debian_release to
# its number (12, 13), or stops the calling script, saying why, on a Debian without one (testing
# and sid have no VERSION_ID) or on another system.
debian_release=$(. /etc/os-release 2>/dev/null && [ "${ID:-}" = debian ] && echo "${VERSION_ID:-}")
debian_release=${debian_release%%.*}
if ! [[ $debian_release =~ ^[0-9]+$ ]]; then
    echo "$(basename "$0"): this is no numbered Debian release (testing and sid have no" \
        "VERSION_ID in /etc/os-release): use Debian 12 or 13" >&2
    exit 1
fi
