#!/usr/bin/env bash
# Drives the unmodified PelimorISOBurn.exe from the Windows zip under Wine,
# as a user would: a fresh prefix set to Windows 10, on a private X screen,
# with keys and clicks from xdotool. Wine has no disc-burning service, so the
# first run meets none; then the stand-in service (tests/windows/comserver)
# is registered under IMAPI2's own class identifiers and burns to a file.
#   drive.sh ZIP HELPER_DIR [PICTURE_DIR]
# HELPER_DIR holds the cross-built drive_helper.exe, imapi2_standin.dll and
# "start marker.exe"; PICTURE_DIR receives the screenshots.
# PELIMOR_WINE_FAULT puts a stand-in fault into the main burn (to see this
# run fail when the service misbehaves).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

zip=$1
helpers=$2
pictures=${3:-}
wine=${WINE:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver}
repo_root=$(cd "$here/../../.." && pwd)
version=$(sed -n -E 's/^set\(PELIMOR_VERSION ([0-9.]+)\)/\1/p' "$repo_root/cmake/version.cmake")
website=$(sed -n -E 's/^set\(PELIMOR_WEBSITE "(.*)"\)/\1/p' "$repo_root/cmake/version.cmake")
caption="$website | Pelimor ISO Burn | ver. $version"
started=$SECONDS
work=$(mktemp -d "${TMPDIR:-/tmp}/pelimor-wine-run.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
# The design's texts are English; Wine takes the user's language from these.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
cleanup() {
    "$wineserver" -k >/dev/null 2>&1 || true
    [ -z "${screen_pid:-}" ] || kill "$screen_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "wine run: stopped at ${BASH_SOURCE[0]}:$LINENO" >&2' ERR

# The zip's own files, in a folder of their own: nothing beside the exe.
mkdir "$work/app" "$work/tools"
unzip -q "$zip" -d "$work/app"
app_exe_win=$(winpath "$work/app/PelimorISOBurn.exe")
cp "$helpers/drive_helper.exe" "$helpers/imapi2_standin.dll" "$helpers/start marker.exe" "$work/tools/"
helper_exe=$work/tools/drive_helper.exe
browser_log=$work/browser.txt

# The open dialog starts in the current folder.
cd "$work"
start_screen
prepare_prefix
start_watching
say "prefix ready in $((SECONDS - started)) s"

# --- no disc-burning service --------------------------------------------------
step=$SECONDS
mark
program_args=()
start_program env
if wait_shown "Microsoft download required" 90; then
    box_says "Microsoft download required" \
        "You're computer requires an update from Microsoft. Visit Microsoft to update now... " \
        "no service: the download box"
    box_says "Microsoft download required" \
        "/kb/932716.\\n\\nOnce you click 'OK' you're browser will open the Microsoft web site follow the directions to install the CD/DVD burning support." \
        "no service: the box names the update article"
    locate "Microsoft download required" && keys Return
else
    fail "no service: no \"Microsoft download required\" box"
fi
wait_program 30 || true
[ "$app_status" = 1 ] && pass "no service: the program ends (exit code 1)" ||
    fail "no service: the program's exit status is $app_status"
[ "$(count_shown "Microsoft download required")" -eq 1 ] && pass "no service: exactly one box" ||
    fail "no service: $(count_shown "Microsoft download required") boxes"
since_mark | grep -q -F "$website | Pelimor ISO Burn" && fail "no service: a main window appeared" ||
    pass "no service: no main window appeared"
for _ in $(seq 50); do [ -s "$browser_log" ] && break; sleep 0.2; done
if grep -q -E '^https?://[^ ]+/kb/932716$' "$browser_log" 2>/dev/null; then
    pass "no service: the browser was given $(cat "$browser_log")"
else
    fail "no service: the browser was given \"$(cat "$browser_log" 2>/dev/null)\""
fi
say "no-service run took $((SECONDS - step)) s"

# --- the stand-in service -------------------------------------------------------
"$wine" regsvr32 /s "$(winpath "$work/tools/imapi2_standin.dll")" >/dev/null 2>&1 ||
    fail "the stand-in service could not be registered"
standin_log=$work/standin.log
image=$work/images/image.iso
mkdir -p "$work/images"
# Not a whole number of sectors, so the last one's tail is seen too.
head -c $((6 * 1024 * 1024 + 777)) /dev/urandom >"$image"
disc=$work/disc.bin
standin=(PELIMOR_STANDIN_LOG="$(winpath "$standin_log")" PELIMOR_STANDIN_DISC="$(winpath "$disc")")

source "$here/drive_main.sh"
source "$here/drive_refusals.sh"
source "$here/drive_erase.sh"

stop_watching
if [ -n "$pictures" ]; then
    mkdir -p "$pictures"
    cp "$work"/windows-*.png "$work"/failure-*.png "$pictures/" 2>/dev/null || true
fi
say "wine run took $((SECONDS - started)) s"
if [ "$failures" -ne 0 ]; then
    echo "wine run: $failures checks FAILED" >&2
    exit 1
fi
say "all checks passed"
