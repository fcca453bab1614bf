#!/bin/busybox sh
# /init of the drive test's initramfs: loads the few modules the guest
# needs, makes the host's root (shared read-only over 9p) the guest's root
# with a RAM overlay on top, mounts the shared work folder at the same path
# as on the host and hands over to the run script the host left there.
/bin/busybox --install -s /bin
mkdir -p /proc /sys /dev /lower /overlay /newroot
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

fail() {
    echo "initramfs: $*"
    echo o >/proc/sysrq-trigger
    sleep 60
}

for module in $(cat /modules.list); do
    insmod "/modules/$module" || fail "cannot load $module"
done

work=$(sed -n 's/.*pelimor\.work=\([^ ]*\).*/\1/p' /proc/cmdline)
[ -n "$work" ] || fail "no pelimor.work= on the kernel command line"

mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=512000,cache=loose hostroot /lower ||
    fail "cannot mount the host's root"
mount -t tmpfs -o size=512m tmpfs /overlay
mkdir -p /overlay/upper /overlay/work
mount -t overlay overlay -o lowerdir=/lower,upperdir=/overlay/upper,workdir=/overlay/work /newroot ||
    fail "cannot mount the overlay"
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000 work "/newroot$work" ||
    fail "cannot mount the work folder"
for fs in proc sys dev; do
    mount --move "/$fs" "/newroot/$fs"
done
exec switch_root /newroot /bin/sh "$work/guest.sh" "$work"
