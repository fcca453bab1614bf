#!/bin/sh
# The emulated drive's controls inside the drive-test guest: tgt's MMC unit
# is the drive, its backing file the disc (an empty file is a blank DVD+R).
#   target.sh start        start tgtd and offer the drive, holding an empty disc
#   target.sh insert FILE [MEDIUM]
#                          put FILE in as the disc and close the tray; MEDIUM
#                          is dvd+r (the default), cd-r, cd-rw or dvd+rw, kept
#                          in FILE.medium where tgt reads it
#   target.sh open         open the tray: no disc
#   target.sh tray         print "open" or "closed"
#   target.sh disc         print the disc's file
#   target.sh cramped MB   insert a blank disc whose file cannot grow past MB
#   target.sh kill         kill tgtd: the drive vanishes from the bus
#   target.sh revive       after a kill: start tgtd again and wait until the
#                          kernel's iSCSI session has found the drive again
# Reads the drive's details from the environment scripts/test-drive.sh sets.
set -eu
work=$PELIMOR_EMULATED_DRIVE_WORK
adm() { tgtadm --lld iscsi "$@"; }
lun() { adm --mode logicalunit --op update --tid 1 --lun 1 --params "$1"; }

case $1 in
start)
    setsid tgtd -f </dev/null >>"$work/tgtd.log" 2>&1 &
    echo $! >"$work/tgtd.pid"
    for _ in $(seq 100); do
        adm --mode target --op show >/dev/null 2>&1 && break
        sleep 0.1
    done
    adm --mode target --op new --tid 1 -T "$PELIMOR_DRIVE_IQN"
    adm --mode logicalunit --op new --tid 1 --lun 1 -b "$PELIMOR_DRIVE_DISC" --device-type=cd
    lun "vendor_id=$PELIMOR_DRIVE_VENDOR,product_id=$PELIMOR_DRIVE_PRODUCT,product_rev=$PELIMOR_DRIVE_REVISION,removable=1"
    adm --mode target --op bind --tid 1 -I ALL
    ;;
insert)
    lun online=0
    if [ $# -gt 2 ]; then
        echo "$3" >"$2.medium"
    else
        rm -f "$2.medium"
    fi
    lun "path=$2"
    lun online=1
    ;;
open) lun online=0 ;;
tray)
    adm --mode target --op show |
        awk '/LUN: 1$/ { lun = 1 } lun && /Online:/ { print ($2 == "Yes" ? "closed" : "open"); exit }'
    ;;
disc)
    adm --mode target --op show |
        awk '/LUN: 1$/ { lun = 1 } lun && /Backing store path:/ { print $4; exit }'
    ;;
cramped)
    mkdir -p /run/cramped
    mountpoint -q /run/cramped || mount -t tmpfs -o "size=${2}m" tmpfs /run/cramped
    : >/run/cramped/disc.img
    sh "$0" insert /run/cramped/disc.img
    ;;
kill) kill -9 "$(cat "$work/tgtd.pid")" ;;
revive)
    if ! kill -0 "$(cat "$work/tgtd.pid")" 2>/dev/null; then
        sh "$0" start
        for _ in $(seq 300); do
            [ "$(cat /sys/block/sr0/device/state 2>/dev/null)" = running ] && break
            sleep 0.1
        done
    fi
    ;;
*)
    echo "usage: $0 start|insert FILE [MEDIUM]|open|tray|disc|cramped MB|kill|revive" >&2
    exit 2
    ;;
esac
