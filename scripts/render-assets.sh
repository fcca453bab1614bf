#!/bin/sh
# Regenerate every image in resources/images and the desktop icons in
# resources/icons from the SVG sources in resources/src.  Needs rsvg-convert (Debian: librsvg2-bin), the Liberation
# fonts (fonts-liberation) and python3.  The outputs are committed, so only
# whoever edits the artwork has to run this.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
src="$root/resources/src"
out="$root/resources"
encode="$here/render_assets.py"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-assets: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}
fc-list 2>/dev/null | grep -q "Liberation Sans" || {
    echo "render-assets: Liberation Sans not found (apt-get install fonts-liberation)" >&2
    exit 1
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# name of source, output width, output height, encoder, output file (under
# resources/). The desktop icons keep the small drawing up to 24 px, where
# the full mark's details would blur, and the full mark from 32 px up.
while read -r svg w h kind file; do
    mkdir -p "$(dirname "$out/$file")"
    rsvg-convert --width="$w" --height="$h" --format=png \
        --output="$tmp/rendered.png" "$src/$svg"
    if [ "$kind" = png ]; then
        cp "$tmp/rendered.png" "$out/$file"
    else
        python3 "$encode" "$kind" "$tmp/rendered.png" "$out/$file"
    fi
    echo "  $file (${w}x${h}, $kind)"
done <<LIST
logo.svg    64  64 gif images/logo.gif
logo.svg    48  48 gif images/abouticon.gif
banner.svg 338  55 bmp images/banner.bmp
help.svg    59  28 bmp images/help.bmp
about.svg   67  28 bmp images/about.bmp
burn.svg   142  46 bmp images/burn.bmp
browse.svg  36  28 bmp images/browse.bmp
icon24.svg  24  24 ico images/app.ico
icon24.svg  16  16 png icons/16.png
icon24.svg  22  22 png icons/22.png
icon24.svg  24  24 png icons/24.png
logo.svg    32  32 png icons/32.png
logo.svg    48  48 png icons/48.png
logo.svg    64  64 png icons/64.png
logo.svg   128 128 png icons/128.png
logo.svg   256 256 png icons/256.png
LIST
