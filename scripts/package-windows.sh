#!/usr/bin/env bash
# Builds the Windows program and its download: PelimorISOBurn.exe cross-built
# with MinGW-w64 against the static Qt for Windows (scripts/build-qt-windows.sh),
# then dist/PelimorISOBurn-<version>-win64.zip with the exe, the licence and
# a short text for Windows users. Prints the zip's path on its last line.
#   package-windows.sh [OUTPUT DIR]      (default: the repository's dist/ folder)
set -euo pipefail
source "$(dirname "$0")/setup.sh"

install_packages g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build zip qt6-l10n-tools \
    qt6-translations-l10n
out=${1:-"$repo_root/dist"}
build_dir=$repo_root/build-windows
version=$(sed -n -E 's/^set\(PELIMOR_VERSION ([0-9.]+)\)/\1/p' "$repo_root/cmake/version.cmake")

qt_prefix=$("$repo_root/scripts/build-qt-windows.sh" | tail -n1)
started=$SECONDS
cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELIMOR_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt_prefix" -DQT_HOST_PATH=/usr >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target pelimor_app >/dev/null
exe=$build_dir/src/PelimorISOBurn.exe
echo "PelimorISOBurn.exe built in $((SECONDS - started)) s" >&2

# The exe must start with no DLL beside it: none of the toolchain's or Qt's
# DLLs may be imported (the Wine run proves the rest, in a bare prefix).
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
    grep -i -E '^(libgcc|libstdc|libwinpthread|qt6|libssp|zlib)' || true)
[ -z "$foreign" ] || { echo "PelimorISOBurn.exe needs DLLs that must not be shipped: $foreign" >&2; exit 1; }

started=$SECONDS
stage=$(mktemp -d "${TMPDIR:-/tmp}/pelimor-win-zip.XXXXXX")
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/PelimorISOBurn.exe" "$exe"
# Windows' Notepad before 2018 shows bare line feeds as one long line.
sed 's/$/\r/' "$repo_root/LICENSE" >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$repo_root/data/windows/README.txt" >"$stage/README.txt"
touch -d "@$(git -C "$repo_root" log -1 --format=%ct 2>/dev/null || date +%s)" "$stage"/*
mkdir -p "$out"
zip_file=$out/PelimorISOBurn-$version-win64.zip
rm -f "$zip_file"
(cd "$stage" && zip -q -X -9 "$zip_file" PelimorISOBurn.exe LICENSE.txt README.txt)
echo "zip made in $((SECONDS - started)) s: $(du -k "$zip_file" | cut -f1) KiB" >&2
echo "$zip_file"
