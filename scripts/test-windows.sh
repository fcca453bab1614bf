#!/usr/bin/env bash
# The Windows program, proved on Linux, in two parts:
# 1. the platform layer: cross-builds tests/windows (IMAPI2 backend, registry,
#    shell, image stream, sleep lock and the executable's resource script)
#    with MinGW-w64 and runs it under Wine in a fresh, headless prefix;
# 2. the whole program: builds the download (scripts/package-windows.sh,
#    which builds Qt for Windows the first time) and drives the zip's
#    unmodified PelimorISOBurn.exe under Wine on a private X screen, with the
#    stand-in disc-burning service (tests/windows/exe/drive.sh).
# Exits non-zero on any failure. Installs what it needs when missing.
# PELIMOR_WINE_PICTURES=DIR keeps the run's screenshots there.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_packages g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 wine fonts-wine fonts-liberation \
    xvfb xdotool imagemagick unzip cmake make

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
wine=$(find_tool wine64 wine)
wineserver=$(find_tool wineserver64 wineserver)
export WINE=$wine WINESERVER=$wineserver

work=$(mktemp -d /tmp/build-win-test.XXXXXX)
export WINEPREFIX="$work/prefix"
cleanup() {
    WINEPREFIX="$work/prefix" "$wineserver" -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
cmake -S "$repo_root/tests/windows" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" --parallel "$(nproc)" >/dev/null
echo "Cross-compiled in $((SECONDS - started)) s"

# Headless: no display, no Mono or Gecko prompts, no Wine debug output.
(
    unset DISPLAY WAYLAND_DISPLAY
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    started=$SECONDS
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
    echo "Wine prefix ready in $((SECONDS - started)) s"

    started=$SECONDS
    status=0
    (cd "$work/build" && timeout 600 "$wine" ./pelimor-windows-tests.exe) 2>&1 | tr -d '\r' || status=$?
    echo "Windows tests ran in $((SECONDS - started)) s"
    "$wineserver" -k >/dev/null 2>&1 || true
    exit "$status"
)

started=$SECONDS
zip=$("$repo_root/scripts/package-windows.sh" | tail -n1)
echo "Windows download ready in $((SECONDS - started)) s: $zip"

started=$SECONDS
unset DISPLAY WAYLAND_DISPLAY
"$repo_root/tests/windows/exe/drive.sh" "$zip" "$work/build" "${PELIMOR_WINE_PICTURES:-}"
echo "Windows program driven under Wine in $((SECONDS - started)) s"
