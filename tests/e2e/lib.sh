# shellcheck shell=bash
# shellcheck disable=SC2034 # the E2E_ variables are read by the scripts that source this file
# Shared helpers of the end-to-end tests, sourced by each test script: a private X server,
# a Wine prefix that no other run uses at the same time, the picker started and stopped by
# its PID, the probe that reads it from outside, and pass/fail bookkeeping.
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init NAME [TINTAVO_EXE [PROBE_EXE]]
#   e2e_start_xvfb; e2e_acquire_prefix; e2e_prepare_prefix 96; e2e_start_tintavo
#   ... checks ...
#   e2e_finish

E2E_REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

E2E_NAME=""
E2E_PASSED=0
E2E_FAILED=0
E2E_RUN_DIR=""
E2E_WORK_DIR=""
E2E_TINTAVO_EXE=""
E2E_PROBE_EXE=""
E2E_XVFB_PID=""
E2E_PREFIX_LOCK_FD=""
E2E_TINTAVO_PID=""
E2E_TINTAVO_WINPID=""
E2E_TINTAVO_STATUS=""
E2E_LAST_OUTPUT=""
E2E_FIELDS=()
E2E_FINISHED=0
E2E_BACKGROUND_PIDS=()
E2E_BACKGROUND_PID=""

# The picker's window as the last e2e_read_window found it: the frame's position and size and
# the client area's top-left corner, on the screen.
E2E_FRAME_X=0
E2E_FRAME_Y=0
E2E_FRAME_W=0
E2E_FRAME_H=0
E2E_CLIENT_X=0
E2E_CLIENT_Y=0

# The picker's status line while it samples and while it holds the colour.
E2E_STATUS_SAMPLING="色取得中...<ENTER>キーで確定"
E2E_STATUS_HELD="<ENTER>キーで色取得開始"

# The private X server's screen.
E2E_SCREEN_WIDTH=1280
E2E_SCREEN_HEIGHT=1024

e2e_log() {
    printf '%s\n' "$*" >&2
}

