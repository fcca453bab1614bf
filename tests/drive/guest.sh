#!/bin/sh
# Runs inside the drive-test guest, as its first process: starts tgt with an
# MMC DVD writer whose disc is a file in the shared work folder, logs in to
# it over iSCSI on the loopback so the kernel attaches it as /dev/sr0, runs
# the drive test program and leaves its report in the work folder. Always
# ends by powering the guest off, so the host never waits for a hung guest
# longer than its own bound.
work=$1
set -a
. "$work/config.env"
set +a
started=$(cut -d' ' -f1 /proc/uptime)

finish() {
    echo "$1" >"$work/exit-code"
    now=$(cut -d' ' -f1 /proc/uptime)
    awk -v a="$started" -v b="$now" 'BEGIN { printf "%.1f\n", b - a }' >"$work/guest-seconds"
    sync
    echo o >/proc/sysrq-trigger
    sleep 60
}
step() {
    echo "guest: $*"
}
trap 'finish 99' EXIT

mount -t tmpfs tmpfs /run
mkdir -p /run/lock/iscsi /var/lib/iscsi /etc/iscsi
ip link set lo up
export PATH="$PELIMOR_TGT_DIR:/usr/sbin:/usr/bin:/sbin:/bin"

step "starting tgtd"
export PELIMOR_EMULATED_DRIVE_WORK="$work"
: >"$PELIMOR_DRIVE_DISC"
sh "$PELIMOR_DRIVE_TARGET" start || finish 98

step "logging in"
echo "InitiatorName=iqn.2026-12.org.pelimor:guest" >/etc/iscsi/initiatorname.iscsi
# A drive whose target has gone must be given up within seconds, as a
# pulled USB drive is, not after the default two minutes.
cat >/etc/iscsi/iscsid.conf <<CONF
node.startup = manual
node.session.timeo.replacement_timeout = 5
node.conn[0].timeo.noop_out_interval = 2
node.conn[0].timeo.noop_out_timeout = 2
CONF
iscsid -f >"$work/iscsid.log" 2>&1 &
sleep 0.5
iscsiadm -m discovery -t sendtargets -p 127.0.0.1 >/dev/null &&
    iscsiadm -m node -T "$PELIMOR_DRIVE_IQN" -p 127.0.0.1 --login >/dev/null || finish 97
for _ in $(seq 200); do
    [ -b /dev/sr0 ] && break
    sleep 0.1
done
[ -b /dev/sr0 ] || finish 96
step "drive ready after $(cut -d' ' -f1 /proc/uptime) s of uptime"

cd "$work" || finish 95
# The selected test functions, one a line (rows may hold blanks).
set --
while IFS= read -r selected; do
    set -- "$@" "$selected"
done <"$work/test-args"
timeout "$PELIMOR_DRIVE_TEST_BOUND" "$PELIMOR_DRIVE_TEST" -o "$work/qtest.txt,txt" -o -,txt "$@"
finish $?
