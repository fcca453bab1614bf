#!/usr/bin/env bash
# Takes the README's screenshot of the main window: builds the program,
# starts it on a private Xvfb screen with a window manager (so the frame is
# real) and saves docs/main-window.png.
#   screenshot-main.sh [OUT.png] [focus-burn]
# With focus-burn the keyboard focus is moved to the Burn button first (two
# Tabs from the drive list), to show its focus ring.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

setup_packages openbox imagemagick xdotool
build_dir="$repo_root/build-app"
setup_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELIMOR_BUILD_TESTS=OFF
out=${1:-"$repo_root/docs/main-window.png"}
focus=${2:-}

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
display=":$((RANDOM % 400 + 100))"
Xvfb "$display" -screen 0 520x400x24 -nolisten tcp &
sleep 1
export DISPLAY=$display
openbox &
sleep 1

# A recorder to list without hardware, and an image to show in the path box.
head -c 4096 /dev/zero >"$work/Debian-12-netinst.iso"
PELIMOR_ISO_BURN_VIRTUAL_RECORDER="$work/virtual-disc.iso" \
    "$build_dir/src/pelimor-iso-burn" "$work/Debian-12-netinst.iso" &
sleep 3
if [ "$focus" = focus-burn ]; then
    xdotool search --sync --name "Pelimor ISO Burn" windowactivate --sync key Tab Tab
    sleep 1
fi
mkdir -p "$(dirname "$out")"
/usr/bin/import -window root "$out"
echo "Saved $out"
