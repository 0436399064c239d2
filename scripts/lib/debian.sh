# The Debian releases of the table scripts/lib/releases and what each needs;
# new changelog entries; the cache of the packages sbuild built; the subordinate ids sbuild and
# autopkgtest need. The sourcing script sets top, the source folder.
#   . "$top/scripts/lib/debian.sh"

# Puts a new entry on top of a changelog, by the maintainer of the entry below
# it and some seconds after it (every entry must be newer), so that the same
# source always gives the same entry.
changelog_entry() { # changelog version distribution seconds-later text
    {
        echo "tarnwik ($2) $3; urgency=medium"
        echo
        echo "  * $5"
        echo
        echo " -- $(dpkg-parsechangelog -l "$1" -S Maintainer)  $(LC_ALL=C date -u -R -d \
            "@$(($(dpkg-parsechangelog -l "$1" -S Timestamp) + $4))")"
        echo
        cat "$1"
    } >"$1.new"
    mv "$1.new" "$1"
}

# The table's rows, without comments: suite codename suffix dist archs roles lintian apt.
release_rows() {
    sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$top/scripts/lib/releases"
}

# The suites that have a role (packages, fresh, portable), in the table's order.
releases() { # role
    release_rows | awk -v role="$1" '{
        n = split($6, roles, ",")
        for (i = 1; i <= n; i++) { sub(/=.*/, "", roles[i]); if (roles[i] == role) print $1 }
    }'
}

# One field of a suite's row: codename, suffix, dist, archs, lintian or apt ("-"
# reads as nothing; lists come space-separated), or the value a role takes (fresh).
release_field() { # suite field
    release_rows | awk -v suite="$1" -v field="$2" '$1 == suite {
        split("suite codename suffix dist archs roles lintian apt", names, " ")
        for (i in names) if (names[i] == field) value = $i
        if (value == "") {
            n = split($6, roles, ",")
            for (i = 1; i <= n; i++) if (index(roles[i], field "=") == 1) value = substr(roles[i], length(field) + 2)
        }
        if (value == "-") value = ""
        gsub(",", " ", value)
        print value
    }'
}

# Every package a release carries, as suite:arch.
release_builds() {
    for suite in $(releases packages); do
        for arch in $(release_field "$suite" archs); do echo "$suite:$arch"; done
    done
}

# The newest release with packages (the table lists them oldest first), whose
# version carries no suffix: Debian testing, and unstable's source package.
release_newest() {
    releases packages | tail -n 1
}

# The release this machine runs: its codename's row, or else (Debian unstable,
# Ubuntu) the newest.
release_of_this_machine() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    release_rows | awk -v codename="$codename" '$2 == codename { print $1 }' | grep . || release_newest
}

# The packages sbuild built, one folder per source package (.dsc) and
# architecture, shared by every checkout: a release takes the packages that
# make test-debian built and tested instead of building them again.
debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwik/debian

# sbuild and autopkgtest make their clean systems in user namespaces, which
# take a range of subordinate ids for the calling user; root has none on a
# stock Debian. Adds one where it is missing (root's listed first, as
# newuidmap needs it), past every range already given, and says so; one
# script at a time, as checks run side by side.
debian_subids() { # [user]
    user=${1:-$(id -un)}
    for file in /etc/subuid /etc/subgid; do
        grep -q "^$user:" "$file" 2>/dev/null || debian_subid "$user" "$file" 9>/run/lock/tarnwik-subids
    done
}
debian_subid() { # user file
    flock 9
    ! grep -q "^$1:" "$2" 2>/dev/null || return 0
    [ "$(id -u)" -eq 0 ] ||
        { echo "$(basename "$0"): $1 needs a range in $2 (sbuild and autopkgtest)" >&2; exit 1; }
    start=$(cat "$2" 2>/dev/null |
        awk -F: 'BEGIN { end = 1000000000 } $2 + $3 > end { end = $2 + $3 } END { print end }')
    echo "$(basename "$0"): changing the machine: adding $1:$start:65536 to $2, for sbuild and autopkgtest" >&2
    if [ "$1" = root ]; then
        { echo "$1:$start:65536"; cat "$2" 2>/dev/null || true; } >"$2.new"
    else
        { cat "$2" 2>/dev/null || true; echo "$1:$start:65536"; } >"$2.new"
    fi
    mv "$2.new" "$2"
}
