#!/usr/bin/env bash
# Takes the README's picture of the About dialog: builds the program, starts
# it on a private Xvfb screen with a window manager (so the frame is real),
# clicks the main window's About image and saves docs/about.png, frame and
# all. IceWM draws the title-bar buttons a window asks for (Openbox adds
# minimise and maximise to every window), so the picture shows the dialog's
# close box alone, as designed.
#   scripts/screenshot-about.sh [PICTURE]
# LANGUAGE=de (and so on) shows the dialog in that language.
# PELIMOR_BUILD_DIR names another build folder than build-app.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

take_picture() {
    trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
    icewm 2>/dev/null &
    sleep 2
    QT_FONT_DPI=96 "$PELIMOR_APP" &
    local main about
    main=$(xdotool search --sync --onlyvisible --name '^pelimor[.]example [|] Pelimor ISO Burn')
    # Picture2, the About image: 65 x 30 pixels at 12,252 of the client area.
    xdotool mousemove --window "$main" 40 265 click 1
    # The title names the program in every language ("About PelimorISOBurn").
    about=$(xdotool search --sync --onlyvisible --name 'PelimorISOBurn')
    sleep 1
    mkdir -p "$(dirname "$PELIMOR_PICTURE")"
    /usr/bin/import -window "$about" -frame "$PELIMOR_PICTURE"
    echo "Saved $PELIMOR_PICTURE"
}

# The second run, inside xvfb-run.
if [ "${1:-}" = "--on-screen" ]; then
    take_picture
    exit 0
fi

out=${1:-"$repo_root/docs/about.png"}
case $out in
/*) ;;
*) out="$PWD/$out" ;;
esac
setup_packages icewm imagemagick xdotool
build_dir=${PELIMOR_BUILD_DIR:-"$repo_root/build-app"}
setup_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELIMOR_BUILD_TESTS=OFF
# At 96 dpi one logical pixel is one screen pixel, as the dialog was drawn.
PELIMOR_APP="$build_dir/src/pelimor-iso-burn" PELIMOR_PICTURE="$out" \
    exec xvfb-run -a -s "-screen 0 640x480x24 -dpi 96 -nolisten tcp" "$0" --on-screen
