#!/usr/bin/env bash
# Pictures of the program in other languages, to see that every text fits
# its control: for each language the main window, the box for a missing
# image file and the box for a computer without a recorder (the longest
# refusal), saved as docs/languages/<lang>-main.png, -not-found.png and
# -no-recorder.png. Each run starts the program on a private Xvfb screen
# with a window manager and clicks the Burn button.
#   scripts/screenshot-languages.sh [LANG...]     (default: de ru ja)
set -euo pipefail
source "$(dirname "$0")/setup.sh"

# A CJK font for the Japanese and Chinese pictures.
setup_packages openbox imagemagick xdotool fonts-wqy-zenhei
build_dir=${PELIMOR_BUILD_DIR:-"$repo_root/build-app"}
setup_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELIMOR_BUILD_TESTS=OFF
app="$build_dir/src/pelimor-iso-burn"
out_dir="$repo_root/docs/languages"
mkdir -p "$out_dir"

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
display=":$((RANDOM % 400 + 100))"
Xvfb "$display" -screen 0 640x480x24 -dpi 96 -nolisten tcp &
sleep 1
export DISPLAY=$display QT_FONT_DPI=96
openbox &
sleep 1
image="$work/Debian-12-netinst.iso"
head -c 4096 /dev/zero >"$image"

# shot LANG NAME RECORDER PATH [click]: one start of the program.
shot() {
    local lang=$1 name=$2 recorder=$3 path=$4 click=${5:-}
    env LANG=C.UTF-8 LANGUAGE="$lang" PELIMOR_ISO_BURN_VIRTUAL_RECORDER="$recorder" "$app" "$path" &
    local pid=$!
    local main
    main=$(xdotool search --sync --onlyvisible --name 'Pelimor ISO Burn' | head -n1)
    sleep 1
    if [ -n "$click" ]; then
        # The Burn button: 141 x 45 pixels at 274,226 of the client area.
        xdotool mousemove --window "$main" 344 248 click 1
        sleep 2
    fi
    /usr/bin/import -window root "$out_dir/$lang-$name.png"
    echo "Saved $out_dir/$lang-$name.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

for lang in "${@:-de ru ja}"; do
    for l in $lang; do
        shot "$l" main "$work/virtual-disc.iso" "$image"
        shot "$l" not-found "$work/virtual-disc.iso" "$work/missing.iso" click
        shot "$l" no-recorder "" "$image" click
    done
done
