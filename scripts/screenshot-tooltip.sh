#!/usr/bin/env bash
# Takes the README's screenshot of the status line's tooltip during a burn
# (a scripted DVD burn, no hardware): builds the helper, runs it on a
# private Xvfb screen with a window manager and saves docs/burn-tooltip.png.
#   screenshot-tooltip.sh [OUT.png]    (PELIMOR_BUILD_DIR: an existing build to use)
set -euo pipefail
source "$(dirname "$0")/setup.sh"

setup_packages openbox
build_dir=${PELIMOR_BUILD_DIR:-"$repo_root/build-app"}
[ -f "$build_dir/CMakeCache.txt" ] ||
    cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELIMOR_BUILD_TESTS=ON >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target tooltip_screenshot
out=${1:-"$repo_root/docs/burn-tooltip.png"}

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
display=":$((RANDOM % 400 + 100))"
Xvfb "$display" -screen 0 520x400x24 -nolisten tcp &
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
openbox &
sleep 1

head -c 4096 /dev/zero >"$work/debian-12.5.0-amd64-DVD-1.iso"
mkdir -p "$(dirname "$out")"
"$(find "$build_dir" -name tooltip_screenshot -type f -perm -u+x | head -n1)" \
    "$work/debian-12.5.0-amd64-DVD-1.iso" "$out"
echo "Saved $out"
