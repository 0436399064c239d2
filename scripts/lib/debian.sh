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
