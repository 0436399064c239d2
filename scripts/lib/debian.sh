# What the scripts share about Debian: the release table (scripts/lib/releases), the archive,
# the version and date, changelog entries, the packages' cache, subordinate ids, hardening,
# keys. Sourced (top: the source folder).
# The CMake project's version; SOURCE_DATE_EPOCH: the last commit's, or a source tarball's.
release_version() { sed -n 's/^project(tarnwik VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt"; }
release_date() {
    [ -e "$top/.git" ] || { cat "$top/SOURCE_DATE_EPOCH"; return; }
    command -v git >/dev/null 2>&1 ||
        { echo "$(basename "$0"): a git checkout's date needs git: run 'scripts/lib/install-deps package'" >&2; exit 1; }
    git -C "$top" log -1 --format=%ct
}
# Dated some seconds after the entry below it: the same source gives the same entry.
changelog_entry() { # changelog version distribution seconds-later text
    printf 'tarnwik (%s) %s; urgency=medium\n\n  * %s\n\n -- %s  %s\n\n' "$2" "$3" "$5" \
        "$(dpkg-parsechangelog -l "$1" -S Maintainer)" \
        "$(LC_ALL=C date -u -R -d "@$(($(dpkg-parsechangelog -l "$1" -S Timestamp) + $4))")" | cat - "$1" >"$1.new"
    mv "$1.new" "$1"
}
# The table's rows, without comments: suite codename suffix dist archs roles lintian apt.
release_rows() { sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$top/scripts/lib/releases"; }
releases() { # role
    release_rows | awk -v role="$1" '{
        n = split($6, roles, ",")
        for (i = 1; i <= n; i++) { sub(/=.*/, "", roles[i]); if (roles[i] == role) print $1 }
    }'
}
# A field of a suite's row ("-" reads as nothing; lists come space-separated), or a role's value.
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
# The table lists them oldest first.
release_newest() { releases packages | tail -n 1; }
# Its codename's row, or else (a release the table lacks, Ubuntu) the newest.
release_of_this_machine() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    release_rows | awk -v codename="$codename" '$2 == codename { print $1 }' | grep . || release_newest
}
debian_mirror() {
    mirror=${DEBIAN_MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Label: Debian' \
        'Identifier: Packages' 2>/dev/null | sort -u | head -n 1)}
    [ -n "$mirror" ] || { echo "$(basename "$0"): apt has no Debian archive (run 'apt-get update' first?)" >&2; exit 1; }
    echo "$mirror"
}
# The packages sbuild built, per .dsc and architecture, shared by every checkout.
debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwik/debian
# User namespaces need a subordinate id range, which root lacks on a stock Debian: adds one past
# the others (root's first, as newuidmap needs), one at a time.
debian_subids() { # [user]
    user=${1:-$(id -un)}
    for file in /etc/subuid /etc/subgid; do
        grep -q "^$user:" "$file" 2>/dev/null || debian_subid "$user" "$file" 9>/run/lock/tarnwik-subids
    done
}
debian_subid() { # user file
    flock 9
    ! grep -q "^$1:" "$2" 2>/dev/null || return 0
    [ "$(id -u)" -eq 0 ] || { echo "$(basename "$0"): $1 needs a range in $2 (sbuild and autopkgtest)" >&2; exit 1; }
    start=$(cat "$2" 2>/dev/null |
        awk -F: 'BEGIN { end = 1000000000 } $2 + $3 > end { end = $2 + $3 } END { print end }')
    echo "$(basename "$0"): changing the machine: adding $1:$start:65536 to $2, for sbuild and autopkgtest" >&2
    { [ "$1" != root ] || echo "$1:$start:65536"; cat "$2" 2>/dev/null || true
        [ "$1" = root ] || echo "$1:$start:65536"; } >"$2.new"
    mv "$2.new" "$2"
}
# As Debian's packages are, but for CET, branch protection and fortify (packaging/README.md).
debian_hardened() { # program
    hardening-check --quiet --nocfprotection --nofortify $(hardening-check --help | grep -o -- --nobranchprotection) "$1"
}
# A new Ed25519 key for a day, in the caller's new GNUPGHOME; prints its fingerprint.
throwaway_key() { # "Name <address>"
    mkdir -m 700 "$GNUPGHOME"
    gpg --batch --quiet --passphrase '' --quick-gen-key "$1" ed25519 sign 1d 2>/dev/null
    gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" {print $10; exit}'
}
