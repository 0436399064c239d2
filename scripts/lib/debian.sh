# What the scripts share about Debian: the version and its date, changelog entries, the release table
# (scripts/lib/releases), the archive, the packages' cache, subordinate ids, hardening, keys. Sourced (top:
# the source folder).
# The version is in CMakeLists.txt and debian/changelog (make new-version changes both): where the two
# disagree, nothing is built.
release_version() {
    cmake=$(sed -n 's/^project(tarnwik VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
    changelog=$(sed -n '1s/^tarnwik (\(.*\)-[^-]*).*/\1/p' "$top/debian/changelog")
    [ "$cmake" = "$changelog" ] || { echo "$(basename "$0"): CMakeLists.txt says version $cmake, debian/changelog" \
        "$changelog: they must agree ('make new-version VERSION=<version>' sets both)" >&2; exit 1; }
    echo "$cmake"
}
# SOURCE_DATE_EPOCH: the last commit's, or a source tarball's.
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
release_rows() { sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$top/scripts/lib/releases"; }
release_columns="codename suffix changelog packages fresh portable apt-test apt-options unknown-lintian-tags"
# A column of a release's row: "-" reads as nothing, lists come space-separated.
release_field() { # codename column
    release_rows | awk -v codename="$1" -v column="$2" -v columns="$release_columns" '$1 == codename {
        n = split(columns, names, " "); for (i = 1; i <= n; i++) if (names[i] == column) value = $i
        if (value != "-") { gsub(",", " ", value); print value } }'
}
# The releases with something in a column.
releases() { # column
    release_rows | awk -v column="$1" -v columns="$release_columns" '{
        n = split(columns, names, " "); for (i = 1; i <= n; i++) if (names[i] == column && $i != "-") print $1 }'
}
# Every package a release carries, as codename:arch.
release_builds() {
    for codename in $(releases packages); do
        for arch in $(release_field "$codename" packages); do echo "$codename:$arch"; done
    done
}
release_newest() { releases packages | tail -n 1; }
# Its codename's row, or else (a release the table lacks, Ubuntu) the newest.
release_of_this_machine() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    releases packages | grep -x "$codename" || release_newest
}
debian_mirror() {
    mirror=${DEBIAN_MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Label: Debian' \
        'Identifier: Packages' 2>/dev/null | sort -u | head -n 1)}
    [ -n "$mirror" ] || { echo "$(basename "$0"): apt has no Debian archive (run 'apt-get update' first?)" >&2; exit 1; }
    echo "$mirror"
}
# The packages sbuild built, per .dsc and architecture, shared by every checkout.
debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwik/debian
# sbuild's and autopkgtest's user namespaces, and the portable build's as another user than root, map a
# subordinate id range of the user's, which root lacks on a stock Debian: adds one past the others.
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
    echo "$1:$start:65536" >>"$2"
}
# As Debian's packages are, but for CET, branch protection and fortify (packaging/README.md).
debian_hardened() { # program
    hardening-check --quiet --nocfprotection --nofortify $(hardening-check --help | grep -o -- --nobranchprotection) "$1"
}
# A new Ed25519 key in the caller's new GNUPGHOME, which goes with it; prints its fingerprint.
throwaway_key() { # "Name <address>"
    mkdir -m 700 "$GNUPGHOME"
    gpg --batch --quiet --passphrase '' --quick-gen-key "$1" ed25519 sign never 2>/dev/null
    gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" {print $10; exit}'
}
