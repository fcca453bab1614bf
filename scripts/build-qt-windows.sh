#!/usr/bin/env bash
# Builds the Qt the Windows program links against: a static Qt 6 for
# x86_64-w64-mingw32 from Debian's own qt6-base source, the same version as
# the host's Qt, whose moc, rcc and uic serve the cross build. Debian ships
# no Qt for MinGW, so this is the only way to get one from Debian alone.
#
#   scripts/build-qt-windows.sh      prints the installed prefix on stdout
#
# The installed prefix is cached in PELIMOR_QT_WINDOWS_CACHE (default
# ~/.cache/pelimor-iso-burn/qt-windows), keyed by the source version, the
# configure line, the toolchain file and the compilers' versions. It is built
# in a temporary folder and moved into place only when installed, so an
# interrupted build is never taken for a finished one. The prefix must stay
# at the absolute path it was built for: Qt's .prl and toolchain files
# record it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

started=$SECONDS
say() { echo "qt for windows: $*" >&2; }
sha() { sha256sum "$@" | cut -c1-16; }

install_packages g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools \
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools \
    cmake ninja-build dpkg-dev xz-utils >&2

toolchain=$repo_root/cmake/qt-windows-toolchain.cmake
cache=${PELIMOR_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/pelimor-iso-burn/qt-windows}
mkdir -p "$cache"
# What an interrupted run left behind.
find "$cache" -maxdepth 1 -name 'tmp.*' -mmin +120 -exec rm -rf {} +

installed() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null; }
qt_version=$(installed qt6-base-dev)
if [ -z "$qt_version" ] || [ "$qt_version" != "$(installed qt6-base-dev-tools)" ]; then
    echo "qt6-base-dev and qt6-base-dev-tools must be installed at the same version" >&2
    exit 1
fi

# Only what the program needs: Core, Gui and Widgets, with the windows
# platform plugin and the Windows styles. Notes on the less obvious lines:
# - the +dfsg source lacks wintab, so tablet events are off;
# - Qt 6.4 compiles its DirectWrite 3 font database only with Direct2D, so
#   both go, or every program fails to link; GDI renders the fonts;
# - no zstd: the host's rcc must be told (AUTORCC --no-zstd) in the program.
configure_line=(-release -static -static-runtime -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-zstd -no-libjpeg
    -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz -qt-doubleconversion
    -no-feature-sql -no-feature-network -no-feature-testlib -no-feature-concurrent -no-feature-xml
    -no-feature-printsupport -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3
    -no-feature-vulkan)
compilers="$(installed g++-mingw-w64-x86-64-posix) $(installed mingw-w64-x86-64-dev)"
compilers+=" $(installed binutils-mingw-w64-x86-64) $(/usr/bin/x86_64-w64-mingw32-g++-posix -dumpfullversion)"
key=$(echo "qt6-base=$qt_version ${configure_line[*]} $(sha "$toolchain") $compilers" | sha)
prefix=$cache/$key

if [ -f "$prefix/.complete" ]; then
    say "cached in $prefix"
    echo "$prefix"
    exit 0
fi

say "building qt6-base $qt_version (static, x86_64-w64-mingw32); this takes 20-30 minutes"
tmp=$(mktemp -d "$cache/tmp.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
# A private apt configuration whose deb-src lines are the machine's own deb
# lines, so the machine's apt state is left as it was.
apt_dir=$tmp/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
derive_source_lines "$apt_dir/sources.list.d"
cat >"$apt_dir/apt.conf" <<EOF
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::State::Lists "$apt_dir/lists";
Dir::Cache "$apt_dir/cache";
APT::Sandbox::User "$(id -un)";
EOF
export APT_CONFIG=$apt_dir/apt.conf
apt-get -q=2 update >&2
(cd "$tmp" && apt-get -q=2 source --download-only "qt6-base=$qt_version" >/dev/null) ||
    { echo "apt-get source qt6-base=$qt_version failed" >&2; exit 1; }
unset APT_CONFIG
dsc=$(find "$tmp" -maxdepth 1 -name 'qt6-base_*.dsc' | head -n1)
dpkg-source --no-check -x "$dsc" "$tmp/src" >/dev/null
rm -f "$tmp"/qt6-base_*
fetched=$SECONDS
say "source unpacked in $((fetched - started)) s"

# A fresh build folder each time: configure does not revisit a cached
# feature in an old one.
mkdir "$tmp/build"
(cd "$tmp/build" && "$tmp/src/configure" -prefix "$prefix" "${configure_line[@]}" \
    -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) \
    >"$tmp/configure.log" 2>&1 || { tail -n 40 "$tmp/configure.log" >&2; exit 1; }
configured=$SECONDS
say "configured in $((configured - fetched)) s"

cmake --build "$tmp/build" --parallel "$(nproc)" >"$tmp/build.log" 2>&1 ||
    { grep -B2 -A20 -m3 'FAILED:' "$tmp/build.log" >&2 || tail -n 40 "$tmp/build.log" >&2; exit 1; }
built=$SECONDS
say "compiled in $((built - configured)) s"

# A prefix without the mark was left by hand or by a broken copy.
[ -e "$prefix" ] && rm -rf "$prefix"
# Installed into a staging root, then moved to where it was configured for.
DESTDIR=$tmp/stage cmake --install "$tmp/build" >/dev/null
touch "$tmp/stage$prefix/.complete"
mv -T "$tmp/stage$prefix" "$prefix" 2>/dev/null || say "a parallel run finished first; its copy is kept"
say "installed $(du -sh "$prefix" | cut -f1) in $prefix; wall time $((SECONDS - started)) s"
echo "$prefix"
