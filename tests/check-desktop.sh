#!/usr/bin/env bash
# The program as a desktop installs it: an install into a scratch folder
# holds exactly the expected files, the desktop's own validators accept the
# menu entry and the software-centre description, and the Debian package
# carries the same files and depends on libburn and Qt.
#   check-desktop.sh <build dir> <application id> <executable name>
set -euo pipefail
build=$1
id=$2
exe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

sizes="16 22 24 32 48 64 128 256"
expected=$(
    echo "bin/$exe"
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/man/man1/$exe.1.gz"
    echo "share/doc/$exe/copyright"
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    for s in $sizes; do echo "share/icons/hicolor/${s}x${s}/apps/$id.png"; done
)
expected=$(sort <<<"$expected")

# 1. Every file in its place, nothing else.
cmake --install "$build" --prefix "$work/root" >/dev/null
installed=$(cd "$work/root" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$installed") >&2 || true
    fail "installed files differ from the expected list (< expected, > installed)"
fi
root=$work/root/share
[ -x "$work/root/bin/$exe" ] || fail "bin/$exe is not executable"
for s in $sizes; do
    png=$root/icons/hicolor/${s}x${s}/apps/$id.png
    file -b "$png" | grep -q "PNG image data, $s x $s," || fail "$png is not a $s x $s PNG: $(file -b "$png")"
done
file -b "$root/icons/hicolor/scalable/apps/$id.svg" | grep -qi "SVG" || fail "the scalable icon is no SVG"
gzip -dc "$root/man/man1/$exe.1.gz" | grep -q "^\.TH PELIMOR-ISO-BURN 1 " || fail "the manual page has no title line"

# 2. The ecosystem's validators.
desktop-file-validate "$root/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx "Icon=$id" "$root/applications/$id.desktop" || fail "the menu entry names another icon"
grep -qx "Exec=$exe %f" "$root/applications/$id.desktop" || fail "the menu entry starts something else"
appstreamcli validate --no-net "$root/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

# 3. The Debian package: the same files under /usr, dependencies read off
# the program.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    fail "cpack"
}
deb=$(find "$work/package" -maxdepth 1 -name '*.deb' | head -n1)
if [ -z "$deb" ]; then
    fail "no .deb was built"
else
    packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
    if [ "$packaged" != "$expected" ]; then
        diff <(echo "$expected") <(echo "$packaged") >&2 || true
        fail "the package's files differ from the install (< expected, > packaged)"
    fi
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for lib in 'libburn[0-9]+' 'libqt6core6' 'libqt6widgets6' 'qt6-qpa-plugins'; do
        grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends does not name $lib"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = otherosfs ] || fail "section is not otherosfs"
    [ "$(dpkg-deb -f "$deb" Package)" = "$exe" ] || fail "package name is not $exe"
fi

[ "$failed" -eq 0 ] && echo "desktop integration: all checks passed"
exit "$failed"
