# The refusals and the failed burns, one start of the program each, with the
# stand-in service set up for the case. Sourced by drive.sh.

# refusal WHAT TITLE PROMPT VARIABLE=VALUE...
refusal() {
    local what=$1 title=$2 prompt=$3
    shift 3
    rm -f "$standin_log"
    mark
    program_args=("$(winpath "$image")")
    start_program env "${standin[@]}" PELIMOR_STANDIN_BURN_MS=1500 "$@"
    if ! wait_shown "$caption" 90; then
        fail "$what: no main window"
        return 0
    fi
    sleep 1
    locate "$caption"
    click_at "${at_burn[@]}"
    if wait_shown "$title" 60; then
        box_says "$title" "$prompt" "$what: one \"$title\" box"
        keys Return
        sleep 1
        [ "$(count_shown "$title")" -eq 1 ] || fail "$what: $(count_shown "$title") \"$title\" boxes"
        [ "$(count_shown "Complete")" -eq 0 ] || fail "$what: a \"Complete\" box too"
    else
        fail "$what: no \"$title\" box ($(since_mark | grep -E $'^shown\t' | cut -f2 | tr '\n' '|'))"
    fi
    locate "$caption" && keys alt+F4
    wait_program 30 || { fail "$what: the program did not end when its window was closed"; kill "$app_pid" 2>/dev/null || true; }
}

step=$SECONDS
refusal "media state 4" "Media status - 4" "Insert a new/blank CD! Please insert a blank CD and try again." \
    PELIMOR_STANDIN_MEDIA_STATE=4
refusal "no supported disc" "Media not supported" \
    "No CD in drive or current media not support. Please insert a blank CD and try again." \
    PELIMOR_STANDIN_MEDIA_SUPPORTED=0
refusal "recorder not supported" "Recorder not supported" "Recorder not support. Try another CDROM drive." \
    PELIMOR_STANDIN_RECORDER_SUPPORTED=0
refusal "write failure" "Burn failed" "The burn did not complete: " PELIMOR_STANDIN_FAULT=write-error
# A writer that takes half the image and reports success has not burnt it.
refusal "writer stopping halfway with success" "Burn failed" "The burn did not complete: " \
    PELIMOR_STANDIN_FAULT=stop-halfway
awk '/write returned 0x00000000 after/ { if ($5 < $7) half = 1 } END { exit !half }' "$standin_log" 2>/dev/null ||
    fail "writer stopping halfway: the stand-in did not stop halfway ($(tail -n1 "$standin_log" 2>/dev/null))"
say "refusals took $((SECONDS - step)) s"
