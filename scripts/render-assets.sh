#!/bin/sh
# Regenerate every image in resources/images from the SVG sources in
# resources/src.  Needs rsvg-convert (Debian: librsvg2-bin), the Liberation
# fonts (fonts-liberation) and python3.  The outputs are committed, so only
# whoever edits the artwork has to run this.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
src="$root/resources/src"
out="$root/resources/images"
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
mkdir -p "$out"

# name of source, output width, output height, encoder, output file
while read -r svg w h kind file; do
    rsvg-convert --width="$w" --height="$h" --format=png \
        --output="$tmp/$file.png" "$src/$svg"
    python3 "$encode" "$kind" "$tmp/$file.png" "$out/$file"
    echo "  $file (${w}x${h}, $kind)"
done <<LIST
logo.svg    64  64 gif logo.gif
logo.svg    48  48 gif abouticon.gif
banner.svg 338  55 bmp banner.bmp
help.svg    59  28 bmp help.bmp
about.svg   67  28 bmp about.bmp
burn.svg   142  46 bmp burn.bmp
browse.svg  36  28 bmp browse.bmp
icon24.svg  24  24 ico app.ico
LIST
