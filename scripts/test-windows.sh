#!/usr/bin/env bash
# The Windows platform layer, proved on Linux: cross-compiles it (IMAPI2
# backend, registry, shell, image stream) with MinGW-w64 together with its
# test program, compiles the executable's resource script into that program,
# and runs it under Wine in a fresh, headless prefix. Exits non-zero on any
# failure. Installs MinGW-w64 and Wine first when they are missing.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing() {
    install_packages g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64 cmake
}

find_tool() {
    local name
    for name in "$@"; do
        if command -v "$name" >/dev/null 2>&1; then
            command -v "$name"
            return 0
        fi
        if [ -x "/usr/lib/wine/$name" ]; then
            echo "/usr/lib/wine/$name"
            return 0
        fi
    done
    echo "none of: $*" >&2
    return 1
}

install_missing
cxx=$(find_tool x86_64-w64-mingw32-g++ x86_64-w64-mingw32-g++-win32)
windres=$(find_tool x86_64-w64-mingw32-windres)
wine=$(find_tool wine64 wine)
wineserver=$(find_tool wineserver64 wineserver)

work=$(mktemp -d /tmp/build-win-test.XXXXXX)
export WINEPREFIX="$work/prefix"
cleanup() {
    "$wineserver" -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
mkdir -p "$work/generated" "$work/bin"
cmake -DSOURCE_DIR="$repo_root" -DOUTPUT="$work/generated/appinfo.h" -P "$repo_root/tests/windows/appinfo.cmake"

# The resource script of PelimorISOBurn.exe, built into the test program so
# the test reads back the very version values and icon Explorer would show.
"$windres" -I "$work/generated" -O coff -o "$work/pelimor_rc.o" "$repo_root/src/platform/windows/pelimor.rc"

# Every plain-C++ file of the Windows platform layer; windows_shell.cpp is
# the Qt adapter and is built by the real Windows build only.
sources=()
for f in "$repo_root"/src/platform/windows/*.cpp; do
    [ "$(basename "$f")" = windows_shell.cpp ] || sources+=("$f")
done
sources+=("$repo_root/src/platform/filestream.cpp" "$repo_root/src/platform/image_hasher.cpp")
for f in "$repo_root"/tests/windows/*.cpp; do
    [ "$(basename "$f")" = start_marker.cpp ] || sources+=("$f")
done

flags=(-std=c++20 -O1 -Wall -Wextra -Wpedantic -DUNICODE -D_UNICODE -DNOMINMAX
    -I"$repo_root/src" -I"$work/generated" -I"$repo_root/tests/windows")
libs=(-static -lole32 -loleaut32 -luuid -lshlwapi -lshell32 -ladvapi32 -lbcrypt -lversion -lpsapi)
"$cxx" "${flags[@]}" -o "$work/bin/pelimor-windows-tests.exe" "${sources[@]}" "$work/pelimor_rc.o" "${libs[@]}"
"$cxx" "${flags[@]}" -o "$work/bin/start marker.exe" "$repo_root/tests/windows/start_marker.cpp" -static
echo "Cross-compiled in $((SECONDS - started)) s"

# Headless: no display, no Mono or Gecko prompts, no Wine debug output.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
started=$SECONDS
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
echo "Wine prefix ready in $((SECONDS - started)) s"

started=$SECONDS
status=0
(cd "$work/bin" && timeout 600 "$wine" ./pelimor-windows-tests.exe) 2>&1 | tr -d '\r' || status=$?
echo "Windows tests ran in $((SECONDS - started)) s"
exit "$status"
