# The Debian releases the source package is built for, and what differs
# between them: each gets a version of its own that names it and sorts below
# the next release's (1.0.0-1~deb12u1 < 1.0.0-1~deb13u1 < 1.0.0-1), so that
# upgrading the system upgrades the game.
#   . scripts/lib/debian.sh

DEBIAN_TARGETS="bookworm trixie testing"

# The version suffix a release's build carries.
debian_suffix() { # release
    case "$1" in
        bookworm) echo "~deb12u1" ;;
        trixie) echo "~deb13u1" ;;
        *) echo "" ;;
    esac
}

# The release this machine runs, as a target: Debian 12 and 13 by name, and
# anything newer (Debian testing and unstable, Ubuntu) as testing.
debian_host_target() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    case "$codename" in
        bookworm | trixie) echo "$codename" ;;
        *) echo testing ;;
    esac
}

# The packages a release carries: each release's build for amd64, with the
# tests run inside it, and the arm64 cross builds that Raspberry Pi OS takes.
DEBIAN_BUILDS="bookworm:amd64 trixie:amd64 testing:amd64 bookworm:arm64 trixie:arm64"

# The packages sbuild built, one folder per source package (.dsc) and
# architecture, shared by every checkout: a release takes the packages that
# make test-debian built and tested instead of building them again.
debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwik/debian

# sbuild and autopkgtest make their clean systems in user namespaces, which
# take a range of subordinate ids for the calling user; root has none on a
# stock Debian. Adds one where it is missing (root's listed first, as
# newuidmap needs it), past every range already given, and says so.
debian_subids() { # [user]
    user=${1:-$(id -un)}
    for file in /etc/subuid /etc/subgid; do
        grep -q "^$user:" "$file" 2>/dev/null && continue
        [ "$(id -u)" -eq 0 ] ||
            { echo "$(basename "$0"): $user needs a range in $file (sbuild and autopkgtest)" >&2; exit 1; }
        start=$(cat "$file" 2>/dev/null |
            awk -F: 'BEGIN { end = 1000000000 } $2 + $3 > end { end = $2 + $3 } END { print end }')
        echo "$(basename "$0"): adding $user:$start:65536 to $file, for sbuild and autopkgtest" >&2
        if [ "$user" = root ]; then
            { echo "$user:$start:65536"; cat "$file" 2>/dev/null || true; } >"$file.new"
        else
            { cat "$file" 2>/dev/null || true; echo "$user:$start:65536"; } >"$file.new"
        fi
        mv "$file.new" "$file"
    done
}
