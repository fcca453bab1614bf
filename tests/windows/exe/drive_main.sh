# One session of the program with the stand-in service, as a user has it:
# the main window, Browse, the About dialog, a burn to the file and a burn
# stopped by closing the window. Sourced by drive.sh.

# Client-area points of the controls (their designed twips / 15).
at_burn=(344 248)
at_browse=(394 198)
at_status=(212 79)
at_about=(45 267)
first_row=(14 128 380 14) # x y width height, below the list's header

step=$SECONDS
browsed=0
mark
program_args=()
start_program env "${standin[@]}" PELIMOR_STANDIN_BURN_MS=8000 ${PELIMOR_WINE_FAULT:+PELIMOR_STANDIN_FAULT=$PELIMOR_WINE_FAULT}
if ! wait_shown "$caption" 90; then
    fail "stand-in: no main window \"$caption\""
    return 0
fi
size=$(shown_lines "$caption" | head -n1 | cut -f3)
[ "$size" = 425x280 ] && pass "main window: \"$caption\", client area 425x280" ||
    fail "main window: client area $size, not 425x280"
sleep 2
locate "$caption"
picture "$caption" "$work/windows-main.png"
# The drive row holds text: the first row is not blank, as it is with no recorder.
row=$(convert "$work/windows-main.png" -crop "${first_row[2]}x${first_row[3]}+$((cx - fx + first_row[0]))+$((cy - fy + first_row[1]))" \
    -colorspace Gray -format '%[fx:mean]' info:)
awk -v m="$row" 'BEGIN { exit !(m < 0.97) }' && pass "main window: the drive row is filled" ||
    fail "main window: the drive row is blank (mean brightness $row)"

# --- Browse -------------------------------------------------------------------
mark
click_at "${at_browse[@]}"
# Wine's open dialog has no caption: it is the large window that appears.
open_dialog() { since_mark | awk -F'\t' '$1 == "shown" && $3 ~ /^[0-9]+x/ && $3 + 0 >= 300 { print $4; exit }'; }
for _ in $(seq 150); do [ -z "$(open_dialog)" ] || break; sleep 0.2; done
dialog=$(open_dialog)
if [ -n "$dialog" ]; then
    sleep 1
    if helper combos "$dialog" | grep -q -F -x "ISO files(*.iso)"; then
        pass "browse: the open dialog offers \"ISO files(*.iso)\""
    else
        fail "browse: the open dialog offers $(helper combos "$dialog" | tr '\n' ' ')"
    fi
    locate "$dialog"
    xdotool type --delay 20 "$(winpath "$image")"
    keys Return
    wait_for $'^gone\t.*\t'"$dialog"'$' 20 || fail "browse: the open dialog did not close"
    # The path box is disabled by design, so it cannot be read as a user
    # would copy it; the burn below, started with nothing on the command
    # line, burns whatever it holds.
    browsed=1
else
    fail "browse: no open dialog"
fi

# --- About ----------------------------------------------------------------------
locate "$caption"
mark
click_at "${at_about[@]}"
if wait_shown "About PelimorISOBurn" 30; then
    pass "about: the dialog \"About PelimorISOBurn\" opens"
    sleep 1
    picture "About PelimorISOBurn" "$work/windows-about.png"
    locate "About PelimorISOBurn"
    keys alt+s
    if wait_shown "PelimorISOBurn" 20; then
        box_says "PelimorISOBurn" "System Information Is Unavailable At This Time" "about: Alt+S without the keys"
        keys Return
    else
        fail "about: Alt+S without the keys shows no box"
    fi
    marker=$work/tools/start\ marker.exe
    "$wine" reg add 'HKLM\Software\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d "$(winpath "$marker")" /f \
        >/dev/null 2>&1
    locate "About PelimorISOBurn"
    keys alt+s
    for _ in $(seq 75); do [ -e "$marker.started" ] && break; sleep 0.2; done
    [ -e "$marker.started" ] && pass "about: Alt+S starts the program the MSINFO PATH value names" ||
        fail "about: Alt+S did not start the MSINFO program"
    locate "About PelimorISOBurn" && keys Escape
else
    fail "about: no About dialog"
fi

# --- a burn to the file ---------------------------------------------------------
source "$here/drive_burn.sh"
