# Helpers of the Windows program's drive under Wine (tests/windows/exe/drive.sh):
# a Wine prefix on a private X screen, the helper that watches it, and the
# user's keys and clicks through xdotool.

say() { echo "wine run: $*"; }
failures=0
fail() {
    echo "wine run: FAILED: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "wine run: ok: $*"; }
# A check that needs the window's thread free while Write runs. Until the
# backend moves the burn off that thread it cannot pass, and is reported as
# not proven instead of failing the run (live_window=unproven, drive.sh).
unproven=0
live_fail() {
    if [ "${live_window:-required}" = required ]; then
        fail "$@"
    else
        echo "wine run: NOT PROVEN (the backend still runs Write on the window's thread): $*" >&2
        unproven=$((unproven + 1))
    fi
}

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Starts Xvfb on a free display and exports DISPLAY.
start_screen() {
    local fifo=$work/displayfd
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$fifo" 2>/dev/null &
    screen_pid=$!
    read -r display_number <"$fifo"
    export DISPLAY=:$display_number
}

# Everything the prefix needs, in one regedit run: Windows 10, every window
# in one virtual desktop the size of the screen (no window manager needed,
# and Wine draws the frames), Liberation Sans wherever Arial is asked for,
# and the stand-in browser for web addresses.
prepare_prefix() {
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
    "$wine" winecfg -v win10 >/dev/null 2>&1
    local browser
    browser=$(reg_string "\"$(winpath "$helper_exe")\" record \"$(winpath "$browser_log")\" \"%1\"")
    cat >"$work/prefix.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Arial"="Liberation Sans"

[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]
@=$browser

[HKEY_CLASSES_ROOT\\https\\shell\\open\\command]
@=$browser
EOF
    "$wine" regedit /S "$(winpath "$work/prefix.reg")" >/dev/null 2>&1
    "$wineserver" -w
}

# A text as a quoted .reg string: backslashes and quotation marks escaped.
reg_string() {
    local text=${1//\\/\\\\}
    printf '"%s"' "${text//\"/\\\"}"
}

helper() { "$wine" "$helper_exe" "$@" 2>/dev/null | tr -d '\r'; }

start_watching() {
    watch_log=$work/watch.log
    : >"$watch_log"
    "$wine" "$helper_exe" watch "$(winpath "$watch_log")" "$(winpath "$work/watch.stop")" >/dev/null 2>&1 &
    watch_pid=$!
}

stop_watching() {
    touch "$work/watch.stop"
    wait "$watch_pid" 2>/dev/null || true
}

# The watch log from the start of the current step on.
mark() { mark_line=$(wc -l <"$watch_log"); }
since_mark() { tail -n +$((mark_line + 1)) "$watch_log"; }

# Waits until a line after the mark matches the extended regular expression.
wait_for() {
    local pattern=$1 deadline=$((SECONDS + ${2:-60}))
    until since_mark | grep -q -E -- "$pattern"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# The number of windows with exactly this caption shown since the mark.
shown_lines() { since_mark | awk -F'\t' -v c="$1" '$1 == "shown" && $2 == c'; }
count_shown() { shown_lines "$1" | wc -l; }
# Waits for a window with exactly this caption to be shown after the mark.
wait_shown() {
    local deadline=$((SECONDS + ${2:-60}))
    until [ -n "$(shown_lines "$1")" ]; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# Brings the window with this caption forward; sets its client origin and
# size (cx cy cw ch) on the screen.
locate() {
    local where
    where=$(helper locate "$1") || return 1
    read -r cx cy cw ch <<<"$where"
}

# Clicks the point (x, y) of the client area of the located window.
click_at() {
    xdotool mousemove $((cx + $1)) $((cy + $2)) click 1
}

keys() { xdotool key --delay 60 "$@"; }

# Starts the program with the given environment; sets app_pid.
start_program() {
    "$@" "$wine" "$app_exe_win" "${program_args[@]}" >/dev/null 2>&1 &
    app_pid=$!
}

# Waits up to N seconds for the program to end; sets app_status.
wait_program() {
    local deadline=$((SECONDS + ${1:-30}))
    while kill -0 "$app_pid" 2>/dev/null; do
        if [ $SECONDS -ge $deadline ]; then
            app_status=timeout
            return 1
        fi
        sleep 0.2
    done
    wait "$app_pid" && app_status=0 || app_status=$?
}

# Copies the text of the message box with this caption (Ctrl+C, as a user
# copies a box's text) and checks that it holds the prompt.
box_says() {
    local title=$1 prompt=$2 what=$3
    locate "$title" || { fail "$what: no box titled \"$title\""; return 1; }
    local step_mark=$mark_line status=0
    mark
    keys ctrl+c
    if wait_for "^clipboard.*$(printf '%s' "$prompt" | sed 's/[][\.*^$()+?{}|]/\\&/g')" 10; then
        pass "$what"
    else
        fail "$what: the box \"$title\" does not say \"$prompt\": $(since_mark | grep '^clipboard' | tail -n1)"
        status=1
    fi
    mark_line=$step_mark
    return $status
}

# Saves the window with this caption, frame and all, as a PNG.
picture() {
    local caption=$1 out=$2 frame
    frame=$(helper frame "$caption") || return 1
    read -r fx fy fw fh <<<"$frame"
    import -window root -crop "${fw}x${fh}+${fx}+${fy}" +repage "$out"
}
