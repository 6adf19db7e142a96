#!/usr/bin/env bash
# Builds Kestrelon and runs its test suite and package test inside a Debian 13 ("trixie") root,
# as on a fresh Debian 13 machine: the same scripts/setup.sh installs what is missing there and
# the same scripts/test.sh runs, building into build-debian13/. Fuzzing, the sanitizers and the
# printing test are left to the host's own run (Debian 12). What this leg proves is that the
# program builds there without a warning, its suite passes and its package installs: it builds
# optimized without debug information, which is quickest.
#
# `test-debian13.sh prepare` only makes the root and installs the packages into it (mostly a
# wait on the network), so that CI can do it while the host builds.
#
# The root is made once with debootstrap and kept in /var/cache/kestrelon/debian13 (set
# KESTRELON_DEBIAN13_ROOT to keep it elsewhere), so only the first run downloads it; the packages
# installed there and its compiler cache are kept with it. Needs root: debootstrap, chroot and
# mounts. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-test}
source_dir=$(pwd)
root=${KESTRELON_DEBIAN13_ROOT:-/var/cache/kestrelon/debian13}
mirror=${KESTRELON_DEBIAN_MIRROR:-http://deb.debian.org/debian}

if [ "$(id -u)" -ne 0 ]; then
    echo "test-debian13: needs root for debootstrap, chroot and mounts" >&2
    exit 1
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

# A root left half made by an interrupted run is made again, not used.
if [ ! -f "$root/.kestrelon-root-complete" ]; then
    rm -rf "$root.new"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase trixie "$root.new" "$mirror"
    touch "$root.new/.kestrelon-root-complete"
    rm -rf "$root"
    mv "$root.new" "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[$i]}" 2>/dev/null || true
    done
}
trap unmount_all EXIT
# CI stops a preparation that is no longer needed with TERM: the root is still unmounted.
trap 'exit 1' INT TERM
mount_into() { # mount_into TARGET mount-arguments...
    local target=$root$1
    shift
    mkdir -p "$target"
    mountpoint -q "$target" || { mount "$@" "$target" && mounted+=("$target"); }
}
mount_into /proc -t proc proc
mount_into /sys --rbind /sys
mount_into /dev --rbind /dev
mount_into /src --bind "$source_dir"

in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/bin:/usr/bin:/usr/sbin:/bin:/sbin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
        KESTRELON_BUILD_DIR=build-debian13 KESTRELON_SUITE_ONLY=1 KESTRELON_BUILD_TYPE=Release \
        KESTRELON_CMAKE_ARGS=-DCMAKE_CXX_FLAGS_RELEASE=-O2 \
        bash -c "cd /src && $1"
}
if [ "$what" = prepare ]; then
    in_root './scripts/setup.sh packages'
    echo "test-debian13: the root has its packages (Debian $(cat "$root/etc/debian_version"))"
    exit 0
fi
in_root ./scripts/test.sh
echo "test-debian13: the suite and the package test passed on Debian $(cat "$root/etc/debian_version")"
