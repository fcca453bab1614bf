#!/usr/bin/env bash
# Runs the drive test program (tests/drive/tst_emulated_drive.cpp) against a
# real MMC recorder. The host has no SCSI drivers, so a QEMU guest running
# Debian's own kernel does it: inside, tgt offers a DVD writer over iSCSI on
# the loopback, the kernel attaches it as /dev/sr0 and libburn drives it with
# real MMC commands, as on a desktop. The guest's root is the host's, shared
# read-only, so the test program built by scripts/test.sh runs unchanged.
#
#   scripts/test-drive.sh [--only FUNCTION[:ROW]]... [--build-dir DIR]
#
# --only runs just those test functions (Qt Test's own selection syntax).
# The guest is given PELIMOR_DRIVE_TIMEOUT seconds (default 420) in all.
# The kernel, initramfs and patched tgt are cached in PELIMOR_DRIVE_CACHE
# (default ~/.cache/pelimor-iso-burn/drive), keyed by package versions and
# the hashes of the files they are made from.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

build_dir=$repo_root/build
test_args=()
while [ $# -gt 0 ]; do
    case $1 in
    --only) test_args+=("$2"); shift 2 ;;
    --build-dir) build_dir=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: $0 [--only FUNCTION[:ROW]]... [--build-dir DIR]" >&2; exit 2 ;;
    esac
done

started=$SECONDS
drive_dir=$repo_root/tests/drive
cache=${PELIMOR_DRIVE_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/pelimor-iso-burn/drive}
guest_bound=${PELIMOR_DRIVE_TIMEOUT:-420}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

install_packages qemu-system-x86 open-iscsi iproute2 xorriso dpkg-dev make gcc
mkdir -p "$cache"
# What an interrupted run left half-built.
find "$cache" -maxdepth 1 -name 'tmp.*' -mmin +60 -exec rm -rf {} +

say() { echo "drive test: $*"; }
sha() { sha256sum "$@" | cut -c1-16; }

# The Debian version apt would install of a binary package; refreshes the
# package lists once when they know nothing yet (a fresh container).
candidate() {
    local v
    v=$(apt-cache policy "$1" 2>/dev/null | awk '/Candidate:/ { print $2 }')
    if [ -z "$v" ] || [ "$v" = "(none)" ]; then
        $sudo apt-get update -qq
        v=$(apt-cache policy "$1" | awk '/Candidate:/ { print $2 }')
    fi
    [ -n "$v" ] && [ "$v" != "(none)" ] || { echo "no Debian package $1" >&2; return 1; }
    echo "$v"
}

# Moves a finished build into the cache under its key; a parallel run that
# got there first wins and this copy is dropped.
publish() {
    mv -T "$1" "$2" 2>/dev/null || rm -rf "$1"
}

# --- guest kernel and initramfs -------------------------------------------
modules="crc32c_generic virtio_pci 9pnet_virtio 9p overlay iscsi_tcp sr_mod sg"
kernel_pkg=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ { print $2; exit }')
if [ -z "$kernel_pkg" ]; then
    candidate linux-image-amd64 >/dev/null
    kernel_pkg=$(apt-cache depends linux-image-amd64 | awk '/Depends: linux-image-[0-9]/ { print $2; exit }')
fi
kernel_key=$(echo "$kernel_pkg $(candidate "$kernel_pkg") $(candidate busybox-static) $modules \
    $(sha "$drive_dir/initramfs-init.sh")" | sha)
