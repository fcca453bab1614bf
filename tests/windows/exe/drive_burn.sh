# The burns of the main session (sourced by drive_main.sh): one to the file,
# with the status line read and photographed while Write runs, then one
# stopped by closing the window.

# Reads the status line through the clipboard and photographs it, about
# twice a second, until a window with this caption appears.
watch_status() {
    local until_caption=$1 n=0 deadline=$((SECONDS + 90))
    mkdir -p "$work/status"
    locate "$caption"
    click_at "${at_status[@]}"
    while [ -z "$(shown_lines "$until_caption")" ] && [ $SECONDS -lt $deadline ]; do
        n=$((n + 1))
        import -window root -crop "393x19+$((cx + 16))+$((cy + 70))" +repage "$work/status/$n.png" 2>/dev/null || true
        if [ "$n" -eq 8 ]; then
            # The picture without the text cursor this reading puts there.
            click_at "${first_row[0]}" "${first_row[1]}"
            sleep 0.4
            picture "$caption" "$work/windows-burn.png" || true
            click_at "${at_status[@]}"
        fi
        keys ctrl+a ctrl+c
        sleep 0.3
    done
}

rm -f "$disc" "$standin_log"
locate "$caption"
mark
click_at "${at_burn[@]}"
watch_status "Complete"
if wait_shown "Complete" 5; then
    box_says "Complete" "ISO burn complete!" "burn: the \"Complete\" box"
    statuses=$(since_mark | awk -F'\t' '$1 == "clipboard" { print $2 }')
    keys Return
    sleep 1
    [ "$(count_shown "Complete")" -eq 1 ] && pass "burn: one \"Complete\" box" ||
        fail "burn: $(count_shown "Complete") \"Complete\" boxes"
    [ "$(count_shown "Burn failed")" -eq 0 ] || fail "burn: a \"Burn failed\" box too"
    # Recorders write whole 2048-byte sectors: the image, then zeros.
    size=$(stat -c %s "$image")
    padded=$(((size + 2047) / 2048 * 2048))
    if cmp -s -n "$size" "$image" "$disc" && [ "$(stat -c %s "$disc" 2>/dev/null)" = "$padded" ] &&
        cmp -s -i "$size:0" -n $((padded - size)) "$disc" /dev/zero; then
        pass "burn: the file holds the image byte for byte ($size bytes, padded to $padded)"
        [ "$browsed" -eq 0 ] || pass "browse: the chosen file filled the path box (the burn wrote that file)"
    else
        fail "burn: the file does not hold the image"
    fi
    # The status line moves: distinct percentages, rising, then verification.
    percentages=$(printf '%s\n' "$statuses" | sed -n -E 's/^Progress:  ([0-9.]+)%$/\1/p' | uniq)
    if [ "$(printf '%s\n' "$percentages" | grep -c .)" -ge 2 ] &&
        printf '%s\n' "$percentages" | sort -n -c 2>/dev/null; then
        pass "burn: the status line rises: $(echo $percentages | tr ' ' ',')"
    else
        fail "burn: the status line did not pass through rising percentages while Write ran (read: $(printf '%s\n' "$statuses" | sort -u | tr '\n' '|'))"
    fi
    printf '%s\n' "$statuses" | grep -q '^Verifying the data\.' && pass "burn: the status line said \"Verifying the data.\"" ||
        fail "burn: the status line never said \"Verifying the data.\""
    pictures_seen=$(md5sum "$work"/status/*.png 2>/dev/null | cut -d' ' -f1 | sort -u | wc -l)
    [ "$pictures_seen" -ge 3 ] && pass "burn: the window repaints during Write ($pictures_seen different status lines on screen)" ||
        fail "burn: the window did not repaint during Write ($pictures_seen different status lines on screen)"
else
    fail "burn: no \"Complete\" box ($(since_mark | grep -E $'^shown\t' | cut -f2 | tr '\n' '|'))"
    locate "Burn failed" && keys Return
fi

# --- closing the window mid-burn ----------------------------------------------
rm -f "$standin_log"
locate "$caption"
mark
click_at "${at_burn[@]}"
sleep 3
locate "$caption"
keys alt+F4
if wait_shown "PelimorISOBurn" 3; then
    box_says "PelimorISOBurn" "Stop the burn?" "stop: closing mid-burn asks the stop question at once"
    keys y
    if wait_shown "Burn failed" 10; then
        pass "stop: Yes ends in the \"Burn failed\" box"
        grep -q 'write returned 0xC0AA0002' "$standin_log" && pass "stop: the service's Write was cancelled" ||
            fail "stop: the service's Write was not cancelled: $(cat "$standin_log")"
        locate "Burn failed" && keys Return
    else
        fail "stop: Yes did not end the burn within 10 s"
    fi
else
    fail "stop: no stop question within 3 s of closing the window mid-burn"
    # Whatever came up instead is answered, so the session can end.
    for _ in $(seq 60); do
        for box in PelimorISOBurn Complete "Burn failed"; do
            if [ -n "$(shown_lines "$box")" ] && locate "$box"; then
                [ "$box" = PelimorISOBurn ] && keys y || keys Return
                mark
            fi
        done
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.5
    done
fi
wait_program 30 || { fail "stop: the program did not end after the stopped burn"; kill "$app_pid" 2>/dev/null || true; }
say "main session took $((SECONDS - step)) s"
