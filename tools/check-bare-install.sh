#!/usr/bin/env bash
# Shows that tools/test.sh passes on a bare Debian 12 system: unpacks a minimal root (debootstrap
# --variant=minbase bookworm), installs git alone in it, clones the repository and runs
# tools/test.sh there as a newcomer would. Needs root (chroot, mounts), git, and debootstrap
# when it has to make the root.
#
#   tools/check-bare-install.sh [MINBASE.tar [REPOSITORY]]
#
# MINBASE.tar is unpacked when it exists; otherwise a root is made with debootstrap (from
# $MIRROR, by default http://deb.debian.org/debian) and, when a path was given, saved there for
# the next time. REPOSITORY (by default the one holding this script) is cloned at its checked-out
# branch: only committed work is tested. The folder ../shared/qt-sources beside REPOSITORY, when
# there is one, is copied beside the clone. The root is made in a new directory under $WORKDIR (by
# default /var/tmp) and removed after a pass; after a failure it is kept for a look.
set -euo pipefail

tarball=${1:-}
repo=$(cd "${2:-$(dirname "$0")/..}" && pwd)
mirror=${MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "run as root (chroot and mounts)" >&2; exit 2; }

root=$(mktemp -d "${WORKDIR:-/var/tmp}/thalmuro-bare.XXXXXX")
cleanup() {
    # Stop what the tests may have left running in the root, then undo the mounts.
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for m in dev sys proc; do
        if mountpoint -q "$root/$m"; then umount -R "$root/$m" || umount -R -l "$root/$m"; fi
    done
    if mountpoint -q "$root"; then umount "$root" || umount -l "$root"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

if [ -n "$tarball" ] && [ -f "$tarball" ]; then
    tar --numeric-owner --xattrs -xpf "$tarball" -C "$root"
else
    debootstrap --variant=minbase bookworm "$root" "$mirror"
    [ -z "$tarball" ] || tar --numeric-owner --xattrs -cf "$tarball" -C "$root" .
fi

git clone -q --bare --no-local "$repo" "$root/tmp/thalmuro.git"
# The Qt module sources that a mirror may not serve go beside the clone, where the Qt build looks
# for them, as they stand beside this repository.
if [ -d "$repo/../shared/qt-sources" ]; then
    mkdir -p "$root/root/shared"
    cp -r "$repo/../shared/qt-sources" "$root/root/shared/qt-sources"
fi
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# The root a mount of its own, as on a machine, so that the tests can make their mounts private.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"

echo "Root: $root"
status=0
# shellcheck disable=SC2016 # the commands are expanded inside the root
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -euc '
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends git
    git clone -q /tmp/thalmuro.git /root/thalmuro
    cd /root/thalmuro
    start=$(date +%s)
    tools/test.sh
    echo "tools/test.sh passed in $(($(date +%s) - start)) s"
' &
wait $! || status=$?

cleanup
trap - EXIT
if [ "$status" -eq 0 ]; then
    rm -rf --one-file-system "$root"
    echo "PASS on a bare Debian 12 root"
else
    echo "FAIL (status $status); the root is kept in $root" >&2
fi
exit "$status"
