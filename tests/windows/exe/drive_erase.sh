# A used CD-RW in the stand-in recorder: the refusal, then the erase
# question, answered No (the disc file keeps every byte) and Yes (the
# service's eraser blanks it, the status line says so, and the image is
# burnt). One start of the program each. Sourced by drive.sh.

# erase_run y|n
erase_run() {
    local answer=$1 what="erase, $1" statuses
    head -c $((900 * 1024)) /dev/urandom >"$disc"
    cp "$disc" "$work/disc-before.bin"
    rm -f "$standin_log"
    mark
    program_args=("$(winpath "$image")")
    start_program env "${standin[@]}" PELIMOR_STANDIN_BURN_MS=1500 PELIMOR_STANDIN_ERASE_MS=4000 \
        PELIMOR_STANDIN_MEDIA_STATE=0x4000 PELIMOR_STANDIN_MEDIA_TYPE=3 PELIMOR_STANDIN_PHYSICALLY_BLANK=0
    if ! wait_shown "$caption" 90; then
        fail "$what: no main window"
        return 0
    fi
    sleep 1
    locate "$caption"
    click_at "${at_burn[@]}"
    if ! wait_shown "Media status - 16384" 60; then
        fail "$what: no \"Media status - 16384\" box first"
        locate "$caption" && keys alt+F4
        wait_program 30 || kill "$app_pid" 2>/dev/null || true
        return 0
    fi
    locate "Media status - 16384" && keys Return
    if wait_shown "Erase the disc?" 10; then
        box_says "Erase the disc?" "The disc in PELIMOR EMUL-DVDRW is a rewritable disc that holds data." \
            "$what: the question names the recorder"
        [ "$answer" = n ] || picture "Erase the disc?" "$work/windows-erase.png" || true
        keys "$answer"
    else
        fail "$what: no \"Erase the disc?\" question after the refusal"
    fi
    if [ "$answer" = n ]; then
        sleep 2
        [ "$(count_shown "Complete")" -eq 0 ] && [ "$(count_shown "Burn failed")" -eq 0 ] ||
            fail "$what: a box came after No"
        cmp -s "$disc" "$work/disc-before.bin" && pass "$what: the disc is byte for byte what it was" ||
            fail "$what: the disc changed"
        grep -q 'erase started\|write started' "$standin_log" 2>/dev/null &&
            fail "$what: the service was asked to erase or write: $(cat "$standin_log")"
    else
        # The status line during the blank, read through the clipboard.
        locate "$caption"
        click_at "${at_status[@]}"
        local deadline=$((SECONDS + 60))
        while [ -z "$(shown_lines "Complete")$(shown_lines "Burn failed")" ] && [ $SECONDS -lt $deadline ]; do
            keys ctrl+a ctrl+c
            sleep 0.3
        done
        statuses=$(since_mark | awk -F'\t' '$1 == "clipboard" { print $2 }')
        printf '%s\n' "$statuses" | grep -q '^Formatting media ' &&
            pass "$what: the status line said \"Formatting media \" during the blank" ||
            fail "$what: the status line never said \"Formatting media \" ($(printf '%s\n' "$statuses" | sort -u | tr '\n' '|'))"
        if wait_shown "Complete" 5; then
            box_says "Complete" "ISO burn complete!" "$what: the image was burnt after the blank"
            keys Return
            grep -q 'disc blanked' "$standin_log" && pass "$what: the service's eraser blanked the disc" ||
                fail "$what: no blank by the service: $(cat "$standin_log")"
            cmp -s -n "$(stat -c %s "$image")" "$image" "$disc" && pass "$what: the disc holds the image" ||
                fail "$what: the disc does not hold the image"
        else
            fail "$what: no \"Complete\" box ($(since_mark | grep -E $'^shown\t' | cut -f2 | tr '\n' '|'))"
            locate "Burn failed" && keys Return
        fi
    fi
    sleep 1
    locate "$caption" && keys alt+F4
    wait_program 30 || { fail "$what: the program did not end"; kill "$app_pid" 2>/dev/null || true; }
}

step=$SECONDS
erase_run n
erase_run y
say "erase runs took $((SECONDS - step)) s"