kernel_dir=$cache/kernel-$kernel_key
if [ ! -f "$kernel_dir/initramfs.cpio" ]; then
    say "fetching $kernel_pkg and busybox-static"
    tmp=$(mktemp -d "$cache/tmp.XXXXXX")
    (cd "$tmp" && apt-get download -q=2 -o "APT::Sandbox::User=$(id -un)" "$kernel_pkg" busybox-static)
    dpkg-deb -x "$tmp"/linux-image-*.deb "$tmp/kernel"
    dpkg-deb -x "$tmp"/busybox-static_*.deb "$tmp/busybox"
    busybox=$tmp/busybox/bin/busybox
    kver=${kernel_pkg#linux-image-}
    "$busybox" depmod -b "$tmp/kernel" "$kver"
    root=$tmp/root
    mkdir -p "$root/bin" "$root/modules"
    cp "$busybox" "$root/bin/busybox"
    install -m 755 "$drive_dir/initramfs-init.sh" "$root/init"
    # Each module after the modules it needs, each once.
    dep=$tmp/kernel/lib/modules/$kver/modules.dep
    for m in $modules; do
        line=$(grep -E "/$m\.ko(\.xz)?:" "$dep")
        needs=(${line#*:})
        for ((i = ${#needs[@]} - 1; i >= 0; i--)); do echo "${needs[i]}"; done
        echo "${line%%:*}"
    done | awk '!seen[$0]++' >"$tmp/order"
    while read -r ko; do
        cp "$tmp/kernel/lib/modules/$kver/$ko" "$root/modules/"
        basename "$ko"
    done <"$tmp/order" >"$root/modules.list"
    (cd "$root" && find . | "$busybox" cpio -o -H newc 2>/dev/null) >"$tmp/initramfs.cpio"
    cp "$tmp/kernel/boot/vmlinuz-$kver" "$tmp/vmlinuz"
    rm -rf "$tmp/kernel" "$tmp/busybox" "$root" "$tmp"/*.deb "$tmp/order"
    publish "$tmp" "$kernel_dir"
fi

# --- tgt, rebuilt from Debian's source with the project's patch ------------
tgt_version=$(candidate tgt)
tgt_key=$(echo "$tgt_version $(sha "$drive_dir/tgt-mmc.patch")" | sha)
tgt_dir=$cache/tgt-$tgt_key
if [ ! -x "$tgt_dir/tgtd" ]; then
    say "building tgt $tgt_version with tests/drive/tgt-mmc.patch"
    tmp=$(mktemp -d "$cache/tmp.XXXXXX")
    apt_dir=$tmp/apt
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    derive_source_lines "$apt_dir/sources.list.d"
    # A private list and cache, so the machine's own apt state is untouched.
    apt_private=(-o "APT::Sandbox::User=$(id -un)" -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
    apt-get -q=2 "${apt_private[@]}" update
    (cd "$tmp" && apt-get -q=2 "${apt_private[@]}" source "tgt=$tgt_version" >/dev/null 2>&1) ||
        { echo "apt-get source tgt=$tgt_version failed" >&2; exit 1; }
    src=$(find "$tmp" -maxdepth 1 -type d -name 'tgt-*' | head -n1)
    patch -d "$src" -p1 -s <"$drive_dir/tgt-mmc.patch"
    make -C "$src/usr" -j"$(nproc)" tgtd tgtadm >"$tmp/build.log" 2>&1 ||
        { tail -n 30 "$tmp/build.log" >&2; exit 1; }
    mkdir "$tmp/out"
    cp "$src/usr/tgtd" "$src/usr/tgtadm" "$tmp/out/"
    publish "$tmp/out" "$tgt_dir"
    rm -rf "$tmp"
fi
prepared=$SECONDS

# --- the test program -------------------------------------------------------
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    setup_build "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DPELIMOR_SANITIZE=ON -DPELIMOR_BUILD_TESTS=ON
fi
cmake --build "$build_dir" --parallel "$(nproc)" --target tst_emulated_drive >/dev/null
test_program=$(find "$build_dir" -name tst_emulated_drive -type f -perm -u+x | head -n1)
[ -n "$test_program" ] || { echo "tst_emulated_drive was not built" >&2; exit 1; }

# --- one guest run -----------------------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/pelimor-drive.XXXXXX")
trap 'rm -rf "$work"' EXIT

# About 20 MB of real files, not a whole number of DVD+R blocks (32 KiB),
# so the zero padding of the last block is seen too (without an emulated
# TOC, which would round the image up to 32 KiB).
mkdir "$work/tree"
cp -r "$repo_root/src" "$repo_root/resources" "$work/tree/"
head -c 20000000 /dev/urandom >"$work/tree/noise.bin"
for pad in 0 1 2 3; do
    head -c $((pad * 2048 + 1)) /dev/urandom >"$work/tree/pad.bin"
    rm -f "$work/image.iso"
    xorriso -no_rc -outdev "$work/image.iso" -padding 0 -compliance no_emul_toc -volid PELIMOR_DRIVE_TEST \
        -map "$work/tree" / >/dev/null 2>&1
    [ $(($(stat -c %s "$work/image.iso") % 32768)) -ne 0 ] && break
done
rm -rf "$work/tree"
# The media rows burn a small image (~2.5 MB) over discs that hold another
# one, so that a disc written over is told apart from one left alone.
head -c 1500000 /dev/urandom >"$work/noise.bin"
xorriso -no_rc -outdev "$work/small.iso" -volid PELIMOR_SMALL -map "$repo_root/src" /src \
    -map "$work/noise.bin" /noise.bin >/dev/null 2>&1
xorriso -no_rc -outdev "$work/other.iso" -volid PELIMOR_OLD_DISC -map "$repo_root/resources" / >/dev/null 2>&1
rm -f "$work/noise.bin"

{
    printf '%s=%q\n' \
        PELIMOR_TGT_DIR "$tgt_dir" \
        PELIMOR_DRIVE_TARGET "$drive_dir/target.sh" \
        PELIMOR_DRIVE_IMAGE "$work/image.iso" \
        PELIMOR_DRIVE_DISC "$work/disc.img" \
        PELIMOR_DRIVE_SMALL_IMAGE "$work/small.iso" \
        PELIMOR_DRIVE_OTHER_IMAGE "$work/other.iso" \
        PELIMOR_DRIVE_IQN "iqn.2026-12.org.pelimor:drive" \
        PELIMOR_DRIVE_VENDOR "PELIMOR" \
        PELIMOR_DRIVE_PRODUCT "EMUL-DVDRW" \
        PELIMOR_DRIVE_REVISION "1.09" \
        PELIMOR_DRIVE_TEST "$test_program" \
        PELIMOR_DRIVE_TEST_BOUND "$((guest_bound - 40))" \
        QT_QPA_PLATFORM offscreen \
        LC_ALL C.UTF-8 \
        LANG C.UTF-8 \
        ASAN_OPTIONS detect_leaks=0:abort_on_error=1 \
        UBSAN_OPTIONS print_stacktrace=1:halt_on_error=1
} >"$work/config.env"
[ ${#test_args[@]} -eq 0 ] || printf '%s\n' "${test_args[@]}" >"$work/test-args"
touch "$work/test-args"
cp "$drive_dir/guest.sh" "$work/guest.sh"

say "booting the guest"
# One virtual CPU: a second one made the run slower here (93 s against
# 169 s on two busy cores), its translation threads competing for them.
booted=$SECONDS
status=0
timeout "$guest_bound" qemu-system-x86_64 -M pc -accel tcg -cpu max -smp 1 -m 1024 \
    -display none -monitor none -serial "file:$work/console.log" -no-reboot -nic none \
    -kernel "$kernel_dir/vmlinuz" -initrd "$kernel_dir/initramfs.cpio" \
    -append "console=ttyS0 panic=-1 quiet loglevel=4 pelimor.work=$work" \
    -fsdev "local,id=hostroot,path=/,security_model=none,readonly=on,multidevs=remap" \
    -device virtio-9p-pci,fsdev=hostroot,mount_tag=hostroot \
    -fsdev "local,id=work,path=$work,security_model=none,multidevs=remap" \
    -device virtio-9p-pci,fsdev=work,mount_tag=work || status=$?
wall=$((SECONDS - booted))

if [ "$status" -eq 124 ]; then
    tail -n 40 "$work/console.log"
    echo "drive test: FAILED, the guest did not finish within $guest_bound s" >&2
    exit 1
fi
if [ ! -f "$work/exit-code" ] || [ ! -f "$work/qtest.txt" ]; then
    tail -n 40 "$work/console.log"
    echo "drive test: FAILED, the guest left no report (qemu exit status $status)" >&2
    exit 1
fi
result=$(cat "$work/exit-code")
if [ "$result" -eq 124 ]; then
    echo "drive test: the test program did not finish within $((guest_bound - 40)) s" >&2
fi
if [ "$result" -ne 0 ]; then
    cat "$work/qtest.txt"
else
    grep -E '^(PASS|SKIP|XFAIL|QWARN|QINFO|Totals)' "$work/qtest.txt" || true
fi
say "guest ran ${wall} s wall ($(cat "$work/guest-seconds") s from start-up to power-off in the guest);" \
    "preparing took $((prepared - started)) s"

# The first disc must hold the image byte for byte, padded with zeros to
# whole 32 KiB blocks; checked here too, outside the guest that wrote it.
if [ -s "$work/disc.img" ] || [ ${#test_args[@]} -eq 0 ]; then
    size=$(stat -c %s "$work/image.iso")
    disc_size=$(stat -c %s "$work/disc.img")
    padded=$(((size + 32767) / 32768 * 32768))
    if ! cmp -n "$size" "$work/image.iso" "$work/disc.img" || [ "$disc_size" -ne "$padded" ] ||
        ! cmp -s -i "$size:0" -n $((padded - size)) "$work/disc.img" /dev/zero; then
        echo "drive test: FAILED, the disc ($disc_size bytes) does not hold the image ($size bytes)" >&2
        exit 1
    fi
    say "the disc holds the image byte for byte ($size bytes, padded to $padded)"
fi
# The used CD-RW the user had erased holds the image byte for byte; the one
# they kept still holds its old image, as does the CD-R xorriso wrote track
# at once.
for pair in "cdrw-erased.img small.iso" "cdrw-kept.img other.iso" "cdr-tao.img other.iso"; do
    set -- $pair
    [ -f "$work/$1" ] || continue
    if ! cmp -s "$work/$1" "$work/$2"; then
        echo "drive test: FAILED, the disc $1 does not hold exactly $2" >&2
        exit 1
    fi
    say "the disc $1 holds $2 byte for byte ($(stat -c %s "$work/$1") bytes)"
done
[ "$result" -eq 0 ] || { echo "drive test: FAILED (exit code $result)" >&2; exit 1; }
say "passed in $((SECONDS - started)) s"
