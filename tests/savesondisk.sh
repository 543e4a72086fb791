#!/usr/bin/env bash
# Saves by tests/savelist ($1) on loop-mounted file systems, as root (skipped without loop
# devices). A power cut as xfstests makes one, right after a save over a list (another program's
# fsync, a shutdown without flushing the log): after the remount the list is the old or the new
# one, never empty or cut. A full disk, a folder nobody may write: a list that fits is written in
# place, one that does not leaves the old list whole.
set -euo pipefail
save=$1 rounds=${ROUNDS:-5} work=$(mktemp -d)
mnt=$work/mnt
cleanup() { chattr -i "$mnt/d" 2>/dev/null || true; umount "$mnt" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "mounting file systems needs root"
command -v mkfs.xfs >/dev/null || skip "mkfs.xfs missing (xfsprogs)"
mkdir "$mnt" && truncate -s 300M "$work/xfs.img" && mkfs.xfs -q "$work/xfs.img"
mount -o loop "$work/xfs.img" "$mnt" 2>/dev/null || skip "no loop device or no XFS in this kernel"

"$save" "$mnt/list.txt" round0 200000 && sync -f "$mnt/list.txt"
for round in $(seq "$rounds"); do
    cp "$mnt/list.txt" "$work/old.txt"
    "$save" "$work/new.txt" "round$round" 200000
    "$save" "$mnt/list.txt" "round$round" 200000
    xfs_io -f -c "pwrite -q 0 4k" -c fsync "$mnt/other"
    sleep 2
    xfs_io -x -c shutdown "$mnt"
    umount "$mnt" && mount -o loop "$work/xfs.img" "$mnt"
    cmp -s "$mnt/list.txt" "$work/new.txt" || cmp -s "$mnt/list.txt" "$work/old.txt" ||
        { echo "power cut, round $round: $(stat -c %s "$mnt/list.txt") bytes, neither list"; exit 1; }
done

umount "$mnt" && truncate -s 4M "$work/ext4.img" && mkfs.ext4 -q -F -O ^has_journal "$work/ext4.img"
mount -o loop "$work/ext4.img" "$mnt" && mkdir "$mnt/d"
"$save" "$mnt/d/list.txt" old 30000 && cp "$mnt/d/list.txt" "$work/old.txt"
chattr +i "$mnt/d"
cat /dev/zero >"$mnt/filler" 2>/dev/null || true
"$save" "$work/short.txt" short 100 && "$save" "$mnt/d/list.txt" short 100 && cmp "$mnt/d/list.txt" "$work/short.txt"
"$save" "$mnt/d/list.txt" old 30000 && cmp "$mnt/d/list.txt" "$work/old.txt"
if "$save" "$mnt/d/list.txt" longer 60000; then echo "full disk: a list that cannot fit was saved"; exit 1; fi
cmp "$mnt/d/list.txt" "$work/old.txt" && echo "old list whole on a full disk; $rounds power cuts survived"
