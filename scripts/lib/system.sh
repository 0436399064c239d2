# Minimal Debian systems made one way (mmdebstrap, cached as tarballs), for sbuild,
# autopkgtest and the checks that enter one. Sourced (top: the source folder).
. "$top/scripts/lib/debian.sh"
system_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwik/fresh
SYSTEM_ROOT="" system_mounts=""
system_leave() {
    [ -n "$SYSTEM_ROOT" ] || return 0
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$SYSTEM_ROOT" ] && kill -9 "${proc#/proc/}" 2>/dev/null
    done
    for m in $system_mounts; do
        umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || echo "cannot unmount $m" >&2
    done
    system_mounts="" SYSTEM_ROOT=""
}
trap 'system_leave' EXIT
trap 'exit 130' INT TERM
system_emulate() { # arch
    "$top/scripts/lib/install-deps" emulate
    mountpoint -q /proc/sys/fs/binfmt_misc || { mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc &&
        echo "$(basename "$0"): changing the machine: mounted binfmt_misc, for qemu-user" >&2; }
    update-binfmts --enable >/dev/null 2>&1 || true
    arch-test "$1" >/dev/null ||
        { echo "$(basename "$0"): this machine cannot run $1 programs (binfmt_misc and qemu-user)" >&2; exit 1; }
}
# The cached tarball of RELEASE's system for ARCH (made if missing; a second run waits) with
# PACKAGES (a,b), then COMMAND; with sudo, as a desktop has, and apt-utils (sbuild's cross solver).
SYSTEM_RECIPE=mmdebstrap-5
system_base() { # release arch work-folder [packages [command]]
    name=$1
    [ "$2" = "$(dpkg --print-architecture)" ] || name="$1-$2"
    [ -z "${4:-}${5:-}" ] || name="$name-with-$(echo "${4:-}${5:+ $5}" | sha256sum | cut -c1-8)"
    base="$system_cache/$name-$SYSTEM_RECIPE.tar"
    mkdir -p "$system_cache" "$3"
    (
        flock 9
        [ ! -f "$base" ] || exit 0
        release=$1 arch=$2 log="$3/$name-mmdebstrap.log" command=${5:-} mirror=$(debian_mirror)
        echo "making a minimal $release $arch system${4:+ with $4} from $mirror" >&2
        set -- --variant=minbase --arch="$arch" --include="sudo,apt-utils${4:+,$4}" --dpkgopt=force-unsafe-io \
            --aptopt='Acquire::Languages "none"' --format=tar
        for option in $(release_field "$release" apt); do set -- "$@" --aptopt="${option%%=*} \"${option#*=}\""; done
        [ -z "$command" ] || set -- "$@" --chrooted-customize-hook="$command"
        mmdebstrap "$@" "$release" "$base.part" "$mirror" >"$log" 2>&1 ||
            { tail -20 "$log" >&2; rm -f "$base.part"; exit 1; }
        mv "$base.part" "$base"
    ) 9>"$system_cache/$name.lock" || exit 1
    echo "$base"
}
system_portable_root() { # work-folder
    system_base "$(releases portable)" amd64 "$1" "$("$top/scripts/lib/install-deps" --print portable-build | tr ' ' ,)"
}
# sbuild's system for ARCH's packages, with what sbuild would install first (but the tests').
system_build_root() { # release arch work-folder
    build_deps="build-essential:native, fakeroot:native" build_options="-P nocheck" build_setup=""
    if [ "$2" != "$(dpkg --print-architecture)" ]; then
        build_deps="$build_deps, crossbuild-essential-$2:native, libc-dev, libstdc++-dev"
        build_options="-P cross,nocheck -a $2"
        build_setup="dpkg --add-architecture $2 && apt-get update -q && "
    fi
    system_base "$1" "$(dpkg --print-architecture)" "$3" "" "$build_setup DEBIAN_FRONTEND=noninteractive \
        apt-get satisfy -y -q --no-install-recommends $build_options \
        '$build_deps, $("$top/scripts/lib/install-deps" --build-depends)'"
}
system_add_user() { # user
    chroot "$SYSTEM_ROOT" useradd --create-home --shell /bin/sh "$1"
    echo "$1 ALL=(ALL) NOPASSWD: ALL" | install -m 0440 /dev/stdin "$SYSTEM_ROOT/etc/sudoers.d/$1"
}
system_mount() { # type-or-bind source target
    mkdir -p "$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$3"; else mount -t "$1" "$2" "$3"; fi
    system_mounts="$3 $system_mounts"
}
# A new system at ROOT from a base tarball, with a cache for its downloads; it shares this
# machine's network and X sockets.
system_enter() { # base root
    [ "$(id -u)" -eq 0 ] || { echo "$(basename "$0"): entering a system needs root" >&2; exit 1; }
    SYSTEM_ROOT=$2
    # A killed run may have left mounts behind.
    awk -v r="$SYSTEM_ROOT/" 'index($2, r) == 1 {print $2}' /proc/mounts | sort -r | xargs -r -n 1 umount -l
    rm -rf --one-file-system "$SYSTEM_ROOT"
    mkdir -p "$SYSTEM_ROOT"
    tar -C "$SYSTEM_ROOT" -xf "$1"
    cp /etc/resolv.conf "$SYSTEM_ROOT/etc/resolv.conf"
    system_mount proc proc "$SYSTEM_ROOT/proc"
    system_mount sysfs sys "$SYSTEM_ROOT/sys"
    system_mount bind /dev "$SYSTEM_ROOT/dev"
    system_mount devpts devpts "$SYSTEM_ROOT/dev/pts"
    system_mount tmpfs shm "$SYSTEM_ROOT/dev/shm"
    archives="$system_cache/$(basename "$1" .tar)-archives"
    mkdir -p "$archives/partial"
    system_mount bind "$archives" "$SYSTEM_ROOT/var/cache/apt/archives"
}
system_home() { if [ "$1" = root ]; then echo /root; else echo "/home/$1"; fi; }
# Runs a shell command in the system as USER, from home, in a clean environment but DISPLAY.
system_run() { # user command
    chroot --userspec="$1:$1" "$SYSTEM_ROOT" env -i HOME="$(system_home "$1")" USER="$1" \
        LANG=C.UTF-8 PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        ${DISPLAY:+DISPLAY="$DISPLAY"} ${FUZZ_SECONDS:+FUZZ_SECONDS="$FUZZ_SECONDS"} sh -c "cd && $2"
}
# Runs a shell command as root in a new system from a base tarball, unshared as sbuild does,
# with SYSTEM_BINDS ("folder:place ...") mounted and SYSTEM_ENV ("NAME=value ...") set.
system_unshared() { # base command
    debian_subids
    unshared_root=$(mktemp -d "${TMPDIR:-/tmp}/tarnwik-system.XXXXXX") unshared_status=0
    # shellcheck disable=SC2016
    unshare --map-root-user --map-auto --mount --pid --fork --kill-child sh -euc '
        root=$1 base=$2 command=$3 binds=$4 environment=$5
        tar -C "$root" --exclude="./dev/*" -xf "$base"
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount --rbind /sys "$root/sys"
        mount -t tmpfs tmpfs "$root/tmp"
        cp /etc/resolv.conf "$root/etc/resolv.conf"
        for bind in $binds; do mkdir -p "$root${bind#*:}"; mount --bind "${bind%%:*}" "$root${bind#*:}"; done
        exec chroot "$root" env -i HOME=/root LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin $environment sh -euc "$command"
    ' sh "$unshared_root" "$1" "$2" "${SYSTEM_BINDS:-}" "${SYSTEM_ENV:-}" || unshared_status=$?
    unshare --map-root-user --map-auto rm -rf --one-file-system "$unshared_root"
    return $unshared_status
}