# Paths default to the windows preset's build directory. Logs, screenshots and the cached
# Wine prefixes live in an e2e folder beside the probe.
e2e_init() {
    E2E_NAME=$1
    E2E_TINTAVO_EXE=$(realpath -m "${2:-$E2E_REPO_DIR/build/windows/tintavo.exe}")
    E2E_PROBE_EXE=$(realpath -m "${3:-$E2E_REPO_DIR/build/windows/probe.exe}")
    local exe
    for exe in "$E2E_TINTAVO_EXE" "$E2E_PROBE_EXE"; do
        if [[ ! -f $exe ]]; then
            e2e_log "e2e $E2E_NAME: $exe not found; build the windows preset first"
            exit 2
        fi
    done
    E2E_WORK_DIR=$(dirname "$E2E_PROBE_EXE")/e2e
    E2E_RUN_DIR=$E2E_WORK_DIR/$E2E_NAME
    rm -rf "$E2E_RUN_DIR"
    mkdir -p "$E2E_RUN_DIR"

    # Quiet Wine, and no Mono or Gecko installer prompts, which would wait for a click forever.
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    unset WINEPREFIX

    set -E
    trap 'e2e_log "e2e $E2E_NAME: status $? from: $BASH_COMMAND (${BASH_SOURCE[0]}:$LINENO)"' ERR
    trap e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

e2e_now_us() {
    local now=${EPOCHREALTIME/./}
    printf '%s' "${now/,/}"
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds (status 0) or
# SECONDS have passed (status 1).
wait_until() {
    local deadline=$(($(e2e_now_us) + $1 * 1000000))
    shift
    while true; do
        if "$@"; then
            return 0
        fi
        if (($(e2e_now_us) >= deadline)); then
            return 1
        fi
        sleep 0.1
    done
}

# Runs COMMAND, keeps its output in E2E_LAST_OUTPUT and succeeds when the output is EXPECTED.
e2e_output_is() {
    local expected=$1
    shift
    E2E_LAST_OUTPUT=$("$@") || E2E_LAST_OUTPUT="(failed: $E2E_LAST_OUTPUT)"
    [[ $E2E_LAST_OUTPUT == "$expected" ]]
}

e2e_pass() {
    E2E_PASSED=$((E2E_PASSED + 1))
    printf 'ok   %s\n' "$1"
}

e2e_fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    printf 'FAIL %s\n' "$1"
}

# assert_eq DESCRIPTION EXPECTED ACTUAL
assert_eq() {
    if [[ $3 == "$2" ]]; then
        e2e_pass "$1"
    else
        e2e_fail "$1: expected '$2', got '$3'"
    fi
}

# assert_eventually_eq DESCRIPTION SECONDS EXPECTED COMMAND...: COMMAND's output becomes EXPECTED
# within SECONDS.
assert_eventually_eq() {
    local description=$1 seconds=$2 expected=$3
    shift 3
    if wait_until "$seconds" e2e_output_is "$expected" "$@"; then
        e2e_pass "$description"
    else
        e2e_fail "$description: expected '$expected' within ${seconds} s, last got '$E2E_LAST_OUTPUT'"
    fi
}

# Succeeds when every number of the space-separated list ACTUAL is within TOLERANCE of the
# same number of EXPECTED.
e2e_numbers_near() {
    local -a expected actual
    read -r -a expected <<<"$1"
    read -r -a actual <<<"$2"
    local tolerance=$3 i difference
    ((${#expected[@]} == ${#actual[@]})) || return 1
    for i in "${!expected[@]}"; do
        [[ ${actual[i]} =~ ^-?[0-9]+$ ]] || return 1
        difference=$((actual[i] - expected[i]))
        ((difference <= tolerance && difference >= -tolerance)) || return 1
    done
}

# assert_stays_eq DESCRIPTION SECONDS EXPECTED COMMAND...: COMMAND's output is EXPECTED and
# stays so, checked every 0.1 s for SECONDS; fails at the first other output.
assert_stays_eq() {
    local description=$1 seconds=$2 steady=$3
    shift 3
    if wait_until "$seconds" e2e_output_differs "$steady" "$@"; then
        e2e_fail "$description: expected '$steady' for ${seconds} s, got '$E2E_LAST_OUTPUT'"
    else
        e2e_pass "$description"
    fi
}

e2e_output_differs() {
    ! e2e_output_is "$@"
}

# assert_near DESCRIPTION "EXPECTED NUMBERS" "ACTUAL NUMBERS" TOLERANCE
assert_near() {
    if e2e_numbers_near "$2" "$3" "$4"; then
        e2e_pass "$1"
    else
        e2e_fail "$1: expected '$2' (±$4), got '$3'"
    fi
}

# Splits a tab-separated probe line into E2E_FIELDS, keeping empty fields in place.
e2e_split_tabs() {
    IFS=$'\x1f' read -r -a E2E_FIELDS <<<"${1//$'\t'/$'\x1f'}" || true
}

# Prints the test's tally and ends the script: status 0 only if nothing failed.
e2e_finish() {
    E2E_FINISHED=1
    printf 'e2e %s: %d passed, %d failed\n' "$E2E_NAME" "$E2E_PASSED" "$E2E_FAILED"
    if ((E2E_FAILED > 0)); then
        e2e_log "logs and screenshots: $E2E_RUN_DIR"
        exit 1
    fi
    exit 0
}

# Ends the test at once after a failure that leaves nothing else to check.
e2e_abort() {
    e2e_fail "$1"
    # A picker that ended by itself says so, with its exit status: WINEDEBUG=-all hides crashes.
    if [[ -n $E2E_TINTAVO_PID ]] && ! e2e_tintavo_running; then
        local status=0
        wait "$E2E_TINTAVO_PID" 2>/dev/null || status=$?
        e2e_log "tintavo.exe had ended by itself, exit status $status"
    fi
    local log
    for log in "$E2E_RUN_DIR"/*.log; do
        [[ -s $log ]] || continue
        e2e_log "--- $(basename "$log") (last lines)"
        tail -n 20 "$log" >&2
    done
    e2e_finish
}

e2e_display_ready() {
    [[ -s $1 ]] && kill -0 "$E2E_XVFB_PID" 2>/dev/null &&
        xdpyinfo -display ":$(<"$1")" >/dev/null 2>&1
}

# Starts a private Xvfb on a display number that it picks itself (the first free one), waits
# until it answers and exports DISPLAY. -noreset keeps the root colour when clients come and go.
e2e_start_xvfb() {
    local display_file=$E2E_RUN_DIR/display
    : >"$display_file"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -noreset -nolisten tcp \
        3>"$display_file" >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    if ! wait_until 20 e2e_display_ready "$display_file"; then
        e2e_abort "Xvfb did not start"
    fi
    DISPLAY=":$(<"$display_file")"
    export DISPLAY
}

# Takes one of a few cached prefixes under the build directory, the first that no other run
# holds, creating it on first use. The lock lives as long as this shell: Wine processes are
# started without its descriptor (e2e_unlocked), so that a wineserver left behind by a killed
# run cannot keep the prefix locked; the next run that takes the prefix ends that session.
e2e_acquire_prefix() {
    mkdir -p "$E2E_WORK_DIR"
    local slot fd
    for slot in 0 1 2 3; do
        exec {fd}>"$E2E_WORK_DIR/wineprefix-$slot.lock"
        if flock -n "$fd"; then
            E2E_PREFIX_LOCK_FD=$fd
            export WINEPREFIX=$E2E_WORK_DIR/wineprefix-$slot
            break
        fi
        exec {fd}>&-
    done
    if [[ -z $E2E_PREFIX_LOCK_FD ]]; then
        exec {fd}>"$E2E_WORK_DIR/wineprefix-0.lock"
        flock -w 900 "$fd" || e2e_abort "every Wine prefix stayed busy"
        E2E_PREFIX_LOCK_FD=$fd
        export WINEPREFIX=$E2E_WORK_DIR/wineprefix-0
    fi

    # A run that was killed may have left its session running, bound to a display that is gone.
    wineserver -k >/dev/null 2>&1 || true
    if [[ ! -f $WINEPREFIX/.e2e-ready ]]; then
        rm -rf "$WINEPREFIX"
        e2e_log "e2e $E2E_NAME: creating Wine prefix $WINEPREFIX"
        if ! e2e_unlocked timeout 300 wineboot -i >>"$E2E_RUN_DIR/wineboot.log" 2>&1 ||
            ! timeout 60 wineserver -w; then
            e2e_abort "wineboot -i failed"
        fi
        # Debian's Wine 8 does not look for its own fonts where fonts-wine installs them, so
        # the title bar buttons (Marlett) show as letters; the prefix's Fonts folder is searched.
        if [[ -d /usr/share/wine/fonts ]]; then
            cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        touch "$WINEPREFIX/.e2e-ready"
    fi
}

# Test settings of the prefix, then a fresh session so that they take effect:
# Wine draws the frame and runs the move loop itself (there is no window manager), a crash
# ends the process instead of waiting in a dialog, the DPI that Wine reports, and menus and
# captions (Tahoma) fall back on IPAPGothic for Japanese: a REG_MULTI_SZ in REGEDIT4's hex form.
e2e_prepare_prefix() {
    local dpi=${1:-96}
    local reg_file=$E2E_RUN_DIR/settings.reg
    printf '%s\r\n' 'REGEDIT4' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$(printf '%08x' "$dpi")" '' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]' \
        "\"Tahoma\"=hex(7):$(printf 'ipagp.ttf,IPAPGothic' | od -An -v -tx1 | tr -s ' \n' ',' | cut -c2-)00,00" '' \
        >"$reg_file"
    # Drive Z: of a new prefix is the Unix root.
    if ! e2e_unlocked timeout 60 wine regedit /S "Z:${reg_file//\//\\}" >>"$E2E_RUN_DIR/wine.log" 2>&1; then
        e2e_abort "the test settings could not be written to the prefix"
    fi
    wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w || true
}

# Runs a command without the prefix lock's descriptor.
e2e_unlocked() {
    if [[ -n $E2E_PREFIX_LOCK_FD ]]; then
        "$@" {E2E_PREFIX_LOCK_FD}>&-
    else
        "$@"
    fi
}

# probe ARGS...: runs the probe under the test's prefix and display; never hangs.
# probe COMMAND...: runs probe.exe on the picker's window, or on the window whose class
# E2E_PROBE_WINDOW names.
probe() {
    e2e_unlocked timeout 10 wine "$E2E_PROBE_EXE" ${E2E_PROBE_WINDOW:+--window "$E2E_PROBE_WINDOW"} "$@" \
        2>>"$E2E_RUN_DIR/probe.log"
}

e2e_tintavo_running() {
    [[ -n $E2E_TINTAVO_PID ]] || return 1
    kill -0 "$E2E_TINTAVO_PID" 2>/dev/null || return 1
    local state
    state=$(awk '{ print $3 }' "/proc/$E2E_TINTAVO_PID/stat" 2>/dev/null) || return 1
    [[ $state != Z ]]
}

e2e_tintavo_gone() {
    ! e2e_tintavo_running
}

e2e_window_shown() {
    local line
    line=$(probe window) || return 1
    e2e_split_tabs "$line"
    [[ ${E2E_FIELDS[6]:-0} == 1 ]]
}

# Starts tintavo.exe in the background (wine execs into it, so $! is its own PID) and waits
# for its window to be shown. Also keeps the Windows process ID, by which the probe counts the
# process's windows.
e2e_start_tintavo() {
    E2E_TINTAVO_STATUS=""
    wine "$E2E_TINTAVO_EXE" >>"$E2E_RUN_DIR/tintavo.log" 2>&1 {E2E_PREFIX_LOCK_FD}>&- &
    E2E_TINTAVO_PID=$!
    if ! wait_until 30 e2e_window_shown; then
        e2e_abort "the window of tintavo.exe did not appear within 30 s"
    fi
    E2E_TINTAVO_WINPID=$(probe pid) || e2e_abort "the probe cannot tell the picker's process"
}

# Waits up to SECONDS for the picker to end and keeps its exit status in E2E_TINTAVO_STATUS.
e2e_wait_tintavo_exit() {
    wait_until "$1" e2e_tintavo_gone || return 1
    E2E_TINTAVO_STATUS=0
    wait "$E2E_TINTAVO_PID" 2>/dev/null || E2E_TINTAVO_STATUS=$?
    E2E_TINTAVO_PID=""
}

# Closes the window and, should the picker not end by itself, kills it by PID.
e2e_stop_tintavo() {
    [[ -n $E2E_TINTAVO_PID ]] || return 0
    if e2e_tintavo_running; then
        probe close >/dev/null || true
        if e2e_wait_tintavo_exit 10; then
            return 0
        fi
        kill "$E2E_TINTAVO_PID" 2>/dev/null || true
    fi
    e2e_wait_tintavo_exit 10 || true
}

# Moves the pointer and waits until it is there. xdotool's --sync waits for a motion, and
# when the pointer already rests at the target none comes until its 15 s timeout.
e2e_pointer_to() {
    local x y
    read -r x y _ <<<"$(xdotool getmouselocation)"
    if [[ $x != "x:$1" || $y != "y:$2" ]]; then
        xdotool mousemove --sync "$1" "$2"
    fi
}

# Saves the screen area of the picker's window, frame included, as a PNG file.
e2e_screenshot() {
    local line left top width height
    line=$(probe window) || return 1
    e2e_split_tabs "$line"
    left=${E2E_FIELDS[4]} top=${E2E_FIELDS[5]} width=${E2E_FIELDS[7]} height=${E2E_FIELDS[8]}
    if ((left < 0)); then
        width=$((width + left)) left=0
    fi
    if ((top < 0)); then
        height=$((height + top)) top=0
    fi
    mkdir -p "$(dirname "$1")"
    /usr/bin/import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage "$1"
}

# Keeps the PID of a helper that the test started in the background; e2e_cleanup ends it
# should it still run.
e2e_track_pid() {
    E2E_BACKGROUND_PIDS+=("$1")
}

# e2e_probe_in_background FILE ARGS...: starts the probe in the background with its output in
# FILE, keeps its PID (the probe's own, as wine execs into it) in E2E_BACKGROUND_PID and has
# e2e_cleanup end it should it still run.
e2e_probe_in_background() {
    local output=$1
    shift
    wine "$E2E_PROBE_EXE" "$@" >"$output" 2>>"$E2E_RUN_DIR/probe.log" {E2E_PREFIX_LOCK_FD}>&- &
    E2E_BACKGROUND_PID=$!
    e2e_track_pid "$E2E_BACKGROUND_PID"
}

# Succeeds while PID is a child of this shell, so that a PID reused since is never killed.
e2e_is_child() {
    local stat parent
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    read -r _ parent _ <<<"${stat##*) }"
    [[ $parent == "$$" ]]
}

# Succeeds while the process PID runs (exists and has not ended as a zombie).
e2e_process_running() {
    local stat state
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    read -r state _ <<<"${stat##*) }"
    [[ $state != Z ]]
}

# Reads the picker's window geometry into the E2E_FRAME_ and E2E_CLIENT_ variables.
e2e_read_window() {
    local line
    line=$(probe window) || return 1
    e2e_split_tabs "$line"
    E2E_FRAME_X=${E2E_FIELDS[4]} E2E_FRAME_Y=${E2E_FIELDS[5]}
    E2E_FRAME_W=${E2E_FIELDS[7]} E2E_FRAME_H=${E2E_FIELDS[8]}
    E2E_CLIENT_X=${E2E_FIELDS[9]} E2E_CLIENT_Y=${E2E_FIELDS[10]}
}

# e2e_control_rect ID: prints the control's x, y, width and height in the client area.
e2e_control_rect() {
    local lines line
    lines=$(probe controls) || return 1
    while IFS= read -r line; do
        e2e_split_tabs "$line"
        if [[ ${E2E_FIELDS[0]} == "$1" ]]; then
            printf '%s %s %s %s\n' "${E2E_FIELDS[2]}" "${E2E_FIELDS[3]}" "${E2E_FIELDS[4]}" "${E2E_FIELDS[5]}"
            return 0
        fi
    done <<<"$lines"
    return 1
}

# e2e_click_client X Y [BUTTON]: clicks a point of the client area, given in client pixels, as
# of the last e2e_read_window; with the left button unless told.
e2e_click_client() {
    e2e_pointer_to $((E2E_CLIENT_X + $1)) $((E2E_CLIENT_Y + $2))
    xdotool click "${3:-1}"
}

# e2e_click_control ID [BUTTON]: clicks the middle of a control.
e2e_click_control() {
    local rect x y width height
    rect=$(e2e_control_rect "$1") || return 1
    read -r x y width height <<<"$rect"
    e2e_read_window || return 1
    e2e_click_client $((x + width / 2)) $((y + height / 2)) "${2:-1}"
}

# e2e_type_into ID TEXT: puts the focus into an edit control by a click and replaces its text
# by typing TEXT; an empty TEXT deletes it. Wine's edit control ignores Ctrl+A, so End and
# Shift+Home select the text.
e2e_type_into() {
    e2e_focus_edit "$1" || return 1
    xdotool key shift+Home
    if [[ -n $2 ]]; then
        xdotool type -- "$2"
    else
        xdotool key BackSpace
    fi
}

# e2e_append_into ID TEXT: types TEXT behind the edit control's text.
e2e_append_into() {
    e2e_focus_edit "$1" || return 1
    xdotool type -- "$2"
}

# Puts the focus into an edit control by a click, with the caret behind its text.
e2e_focus_edit() {
    e2e_click_control "$1" || return 1
    wait_until 5 e2e_output_is "$1" probe focus-id || return 1
    xdotool key End
}

# Rests the pointer on the bare root window, in a corner of the screen that the picker's
# window leaves free.
e2e_park_pointer() {
    e2e_read_window || return 1
    local corner x y
    for corner in "$((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))" "$((E2E_SCREEN_WIDTH - 8)) 8" \
        "8 $((E2E_SCREEN_HEIGHT - 8))" "8 8"; do
        read -r x y <<<"$corner"
        if ((x < E2E_FRAME_X || x >= E2E_FRAME_X + E2E_FRAME_W || y < E2E_FRAME_Y ||
            y >= E2E_FRAME_Y + E2E_FRAME_H)); then
            e2e_pointer_to "$x" "$y"
            return 0
        fi
    done
    return 1
}

# Gives the picker's window the X keyboard focus, so that keys reach it wherever the pointer
# rests: with no window manager they otherwise go to the window under the pointer.
e2e_focus_tintavo() {
    local window
    window=$(xdotool search --all --pid "$E2E_TINTAVO_PID" --name '^Tintavo!$' 2>/dev/null | head -n 1)
    [[ -n $window ]] || return 1
    timeout 10 xdotool windowfocus --sync "$window"
}

# Presses Enter in the picker's window wherever the pointer rests; Enter holds or resumes
# the sampling.
e2e_press_enter() {
    e2e_focus_tintavo || return 1
    xdotool key Return
}

# Gives the picker the keyboard focus and waits until Wine has made it the foreground window,
# which the window menu's keys need. When another program's window was ended while it had the
# focus, X has moved the focus on but Wine activates nothing: a click on the banner, the form's
# own surface, does.
e2e_picker_to_front() {
    e2e_focus_tintavo || return 1
    wait_until 2 e2e_output_is "Tintavo!" probe foreground && return 0
    e2e_read_window || return 1
    e2e_pointer_to $((E2E_CLIENT_X + 100)) $((E2E_CLIENT_Y + 16))
    xdotool click 1
    e2e_focus_tintavo && wait_until 5 e2e_output_is "Tintavo!" probe foreground
}

e2e_no_menu() {
    ! probe menu-popup >/dev/null 2>&1
}

# e2e_window_menu [KEY...]: opens the picker's window menu with Alt+Space, then presses the
# access keys of its items.
e2e_window_menu() {
    e2e_picker_to_front && xdotool key alt+space && wait_until 5 probe menu-popup >/dev/null || return 1
    (($# == 0)) || xdotool key "$@"
}

# e2e_screen_colours X Y WIDTH HEIGHT: prints the distinct colours of a screen area as #RRGGBB,
# one a line, as the X server holds them.
e2e_screen_colours() {
    local colours
    colours=$(/usr/bin/import -display "$DISPLAY" -window root -crop "${3}x${4}+${1}+${2}" +repage png:- |
        /usr/bin/convert png:- -unique-colors -depth 8 txt:-) || return 1
    grep -oE '#[0-9A-Fa-f]{6}' <<<"$colours" | tr '[:lower:]' '[:upper:]'
}

# e2e_colour_code R G B: prints the colour as #RRGGBB.
e2e_colour_code() {
    printf '#%02X%02X%02X\n' "$1" "$2" "$3"
}

# The swatch's colour on the screen: the pixel at its centre as Wine reads it, and the distinct
# colours of its whole inside as the X server holds them.
e2e_swatch_centre_pixel() {
    local rect x y width height
    rect=$(e2e_control_rect 1001) || return 1
    read -r x y width height <<<"$rect"
    probe pixel $((E2E_CLIENT_X + x + width / 2)) $((E2E_CLIENT_Y + y + height / 2))
}

e2e_swatch_colours() {
    local rect x y width height
    rect=$(e2e_control_rect 1001) || return 1
    read -r x y width height <<<"$rect"
    # Inside its border and the focus rectangle it shows while it has the keyboard focus.
    e2e_screen_colours $((E2E_CLIENT_X + x + 2)) $((E2E_CLIENT_Y + y + 2)) $((width - 4)) $((height - 4))
}

# e2e_assert_colour DESCRIPTION R G B [TEXT1 TEXT2 TEXT3]: the picker shows the colour in the
# code box, the three scroll bars and the swatch, and the number boxes read TEXT1..3 (the
# components in decimal unless given). Waits for each up to 3 s, as the picker updates them
# on its 100 ms tick and repaints the swatch afterwards.
e2e_assert_colour() {
    local description=$1 code i
    local -a components=("$2" "$3" "$4") texts=("$2" "$3" "$4")
    if (($# >= 7)); then
        texts=("$5" "$6" "$7")
    fi
    code=$(e2e_colour_code "$2" "$3" "$4")
    if ! e2e_read_window; then
        if e2e_wait_tintavo_exit 0; then
            e2e_abort "$description: the picker has ended with status $E2E_TINTAVO_STATUS"
        fi
        e2e_abort "$description: the probe finds no window"
    fi
    assert_eventually_eq "$description: the code box reads $code" 3 "$code" probe text 1013
    for i in 0 1 2; do
        assert_eventually_eq "$description: number box $((1006 + i)) reads '${texts[i]}'" 3 "${texts[i]}" \
            probe text $((1006 + i))
        assert_eventually_eq "$description: scroll bar $((1009 + i)) stands at ${components[i]}" 3 \
            "${components[i]}"$'\t0\t255' probe scroll $((1009 + i))
    done
    assert_eventually_eq "$description: the swatch's centre pixel is $code" 3 "$code" e2e_swatch_centre_pixel
    assert_eventually_eq "$description: the whole swatch is $code" 3 "$code" e2e_swatch_colours
}

# e2e_assert_alive DESCRIPTION: the picker still runs and answers, and it shows no error box
# or other window (a crash ends it, as the test prefix shows no crash dialog).
e2e_assert_alive() {
    if e2e_tintavo_running && probe responsive; then
        e2e_pass "$1: the picker still runs and answers"
    else
        e2e_fail "$1: the picker still runs and answers"
    fi
    assert_eq "$1: no error box or other window of the process" 1 "$(probe windows-of-pid "$E2E_TINTAVO_WINPID")"
}

# Stops everything the test started, each by its PID or by its own prefix.
e2e_cleanup() {
    local status=$?
    trap - EXIT INT TERM ERR
    # Everything below runs to the end, whatever fails on the way.
    set +e
    if ((!E2E_FINISHED && status != 0)) && [[ -n $E2E_NAME ]]; then
        printf 'e2e %s: %d passed, %d failed, then ended early with status %d\n' \
            "$E2E_NAME" "$E2E_PASSED" "$E2E_FAILED" "$status"
    fi
    if e2e_tintavo_running; then
        kill "$E2E_TINTAVO_PID" 2>/dev/null || true
    fi
    local pid
    for pid in "${E2E_BACKGROUND_PIDS[@]}"; do
        if e2e_is_child "$pid"; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [[ -n $E2E_PREFIX_LOCK_FD && -n ${WINEPREFIX:-} ]]; then
        wineserver -k >/dev/null 2>&1 || true
        timeout 10 wineserver -w >/dev/null 2>&1 || true
    fi
    if [[ -n $E2E_TINTAVO_PID ]]; then
        wait "$E2E_TINTAVO_PID" 2>/dev/null || true
    fi
    if [[ -n $E2E_XVFB_PID ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    exit "$status"
}
