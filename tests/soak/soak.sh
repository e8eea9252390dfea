#!/usr/bin/env bash
# Soak run of tintavo.exe under Wine: for SECONDS (default 600) a seeded random user types into
# the boxes, pastes, scrolls, drags thumbs and the window, presses Enter, copies (sometimes while
# the clipboard is held open), points at screen areas of known colours, closes and reopens the
# magnifier and the colour information, clicks the colour information's links (a format also
# while the clipboard is held open) and holds or resumes with Ctrl+Alt+Enter from another
# program. The magnifier and the colour information are each opened and closed a thousand times
# before the run; both windows are open during it but for those closings. Every second the
# picker is checked from outside; its memory, GDI objects, windows and kernel handles are
# recorded at the start, every minute and at the end. The last line gives the figures; the
# status is 1 if a check failed, the picker died, or a count grew beyond its margin.
#
# Usage: soak.sh [SECONDS [TINTAVO_EXE [PROBE_EXE [SOAK_HELPER_EXE]]]]
#        SOAK_SEED=N repeats the sequence of actions of the run that printed that seed.
# shellcheck disable=SC2317 # the actions are called through the kActions table
set -euo pipefail
# shellcheck source=SCRIPTDIR/../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

readonly kSampling="色取得中...<ENTER>キーで確定"
readonly kHolding="<ENTER>キーで色取得開始"

# Growth allowed from the baseline sample (after the first minute, or half the run when it is
# shorter) to the end. Wine's own caches move the memory figures by a few hundred KiB.
readonly kRssMarginKib=2048
readonly kPrivateMarginKib=2048
readonly kGdiMargin=4
readonly kUserMargin=2
readonly kHandleMargin=4

# The colour patches: a window of kPatchColumns x kPatchRows cells, the rest of the screen is
# the root window's colour.
readonly kPatchX=640 kPatchY=400 kPatchCell=48 kPatchColumns=8 kPatchRows=5
readonly kFixedPatches=(000000 FFFFFF FF0000 00FF00 0000FF FFFF00 00FFFF FF00FF 808080 7F7F7F 010101 FEFEFE)

# The colour information's lines by id: the reference colour, its link "この色を基準にする" and
# the first of the fourteen formats; and its close box's middle, from its client area's right.
readonly kReferenceLine=2 kMakeReferenceLink=3 kFirstFormatLink=8 kCloseBoxFromRight=8

duration=${1:-600}
if ! [[ $duration =~ ^[0-9]+$ ]] || ((duration < 10)); then
    e2e_log "usage: soak.sh [SECONDS (at least 10) [TINTAVO_EXE [PROBE_EXE [SOAK_HELPER_EXE]]]]"
    exit 2
fi
e2e_init soak "${@:2:2}"
helper_exe=$(realpath -m "${4:-$(dirname "$E2E_PROBE_EXE")/soak_helper.exe}")
if [[ ! -f $helper_exe ]]; then
    e2e_log "soak: $helper_exe not found; build the windows preset first"
    exit 2
fi
log_file=$E2E_RUN_DIR/soak.log

seed=${SOAK_SEED:-$(((${EPOCHREALTIME/[.,]/} ^ $$) % 2147483647))}
if ! [[ $seed =~ ^[0-9]+$ ]]; then
    e2e_log "soak: SOAK_SEED must be a non-negative integer"
    exit 2
fi

# A 48-bit linear congruential generator, so that a seed gives the same actions on any bash.
rng_state=$(((seed ^ 0x5DEECE66D) & 0xFFFFFFFFFFFF))

# rnd N: REPLY is a number from 0 to N-1.
rnd() {
    rng_state=$(((rng_state * 0x5DEECE66D + 0xB) & 0xFFFFFFFFFFFF))
    REPLY=$(((rng_state >> 17) % $1))
}

# rnd_between LOW HIGH: REPLY is a number from LOW to HIGH.
rnd_between() {
    rnd $(($2 - $1 + 1))
    REPLY=$((REPLY + $1))
}

rnd_colour() {
    rnd 16777216
    printf -v REPLY '%06X' "$REPLY"
}

log() {
    printf '%s %s\n' "$(($(e2e_now_us) / 1000))" "$*" >>"$log_file"
}

# The helper answers one command a line from a coprocess, in milliseconds instead of the tenth
# of a second that starting a Wine process costs. It ends itself when a command hangs; a
# command that gets no answer restarts it.
helper_pid=""
ASK_REPLY=""

helper_start() {
    coproc HELPER { exec wine "$helper_exe" serve 2>>"$E2E_RUN_DIR/helper.log" {E2E_PREFIX_LOCK_FD}>&-; }
    # shellcheck disable=SC2153 # coproc sets HELPER_PID
    helper_pid=$HELPER_PID
}

helper_stop() {
    if [[ -n ${helper_pid:-} ]]; then
        kill "$helper_pid" 2>/dev/null || true
        wait "$helper_pid" 2>/dev/null || true
    fi
    helper_pid=""
}

# ask COMMAND...: ASK_REPLY is the answer's fields; fails with REASON.
ask() {
    local line
    if [[ -z ${helper_pid:-} ]] || ! kill -0 "$helper_pid" 2>/dev/null || [[ -z ${HELPER[1]:-} ]]; then
        helper_stop
        helper_start
    fi
    if ! printf '%s\n' "$*" >&"${HELPER[1]}" || ! IFS= read -r -t 8 line <&"${HELPER[0]}"; then
        REASON="the helper gave no answer to '${1}'"
        log "note: $REASON; restarting it"
        helper_stop
        return 1
    fi
    case $line in
    ok) ASK_REPLY="" ;;
    ok$'\t'*) ASK_REPLY=${line#ok$'\t'} ;;
    error$'\t'*)
        REASON=${line#error$'\t'}
        return 1
        ;;
    *)
        REASON="unreadable answer '${line:0:80}'"
        return 1
        ;;
    esac
}

# A text as the helper shows it; the texts of the run hold no backslash, tab or carriage return.
escaped() {
    REPLY=${1//$'\n'/\\n}
}

actions=0
action_us=$(e2e_now_us)
checks_passed=0
checks_failed=0
recent_actions=()
failure_screenshots=0

note_action() {
    actions=$((actions + 1))
    action_us=$(e2e_now_us)
    recent_actions+=("$*")
    if ((${#recent_actions[@]} > 8)); then
        recent_actions=("${recent_actions[@]:1}")
    fi
    log "action $actions: $*"
}

pass() {
    checks_passed=$((checks_passed + 1))
    log "ok   $1"
}

fail() {
    checks_failed=$((checks_failed + 1))
    printf 'FAIL %s (%d s into the run, seed %s)\n' "$1" $((($(e2e_now_us) - start_us) / 1000000)) "$seed"
    printf '     last actions: %s\n' "${recent_actions[@]}"
    log "FAIL $1"
    if ((failure_screenshots < 5)); then
        failure_screenshots=$((failure_screenshots + 1))
        /usr/bin/import -display "$DISPLAY" -window root "$E2E_RUN_DIR/failure-$failure_screenshots.png" 2>/dev/null || true
    fi
}

# The state of the picker, read in one call.
S_STATUS="" S_CODE="" S_SWATCH="" S_UNDER="" S_CURSOR_X=0 S_CURSOR_Y=0 S_WINDOWS=0 S_FOCUS=0
S_TEXT=() S_COMP=() S_SCROLL=()
frame_left=0 frame_top=0 frame_right=0 frame_bottom=0 client_x=0 client_y=0
REASON=""

# read_state: the state of the picker, read once.
read_state() {
    ask state || return 1
    e2e_split_tabs "$ASK_REPLY"
    if ((${#E2E_FIELDS[@]} < 23)); then
        REASON="unreadable state '${ASK_REPLY:0:80}'"
        return 1
    fi
    S_STATUS=${E2E_FIELDS[0]}
    S_TEXT=("${E2E_FIELDS[@]:1:3}")
    S_CODE=${E2E_FIELDS[4]}
    S_COMP=("${E2E_FIELDS[@]:5:3}")
    S_SCROLL=("${E2E_FIELDS[@]:8:3}")
    S_SWATCH=${E2E_FIELDS[11]}
    S_CURSOR_X=${E2E_FIELDS[12]} S_CURSOR_Y=${E2E_FIELDS[13]} S_UNDER=${E2E_FIELDS[14]}
    frame_left=${E2E_FIELDS[15]} frame_top=${E2E_FIELDS[16]}
    frame_right=${E2E_FIELDS[17]} frame_bottom=${E2E_FIELDS[18]}
    client_x=${E2E_FIELDS[19]} client_y=${E2E_FIELDS[20]}
    S_WINDOWS=${E2E_FIELDS[21]} S_FOCUS=${E2E_FIELDS[22]}
}

# The state once two reads a moment apart agree, so that a check sees what the picker
# shows after it has worked through the input sent to it: with clicks still queued (a themed
# scroll bar repaints in several milliseconds under Wine) one read can show a box after some
# of them and its scroll bar after more. A picker that keeps changing gives its last read after
# a deadline. S_READS tells, for the reports, how many reads it took and when they were made.
readonly kSettleGap=0.05 kSettleDeadlineUs=5000000
S_READS=""

snapshot() {
    local from previous="" reads=0 verdict=""
    from=$(e2e_now_us)
    while true; do
        read_state || return 1
        reads=$((reads + 1))
        ((reads > 1)) && [[ $ASK_REPLY == "$previous" ]] && break
        if (($(e2e_now_us) - from >= kSettleDeadlineUs)); then
            verdict="NOT settled, "
            log "note: the picker's state still changed after $reads reads"
            break
        fi
        previous=$ASK_REPLY
        sleep "$kSettleGap"
    done
    S_READS="$verdict$reads reads at +$(((from - action_us) / 1000))..+$((($(e2e_now_us) - action_us) / 1000)) ms into action $actions"
}

# A text as hex UTF-8 bytes, "empty" for none, for the helper's command line.
hex_of() {
    REPLY=$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n')
    REPLY=${REPLY:-empty}
}

describe_state() {
    printf 'status %s, boxes [%.40s|%.40s|%.40s] naming %s %s %s, code [%.40s], scroll %s %s %s, swatch %s, pointer %s,%s on %s, focus %s (%s)' \
        "$([[ $S_STATUS == "$kSampling" ]] && echo sampling || echo held)" "${S_TEXT[@]}" "${S_COMP[@]}" \
        "$S_CODE" "${S_SCROLL[@]}" "$S_SWATCH" "$S_CURSOR_X" "$S_CURSOR_Y" "$S_UNDER" "$S_FOCUS" "$S_READS"
}

components_of() {
    REPLY="$((16#${1:0:2})) $((16#${1:2:2})) $((16#${1:4:2}))"
}

# The scene: the colour that the patches or the root show at a point, empty where the picker's
# frame lies over it.
root_colour=""
patch_colours=()

# The magnifier: open or closed, and its frame while open.
magnifier=closed
mag_left=0 mag_top=0 mag_right=0 mag_bottom=0

# read_window magnifier|info PREFIX: open or closed, and while open its frame and its client
# area's corner on the screen: PREFIX_left, _top, _right, _bottom, _client_x and _client_y.
read_window() {
    ask "$1" || return 1
    e2e_split_tabs "$ASK_REPLY"
    printf -v "$1" '%s' "${E2E_FIELDS[0]}"
    [[ ${E2E_FIELDS[0]} == open ]] || return 0
    read -r "$2_left" "$2_top" "$2_right" "$2_bottom" "$2_client_x" "$2_client_y" <<<"${E2E_FIELDS[*]:1:6}"
}

read_magnifier() {
    read_window magnifier mag
}

# window_is magnifier|info STATE: the window is open or closed.
window_is() {
    "read_$1" || return 1
    REASON="the $1 is ${!1}"
    [[ ${!1} == "$2" ]]
}

# The colour information: open or closed, and its frame and client area while open.
info=closed
info_left=0 info_top=0 info_right=0 info_bottom=0 info_client_x=0 info_client_y=0

read_info() {
    read_window info info
}

# covered_by_info LEFT TOP RIGHT BOTTOM: the colour information overlaps that frame.
covered_by_info() {
    [[ $info == open ]] && ((info_left < $3 && info_right > $1 && info_top < $4 && info_bottom > $2))
}

inside_frame() {
    (($1 >= frame_left - 2 && $1 < frame_right + 2 && $2 >= frame_top - 2 && $2 < frame_bottom + 2)) && return 0
    [[ $info == open ]] && (($1 >= info_left - 2 && $1 < info_right + 2 && $2 >= info_top - 2 && $2 < info_bottom + 2)) && return 0
    [[ $magnifier == open ]] && (($1 >= mag_left - 2 && $1 < mag_right + 2 && $2 >= mag_top - 2 && $2 < mag_bottom + 2))
}

scene_colour() {
    local x=$1 y=$2
    REPLY=""
    if inside_frame "$x" "$y"; then
        return 0
    fi
    if ((x >= kPatchX && x < kPatchX + kPatchColumns * kPatchCell && y >= kPatchY && y < kPatchY + kPatchRows * kPatchCell)); then
        REPLY=${patch_colours[(y - kPatchY) / kPatchCell * kPatchColumns + (x - kPatchX) / kPatchCell]}
    else
        REPLY=$root_colour
    fi
}

# Control rectangles in the client area, from the probe: "x y width height", by id: the picker's
# from 1001 on, the colour information's lines from 1 on.
declare -A control_rect

# read_layout [CLASS]: the picker's controls and the width of a scroll arrow, or the controls of
# the picker's window of that class.
read_layout() {
    local lines line
    lines=$(E2E_PROBE_WINDOW=${1:-} probe controls) || e2e_abort "the probe cannot list the controls"
    while IFS= read -r line; do
        e2e_split_tabs "$line"
        control_rect[${E2E_FIELDS[0]}]="${E2E_FIELDS[2]} ${E2E_FIELDS[3]} ${E2E_FIELDS[4]} ${E2E_FIELDS[5]}"
    done <<<"$lines"
    [[ -z ${1:-} ]] || return 0
    local thumb
    thumb=$(probe thumb 1009) || e2e_abort "the probe cannot locate a thumb"
    e2e_split_tabs "$thumb"
    arrow_width=${E2E_FIELDS[2]}
}

# Where Wine draws the thumb of scroll bar ID at POSITION: as wide as an arrow, placed in
# proportion along the track between the arrows (MulDiv rounds halves away from zero).
thumb_of() {
    local id=$1 position=$2 x y w h
    read -r x y w h <<<"${control_rect[$id]}"
    local travel=$((w - 3 * arrow_width))
    thumb_x=$((x + arrow_width + (2 * travel * position + 255) / 510))
    thumb_y=$y thumb_w=$arrow_width thumb_h=$h
}

# A random point inside a control, INSET pixels from its edges, in screen coordinates.
point_in_control() {
    local id=$1 inset=${2:-3} x y w h
    read -r x y w h <<<"${control_rect[$id]}"
    rnd_between $((x + inset)) $((x + w - 1 - inset))
    point_x=$((client_x + REPLY))
    rnd_between $((y + inset)) $((y + h - 1 - inset))
    point_y=$((client_y + REPLY))
}

click_at() {
    e2e_pointer_to "$1" "$2"
    xdotool click 1
}

tintavo_xid=""

# Keys go to the picker wherever the pointer rests.
focus_picker() {
    if [[ -z $tintavo_xid ]]; then
        tintavo_xid=$(xdotool search --name '^Tintavo!$' | head -n 1) || true
    fi
    [[ -n $tintavo_xid ]] && timeout 10 xdotool windowfocus --sync "$tintavo_xid" 2>/dev/null
}

mode=sampling
code_dirty=0
code_baseline=""
clip_pids=()

expected_status() {
    if [[ $mode == sampling ]]; then REPLY=$kSampling; else REPLY=$kHolding; fi
}

# Checks of the last snapshot; `fresh CHECK` takes a new one first, to poll CHECK with a deadline.

fresh() {
    snapshot && "$@"
}

sampling_agrees() {
    [[ $S_STATUS == "$kSampling" ]] || { REASON="the status reads '$S_STATUS'"; return 1; }
    local -a want
    components_of "$S_UNDER"
    read -r -a want <<<"$REPLY"
    local i
    for i in 0 1 2; do
        if [[ ${S_TEXT[i]} != "${want[i]}" || ${S_SCROLL[i]} != "${want[i]}" ]]; then
            REASON="component $i: box '${S_TEXT[i]:0:40}', scroll ${S_SCROLL[i]}, pixel under the pointer ${want[i]}"
            return 1
        fi
    done
    [[ $S_CODE == "#$S_UNDER" ]] || { REASON="the code reads '${S_CODE:0:40}' over #$S_UNDER"; return 1; }
    [[ $S_SWATCH == "$S_UNDER" ]] || { REASON="the swatch shows $S_SWATCH over $S_UNDER"; return 1; }
}

held_agrees() {
    [[ $S_STATUS == "$kHolding" ]] || { REASON="the status reads '$S_STATUS'"; return 1; }
    local -a swatch
    components_of "$S_SWATCH"
    read -r -a swatch <<<"$REPLY"
    local i
    for i in 0 1 2; do
        if [[ ${S_COMP[i]} != - && ${S_COMP[i]} != "${S_SCROLL[i]}" ]]; then
            REASON="box $i names ${S_COMP[i]} ('${S_TEXT[i]:0:40}') but its scroll bar stands at ${S_SCROLL[i]}"
            return 1
        fi
        if [[ ${swatch[i]} != "${S_SCROLL[i]}" ]]; then
            REASON="the swatch's component $i is ${swatch[i]} but scroll bar $i stands at ${S_SCROLL[i]}"
            return 1
        fi
    done
    if [[ $S_CODE == "#$S_SWATCH" ]]; then
        code_dirty=0
        return 0
    fi
    if ((code_dirty)); then
        # The code box keeps what the user typed until the colour next changes.
        code_baseline=${code_baseline:-$S_SWATCH}
        [[ $S_SWATCH == "$code_baseline" ]] && return 0
    fi
    REASON="the code reads '${S_CODE:0:40}' but the swatch shows #$S_SWATCH"
    return 1
}

# As a screen reader reads them, the number boxes, the scroll bars, the code box and the swatch
# have their names, and while the colour is held their values are what the controls show.
readonly kAccessibleNames=("R (赤)" "G (緑)" "B (青)" "R (赤)" "G (緑)" "B (青)" "カラーコード" "色見本")

accessible_check() {
    local i expected=("${S_TEXT[@]}" "${S_SCROLL[@]}" "$S_CODE" "#$S_SWATCH") reason=""
    if ! ask accessible; then
        fail "check $1: a screen reader's read fails: $REASON"
        return 0
    fi
    e2e_split_tabs "$ASK_REPLY"
    for i in "${!kAccessibleNames[@]}"; do
        if [[ ${E2E_FIELDS[2 * i]} != "${kAccessibleNames[i]}" ]]; then
            reason="control $i is named '${E2E_FIELDS[2 * i]}'"
        elif [[ $mode == held && ${E2E_FIELDS[2 * i + 1]} != "${expected[i]:--}" ]]; then
            reason="control $i reads '${E2E_FIELDS[2 * i + 1]:0:40}' but shows '${expected[i]:0:40}'"
        fi
    done
    if [[ -n $reason ]]; then
        fail "check $1: as a screen reader reads it, $reason"
    else
        pass "check $1: a screen reader reads the controls as they show"
    fi
}

# Somewhere outside the picker to rest the pointer while sampling is checked: the patches in
# turn, or the root.
park_pointer() {
    local n=$1 tries x y
    for ((tries = 0; tries < kPatchColumns * kPatchRows; tries++)); do
        local cell=$(((n + tries * 7) % (kPatchColumns * kPatchRows)))
        local row=$((cell / kPatchColumns)) column=$((cell % kPatchColumns))
        x=$((kPatchX + column * kPatchCell + kPatchCell / 2))
        y=$((kPatchY + row * kPatchCell + kPatchCell / 2))
        if ! inside_frame "$x" "$y"; then
            e2e_pointer_to "$x" "$y"
            return 0
        fi
    done
    e2e_pointer_to $((E2E_SCREEN_WIDTH - 10)) $((E2E_SCREEN_HEIGHT - 10))
}

scene_mismatches=0

periodic_check() {
    local n=$1
    if ! e2e_tintavo_running; then
        picker_died
    fi
    if ! snapshot; then
        fail "check $n: $REASON"
        return 0
    fi
    local windows=1
    [[ $magnifier == open ]] && windows=$((windows + 1))
    [[ $info == open ]] && windows=$((windows + 1))
    if ((S_WINDOWS != windows)); then
        fail "check $n: the process shows $S_WINDOWS top-level windows with the magnifier $magnifier and the colour information $info (an error box?)"
        return 0
    fi
    expected_status
    if [[ $S_STATUS != "$REPLY" ]]; then
        fail "check $n: the status reads '$S_STATUS', expected $mode"
        if [[ $S_STATUS == "$kSampling" ]]; then mode=sampling; elif [[ $S_STATUS == "$kHolding" ]]; then mode=held; fi
        return 0
    fi
    # The snapshot above serves unless the pointer has to be moved off the picker first.
    local agrees=held_agrees current=1
    if [[ $mode == sampling ]]; then
        agrees=sampling_agrees
        if inside_frame "$S_CURSOR_X" "$S_CURSOR_Y"; then
            park_pointer "$n"
            current=0
        fi
    fi
    if ! { ((current)) && "$agrees"; } && ! wait_until 1 fresh "$agrees"; then
        fail "check $n: while $mode, $REASON; $(describe_state)"
        return 0
    fi
    pass "check $n: the $mode colour agrees: $(describe_state)"
    accessible_check "$n"
    if [[ $mode == sampling ]]; then
        code_dirty=0 code_baseline=""
        scene_colour "$S_CURSOR_X" "$S_CURSOR_Y"
        if [[ -n $REPLY && $REPLY != "$S_UNDER" ]]; then
            scene_mismatches=$((scene_mismatches + 1))
            log "note: the screen shows $S_UNDER at $S_CURSOR_X,$S_CURSOR_Y where the scene has $REPLY"
        fi
    fi
}

# Resources: memory from /proc, GDI objects, windows and kernel handles from the helper.
gui_note=""
R_RSS=0 R_PRIVATE=0 R_GDI=0 R_USER=0 R_HANDLES=0

read_resources_once() {
    local status line key value
    status=$(<"/proc/$E2E_TINTAVO_PID/status") || return 1
    R_RSS=$(awk '/^VmRSS:/ { print $2 }' <<<"$status")
    # Only the pages it wrote: its clean private pages swing by megabytes as other Wine programs
    # on the machine map and unmap the same libraries.
    R_PRIVATE=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$E2E_TINTAVO_PID/smaps_rollup") || return 1
    ask resources || return 1
    line=${ASK_REPLY//$'\t'/ }
    local -A r
    for key in $line; do
        value=${key#*=}
        r[${key%%=*}]=$value
    done
    if ((r[gdi_api] > 0)); then
        R_GDI=${r[gdi_api]} R_USER=${r[user_api]}
        gui_note="gdi and user are GetGuiResources' counts"
    else
        R_GDI=${r[gdi_table]} R_USER=${r[windows]}
        gui_note="GetGuiResources answers ${r[gdi_api]} under this Wine (error ${r[gui_error]}), so gdi counts the live entries of the process's GDI handle table (stock objects included) and user counts its windows"
    fi
    if ((r[handles_api] > 0)); then
        R_HANDLES=${r[handles_api]}
    else
        R_HANDLES=${r[handles_list]}
        gui_note+="; GetProcessHandleCount answers ${r[handles_api]}, so handles counts the process's entries in the system handle list"
    fi
    if ((r[private] > 0)); then
        R_PRIVATE=$((r[private] / 1024))
    fi
}

# The least of five readings a twentieth of a second apart: a paint or a scroll in progress
# holds a few GDI objects for a moment.
read_resources() {
    local i least=()
    for ((i = 0; i < 5; i++)); do
        ((i == 0)) || sleep 0.05
        read_resources_once || return 1
        local reading=("$R_RSS" "$R_PRIVATE" "$R_GDI" "$R_USER" "$R_HANDLES") j
        for j in 0 1 2 3 4; do
            if ((i == 0 || reading[j] < least[j])); then least[j]=${reading[j]}; fi
        done
    done
    R_RSS=${least[0]} R_PRIVATE=${least[1]} R_GDI=${least[2]} R_USER=${least[3]} R_HANDLES=${least[4]}
}

# grew WHAT FROM TO MARGIN UNIT: fails if a count grew by more than its margin.
grew() {
    local what=$1 from=$2 to=$3 margin=$4 unit=$5
    if ((to - from > margin)); then
        fail "$what grew from $from to $to$unit between the baseline and the end (margin $margin$unit)"
    else
        pass "$what stayed within $margin$unit of the baseline ($from -> $to)"
    fi
}

# grew_since_baseline SUFFIX: each resource now (R_*) against its baseline (B_*).
grew_since_baseline() {
    grew "rss$1" "$B_RSS" "$R_RSS" "$kRssMarginKib" " KiB"
    grew "private memory$1" "$B_PRIVATE" "$R_PRIVATE" "$kPrivateMarginKib" " KiB"
    grew "GDI objects$1" "$B_GDI" "$R_GDI" "$kGdiMargin" ""
    grew "USER objects$1" "$B_USER" "$R_USER" "$kUserMargin" ""
    grew "kernel handles$1" "$B_HANDLES" "$R_HANDLES" "$kHandleMargin" ""
}

mib() {
    awk -v kib="$1" 'BEGIN { printf "%.1f", kib / 1024 }'
}

sample_resources() {
    local label=$1
    if ! read_resources; then
        fail "resources could not be read ($label)"
        return 1
    fi
    printf 'resources %s: rss %s MiB, private %s MiB, gdi %s, user %s, handles %s\n' "$label" \
        "$(mib "$R_RSS")" "$(mib "$R_PRIVATE")" "$R_GDI" "$R_USER" "$R_HANDLES"
    log "resources $label: rss $R_RSS KiB, private $R_PRIVATE KiB, gdi $R_GDI, user $R_USER, handles $R_HANDLES"
}

# Number texts: valid, out of range, letters, blanks, signs, fractions, exponents, empty, long.
number_text() {
    local kind
    rnd 15
    kind=$REPLY
    case $kind in
    0 | 1) rnd 256 ;;
    2) rnd_between 256 99999 ;;
    3) rnd_between 1 999; REPLY=-$REPLY ;;
    4) random_chars 1 8 abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ ;;
    5) rnd 256; local n=$REPLY; random_chars 1 3 abcxyz; REPLY=$n$REPLY ;;
    6) rnd 256; REPLY="  $REPLY " ;;
    7) rnd 5; local signs=("+" "-" "+0" "-0" "+12"); REPLY=${signs[REPLY]} ;;
    8) rnd 256; local whole=$REPLY; rnd 10; REPLY=$whole.$REPLY ;;
    9) rnd 12; local forms=("2.5" "3.5" "254.5" "255.5" ".5" "5." "1e2" "2.55e2" "1e" "1e+" "1e400" "1e-400"); REPLY=${forms[REPLY]} ;;
    10) REPLY="" ;;
    11) REPLY=" " ;;
    12) random_chars 30 80 "0123456789 +-.eEab" ;;
    13) rnd 256; REPLY="0000000000$REPLY" ;;
    14) random_chars 1 6 "0123456789.e+- " ;;
    esac
}

# random_chars MIN MAX ALPHABET: REPLY is MIN to MAX characters drawn from ALPHABET.
random_chars() {
    local alphabet=$3 text="" length i
    rnd_between "$1" "$2"
    length=$REPLY
    for ((i = 0; i < length; i++)); do
        rnd ${#alphabet}
        text+=${alphabet:REPLY:1}
    done
    REPLY=$text
}

# Texts only a paste brings: full-width forms, the ideographic space, very long texts, two lines.
paste_text() {
    rnd 9
    case $REPLY in
    0) rnd 6; local forms=("１２８" "　２０　" "３００" "１．５ｅ２" "－１" "２５５"); REPLY=${forms[REPLY]} ;;
    1) rnd_between 300 3000; printf -v REPLY '%*s' "$REPLY" ""; REPLY="${REPLY// /0}7" ;;
    2) random_chars 300 2000 "0123456789abcdef +-.eE" ;;
    3) rnd_between 100 1000; printf -v REPLY '%*s' "$REPLY" "" ;;
    4) rnd 256; local a=$REPLY; rnd 256; REPLY="$a"$'\n'"$REPLY" ;;
    5) rnd_between 1 9; printf -v REPLY '%*s' "$REPLY" ""; REPLY="${REPLY// /９}" ;;
    *) number_text ;;
    esac
}

code_text() {
    rnd 6
    case $REPLY in
    0) rnd_colour; REPLY="#$REPLY" ;;
    1) REPLY="" ;;
    2) random_chars 1 12 "#0123456789ABCDEFGHXYZ" ;;
    3) random_chars 40 90 "abcdefghijklmnopqrstuvwxyz0123456789 #" ;;
    4) rnd_colour; REPLY="${REPLY,,}" ;;
    5) REPLY="#GGGGGG" ;;
    esac
}

clipboard_holds() {
    ask clipboard || return 1
    REASON="the clipboard holds '${ASK_REPLY:0:60}'"
    [[ $ASK_REPLY == "$1" ]]
}

# Puts TEXT on the clipboard with xclip and waits until Wine's clipboard holds it, its line
# breaks as CR LF.
clipboard_is() {
    escaped "${1//$'\n'/$'\r\n'}"
    clipboard_holds "${REPLY//$'\r'/\\r}"
}

# xclip serves the selection until another client takes it, then ends by itself.
set_clipboard() {
    reap_clip_helpers
    printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    clip_pids+=($!)
    wait_until 3 clipboard_is "$1"
}

reap_clip_helpers() {
    local pid alive=()
    for pid in "${clip_pids[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then alive+=("$pid"); else wait "$pid" 2>/dev/null || true; fi
    done
    clip_pids=("${alive[@]}")
}

# Selects a box's whole text; Wine's EDIT ignores Ctrl+A.
select_all() {
    xdotool key End shift+Home
}

typed_settled() {
    snapshot || return 1
    local box=$S_CODE scroll=""
    if ((typed_index < 3)); then
        box=${S_TEXT[typed_index]} scroll=${S_SCROLL[typed_index]}
    fi
    if [[ $box == "$want_text" && $scroll == "$want_scroll" ]]; then
        return 0
    fi
    REASON="the box reads '${box:0:60}'${scroll:+ with its scroll bar at $scroll}, expected '${want_text:0:60}'${want_scroll:+ at $want_scroll}"
    return 1
}

# Enters TEXT into box INDEX (0..2 the number boxes, 3 the code box) by typing or pasting. While
# the colour is held, a number box must end as the README says (a text that names a new value
# shows as the plain number, any other stays as entered; an invalid one leaves the colour at its
# last valid value), and the code box must keep the text and change nothing else.
enter_text() {
    local index=$1 how=$2 text=$3 id
    id=$((index == 3 ? 1013 : 1006 + index))
    note_action "$how into box $id: '${text:0:40}' (${#text} characters)"
    local verify=0
    if [[ $how == paste ]] && ! set_clipboard "$text"; then
        log "note: the pasted text did not reach Wine's clipboard in time: $REASON"
        verify=-1
    fi
    local pre_scroll=() pre_text=() pre_swatch="" pre_code="" pre_reads=""
    if [[ $mode == held && $text != *$'\n'* ]] && ((verify == 0)) && snapshot; then
        verify=1 pre_scroll=("${S_SCROLL[@]}") pre_text=("${S_TEXT[@]}") pre_swatch=$S_SWATCH pre_code=$S_CODE
        pre_reads=$S_READS
        escaped "$text"
        want_text=$REPLY want_scroll=""
        if ((index < 3)); then
            hex_of "$text"
            ask expect "$how" "${pre_scroll[index]}" "$REPLY" || verify=0
            e2e_split_tabs "$ASK_REPLY"
            want_text=${E2E_FIELDS[0]:-} want_scroll=${E2E_FIELDS[1]:-}
        fi
    fi
    point_in_control "$id" 4
    click_at "$point_x" "$point_y"
    focus_picker || true
    select_all
    if [[ $how == paste ]]; then
        xdotool key ctrl+v
    elif [[ -z $text ]]; then
        xdotool key BackSpace
    else
        xdotool type --delay 6 -- "$text"
    fi
    if ((index == 3)); then
        code_dirty=1 code_baseline=""
    fi
    if ((verify != 1)); then
        return 0
    fi
    typed_index=$index
    if ! wait_until 2 typed_settled; then
        fail "entering '${text:0:40}' ($how): $REASON (before: $pre_reads; after: $S_READS)"
        return 0
    fi
    local i problem=""
    for i in 0 1 2; do
        if ((i != index)) && [[ ${S_TEXT[i]} != "${pre_text[i]}" || ${S_SCROLL[i]} != "${pre_scroll[i]}" ]]; then
            problem="box $((1006 + i)) changed from '${pre_text[i]:0:40}' at ${pre_scroll[i]} to '${S_TEXT[i]:0:40}' at ${S_SCROLL[i]}"
        fi
    done
    if ((index == 3)); then
        [[ $S_SWATCH == "$pre_swatch" ]] || problem="typing into the code box changed the colour from $pre_swatch to $S_SWATCH"
        code_baseline=$S_SWATCH
    elif [[ $want_scroll == "${pre_scroll[index]}" ]]; then
        [[ $S_SWATCH == "$pre_swatch" && $S_CODE == "$pre_code" ]] ||
            problem="a text that names no new value changed the colour or the code (swatch $pre_swatch -> $S_SWATCH, code '${pre_code:0:20}' -> '${S_CODE:0:20}')"
    else
        [[ $S_CODE == "#$S_SWATCH" ]] || problem="the code reads '${S_CODE:0:40}' after the edit, the swatch #$S_SWATCH"
    fi
    if [[ -n $problem ]]; then
        fail "entering '${text:0:40}' ($how): $problem (before: $pre_reads; after: $S_READS)"
    else
        pass "entering '${text:0:40}' ($how) into box $id while held (before: $pre_reads)"
    fi
}

action_type_number() {
    rnd 3
    local index=$REPLY
    number_text
    enter_text "$index" type "$REPLY"
}

action_paste_number() {
    rnd 3
    local index=$REPLY
    paste_text
    enter_text "$index" paste "$REPLY"
}

action_type_code() {
    code_text
    enter_text 3 type "$REPLY"
}

action_paste_code() {
    rnd 2
    if ((REPLY)); then code_text; else paste_text; fi
    enter_text 3 paste "${REPLY//$'\n'/ }"
}

bar_geometry() {
    read -r bar_x bar_y bar_w bar_h <<<"${control_rect[$1]}"
}

action_scroll_arrow() {
    rnd 3
    local id=$((1009 + REPLY)) side count
    bar_geometry "$id"
    rnd 2
    side=$REPLY
    rnd_between 1 6
    count=$REPLY
    rnd_between 3 $((arrow_width - 4))
    local x=$((client_x + bar_x + (side ? bar_w - arrow_width : 0) + REPLY))
    rnd_between 3 $((bar_h - 4))
    local y=$((client_y + bar_y + REPLY))
    note_action "click the $( ((side)) && echo right || echo left) arrow of $id $count times"
    e2e_pointer_to "$x" "$y"
    xdotool click --repeat "$count" --delay 40 1
}

action_scroll_hold() {
    rnd 3
    local id=$((1009 + REPLY)) side
    bar_geometry "$id"
    rnd 2
    side=$REPLY
    local x=$((client_x + bar_x + (side ? bar_w - arrow_width / 2 : arrow_width / 2)))
    local y=$((client_y + bar_y + bar_h / 2))
    rnd_between 2 9
    local tenths=$REPLY
    note_action "hold the $( ((side)) && echo right || echo left) arrow of $id for 0.$tenths s"
    e2e_pointer_to "$x" "$y"
    xdotool mousedown 1
    sleep "0.$tenths"
    xdotool mouseup 1
}

# The actions draw all their random numbers before they look at the picker, so that a seed gives
# the same draws whatever the picker shows.
action_scroll_trough() {
    rnd 3
    local id=$((1009 + REPLY))
    bar_geometry "$id"
    local low=$((bar_x + arrow_width + 1)) high=$((bar_x + bar_w - arrow_width - 2)) x
    rnd_between "$low" "$high"
    x=$REPLY
    rnd_between 1 4
    local count=$REPLY
    snapshot || return 0
    thumb_of "$id" "${S_SCROLL[id - 1009]}"
    if ((x >= thumb_x - 1 && x <= thumb_x + thumb_w)); then
        return 0
    fi
    note_action "click the trough of $id at $x, $count times"
    e2e_pointer_to $((client_x + x)) $((client_y + bar_y + bar_h / 2))
    xdotool click --repeat "$count" --delay 40 1
}

action_thumb_drag() {
    rnd 3
    local id=$((1009 + REPLY))
    bar_geometry "$id"
    rnd_between $((bar_x - 20)) $((bar_x + bar_w + 20))
    local to_x=$REPLY steps i
    rnd 5
    local off_bar=$((REPLY == 0))
    rnd_between 3 12
    steps=$REPLY
    snapshot || return 0
    thumb_of "$id" "${S_SCROLL[id - 1009]}"
    local from_x=$((client_x + thumb_x + thumb_w / 2)) from_y=$((client_y + thumb_y + thumb_h / 2))
    local to_y=$((from_y + (off_bar ? 120 : 0)))
    to_x=$((client_x + to_x))
    note_action "drag the thumb of $id from $from_x,$from_y to $to_x,$to_y in $steps steps"
    e2e_pointer_to "$from_x" "$from_y"
    xdotool mousedown 1
    for ((i = 1; i <= steps; i++)); do
        e2e_pointer_to $((from_x + (to_x - from_x) * i / steps)) $((from_y + (to_y - from_y) * i / steps))
    done
    xdotool mouseup 1
}

status_is() {
    snapshot || return 1
    [[ $S_STATUS == "$1" ]]
}

# expect_switch WHAT: WHAT, just pressed, must have switched between sampling and held; after a
# failure the mode follows what the status line says.
expect_switch() {
    if [[ $mode == sampling ]]; then mode=held; else mode=sampling; fi
    expected_status
    if wait_until 1 status_is "$REPLY"; then
        pass "$1 switches to $mode"
    else
        fail "$1 did not switch to $mode"
        if status_is "$kSampling"; then mode=sampling; elif status_is "$kHolding"; then mode=held; fi
    fi
}

action_enter() {
    note_action "press Enter (was $mode)"
    focus_picker || true
    xdotool key Return
    expect_switch "Enter"
}

# Ctrl+Alt+Enter while the colour patches, another program's window, have the keyboard focus;
# the picker then takes the focus back for the actions that type.
patches_xid=""

action_hotkey() {
    note_action "press Ctrl+Alt+Enter in another program (was $mode)"
    if [[ -z $patches_xid ]]; then
        patches_xid=$(xdotool search --name '^soak patches$' | head -n 1) || true
    fi
    if [[ -z $patches_xid ]] || ! timeout 10 xdotool windowfocus --sync "$patches_xid" 2>/dev/null; then
        log "note: the patches window could not take the focus"
        return 0
    fi
    xdotool key ctrl+alt+Return
    expect_switch "Ctrl+Alt+Enter from another program"
    picker_to_front
}

picker_in_front() {
    [[ $(probe foreground) == "Tintavo!" ]]
}

# Gives the picker the focus back after another program's window had it: X gives it back, but
# Wine may leave nothing in front, and no control with the focus, until a click on the picker's
# own surface, the banner.
picker_to_front() {
    focus_picker || true
    wait_until 1 picker_in_front && return 0
    e2e_pointer_to $((client_x + 100)) $((client_y + 16))
    xdotool click 1
    focus_picker || true
    wait_until 2 picker_in_front || true
}

# window_from_menu KEY WINDOW NAME STATE: Alt+Space, then the item's access key: Z opens or closes
# the magnifier, I the colour information.
window_from_menu() {
    local key=$1 window=$2 name=$3 state=$4
    picker_to_front
    xdotool key alt+space
    if ! wait_until 2 ask menu-popup; then
        fail "Alt+Space did not open the window menu"
        return 1
    fi
    xdotool key "$key"
    if wait_until 2 window_is "$window" "$state"; then
        pass "Alt+Space, ${key^^}: the $name is $state"
    else
        fail "Alt+Space, ${key^^} should leave the $name $state: $REASON"
        return 1
    fi
}

magnifier_from_menu() {
    window_from_menu z magnifier magnifier "$1"
}

info_from_menu() {
    window_from_menu i info "colour information" "$1"
}

# The colour information stays where it opened, as the magnifier does; a user who finds it over
# the picker or the magnifier opens it again, clear of both.
clear_info() {
    read_info || return 0
    if covered_by_info "$frame_left" "$frame_top" "$frame_right" "$frame_bottom" ||
        { [[ $magnifier == open ]] && covered_by_info "$mag_left" "$mag_top" "$mag_right" "$mag_bottom"; }; then
        log "note: the colour information covers the picker or the magnifier; it is opened again beside them"
        if info_from_menu closed; then info_from_menu open || true; fi
    fi
}

# Closes the magnifier and opens it again, or opens it should it be closed.
action_magnifier() {
    note_action "close and reopen the magnifier from the window menu (it is $magnifier)"
    if [[ $magnifier == open ]]; then
        magnifier_from_menu closed || return 0
    fi
    magnifier_from_menu open || true
    clear_info
}

# Closes the colour information, by its close box one time in three, else from the window menu,
# and opens it again; or opens it should it be closed.
action_info() {
    rnd 3
    local by_box=$((REPLY == 0))
    note_action "close and reopen the colour information (it is $info; close box $by_box)"
    if [[ $info == open ]] && ((by_box)); then
        click_at $((info_right - (info_client_x - info_left) - kCloseBoxFromRight)) $(((info_top + info_client_y) / 2))
        wait_until 2 window_is info closed || { fail "the close box did not close the colour information: $REASON"; return 0; }
    elif [[ $info == open ]]; then
        info_from_menu closed || return 0
    fi
    info_from_menu open || true
}

# point_in_info_line ID: a point near the end of a line of the colour information, where no text
# reaches, so that while sampling the pointer there makes the colour the window's white and
# not its own text.
point_in_info_line() {
    local x y w h
    read -r x y w h <<<"${control_rect[$1]}"
    rnd_between 3 20
    point_x=$((info_client_x + x + w - REPLY))
    rnd_between 3 $((h - 4))
    point_y=$((info_client_y + y + REPLY))
}

# took ID BEFORE LINE: a click on line ID took the text that line LINE showed before it or shows
# now: the clipboard holds it, or for "この色を基準にする" the reference line names it.
took() {
    ask info-text "$3" || return 1
    local now=$ASK_REPLY
    if (($1 != kMakeReferenceLink)); then
        clipboard_holds "$2" || clipboard_holds "$now"
        return
    fi
    ask info-text "$kReferenceLine" || return 1
    REASON="the reference line reads '$ASK_REPLY'"
    [[ $ASK_REPLY == "基準色  $2" || $ASK_REPLY == "基準色  $now" ]]
}

# Clicks a link of the colour information: a format must copy the line's text, "この色を基準に
# する" must make the colour the reference, as its first format (the code) names it. While
# sampling, the pointer on the line makes the colour white at the next tick, which may come
# before or after the click: the text before or after it counts.
action_info_link() {
    rnd 4
    local id=$kMakeReferenceLink line=$kFirstFormatLink before sequence
    if ((REPLY)); then
        rnd 14
        id=$((kFirstFormatLink + REPLY)) line=$((kFirstFormatLink + REPLY))
    fi
    point_in_info_line "$id"
    [[ $info == open ]] || return 0
    note_action "click line $id of the colour information ($mode)"
    e2e_pointer_to "$point_x" "$point_y"
    clipboard_sequence && sequence=$REPLY && ask info-text "$line" || return 0
    before=$ASK_REPLY
    xdotool click 1
    if ((id != kMakeReferenceLink)) && ! wait_until 1 clipboard_changed "$sequence"; then
        fail "line $id of the colour information did not copy ($mode): $REASON"
    elif wait_until 1 took "$id" "$before" "$line"; then
        pass "line $id of the colour information takes '$before' or its text after the click ($mode)"
    else
        fail "line $id of the colour information should take '$before' or the text of line $line after the click ($mode): $REASON"
    fi
}

action_tab() {
    rnd 2
    local key=Tab
    ((REPLY)) && key=shift+Tab
    note_action "press $key"
    focus_picker || true
    xdotool key "$key"
}

clipboard_sequence() {
    ask clipboard-sequence || return 1
    REPLY=$ASK_REPLY
}

# The clipboard changed since sequence number FROM. Polling the number leaves the clipboard free:
# reading its text while the picker copies could make the picker find it busy.
clipboard_changed() {
    clipboard_sequence || return 1
    REASON="the clipboard did not change"
    [[ $REPLY != "$1" ]]
}

# Clicks the copy label: the clipboard must change and then hold the code box's text. While
# sampling, the tick rewrites the code as the pointer moves onto the label, so the clipboard holds
# the text from before the click (typed into the box less than a tick ago) or some code.
action_copy() {
    local want want_reads sequence
    point_in_control 1014 3
    snapshot || return 0
    want=$S_CODE want_reads=$S_READS
    clipboard_sequence || return 0
    sequence=$REPLY
    note_action "click the copy label ($mode)"
    click_at "$point_x" "$point_y"
    if ! wait_until 1 clipboard_changed "$sequence"; then
        fail "the copy label did not copy ($mode): $REASON"
    elif [[ $mode == held ]]; then
        if clipboard_holds "$want"; then
            pass "the copy label copies '${want:0:40}'"
        else
            fail "the copy label should have copied '${want:0:40}' (read in $want_reads): $REASON"
        fi
    elif ask clipboard && [[ $ASK_REPLY =~ ^#[0-9A-F]{6}$ || $ASK_REPLY == "$want" ]]; then
        pass "the copy label copies '${ASK_REPLY:0:40}' while sampling"
    else
        fail "the copy label copied neither a code nor '${want:0:40}' (read in $want_reads) while sampling: the clipboard holds '${ASK_REPLY:0:60}'"
    fi
    reap_clip_helpers
}

# Clicks the copy label, or a format of the colour information, while the helper holds the
# clipboard open for a second: the picker gives up after its retries and the clipboard keeps
# what it had once the hold ends.
action_copy_busy() {
    local before sequence what="the copy label"
    point_in_control 1014 3
    rnd 2
    if ((REPLY)) && [[ $info == open ]]; then
        rnd 14
        point_in_info_line $((kFirstFormatLink + REPLY))
        what="format $((kFirstFormatLink + REPLY)) of the colour information"
    fi
    ask clipboard || return 0
    before=$ASK_REPLY
    clipboard_sequence || return 0
    sequence=$REPLY
    note_action "click $what while the clipboard is held open ($mode)"
    if ! ask hold-clipboard 1000; then
        log "note: the clipboard could not be held: $REASON"
        return 0
    fi
    click_at "$point_x" "$point_y"
    if ! ask hold-wait; then
        fail "the helper lost its hold on the clipboard: $REASON"
    elif ! clipboard_holds "$before"; then
        fail "a copy by $what onto a busy clipboard changed it from '${before:0:40}': $REASON"
    elif clipboard_changed "$sequence"; then
        fail "a copy by $what onto a busy clipboard left its text but changed it (sequence $sequence -> $REPLY)"
    else
        pass "a copy by $what onto a busy clipboard leaves it as it was"
    fi
}

window_at() {
    snapshot || return 1
    REASON="the frame stands at $frame_left,$frame_top ($S_READS)"
    e2e_numbers_near "$1" "$frame_left $frame_top" 2
}

# Drags the window by its swatch to a random place that keeps it on the screen.
action_drag_window() {
    local width=$((frame_right - frame_left)) height=$((frame_bottom - frame_top))
    rnd_between 0 $((E2E_SCREEN_WIDTH - width))
    local to_left=$REPLY
    rnd_between 0 $((E2E_SCREEN_HEIGHT - height))
    local to_top=$REPLY
    local offset_x offset_y steps i
    point_in_control 1001 6
    offset_x=$((point_x - client_x)) offset_y=$((point_y - client_y))
    rnd_between 8 20
    steps=$REPLY
    snapshot || return 0
    local from_x=$((client_x + offset_x)) from_y=$((client_y + offset_y))
    local dx=$((to_left - frame_left)) dy=$((to_top - frame_top))
    note_action "drag the window by $dx,$dy in $steps steps"
    e2e_pointer_to "$from_x" "$from_y"
    xdotool mousedown 1
    for ((i = 1; i <= steps; i++)); do
        e2e_pointer_to $((from_x + dx * i / steps)) $((from_y + dy * i / steps))
    done
    xdotool mouseup 1
    if wait_until 2 window_at "$to_left $to_top"; then
        pass "a drag on the swatch moves the window to $to_left,$to_top"
    else
        fail "a drag on the swatch should have moved the window to $to_left,$to_top: $REASON"
    fi
    # The magnifier stays where it opened; a user who has dragged the picker under it opens it
    # again, beside the picker, rather than click through it.
    if read_magnifier && magnifier_covers_picker; then
        log "note: the magnifier covers the picker; it is opened again beside it"
        magnifier_from_menu closed && magnifier_from_menu open || true
    fi
    clear_info
}

magnifier_covers_picker() {
    [[ $magnifier == open ]] && ((mag_left < frame_right && mag_right > frame_left &&
        mag_top < frame_bottom && mag_bottom > frame_top))
}

# Moves the pointer over the picker itself, the copy label among its controls.
action_hover() {
    rnd_between 2 6
    local steps=$REPLY i
    note_action "move the pointer over the window in $steps steps"
    for ((i = 0; i < steps; i++)); do
        rnd 3
        if ((REPLY == 0)); then
            point_in_control 1014 2
        else
            rnd_between 2 280
            point_x=$((client_x + REPLY))
            rnd_between 2 150
            point_y=$((client_y + REPLY))
        fi
        e2e_pointer_to "$point_x" "$point_y"
    done
}

# Points at a patch or at the root, outside the picker.
action_point() {
    local tries x y
    for ((tries = 0; tries < 10; tries++)); do
        rnd 3
        if ((REPLY)); then
            rnd $((kPatchColumns * kPatchRows))
            local row=$((REPLY / kPatchColumns)) column=$((REPLY % kPatchColumns))
            rnd_between 4 $((kPatchCell - 5))
            x=$((kPatchX + column * kPatchCell + REPLY))
            rnd_between 4 $((kPatchCell - 5))
            y=$((kPatchY + row * kPatchCell + REPLY))
        else
            rnd_between 8 $((E2E_SCREEN_WIDTH - 8))
            x=$REPLY
            rnd_between 8 $((E2E_SCREEN_HEIGHT - 8))
            y=$REPLY
        fi
        scene_colour "$x" "$y"
        if [[ -n $REPLY ]]; then
            note_action "point at $x,$y ($REPLY)"
            e2e_pointer_to "$x" "$y"
            return 0
        fi
    done
}

action_root() {
    rnd_colour
    root_colour=$REPLY
    note_action "paint the root #$root_colour"
    xsetroot -solid "#$root_colour"
}

# Weights of the actions, out of 100.
readonly kActions=(
    "11 action_point"
    "3 action_root"
    "8 action_enter"
    "10 action_type_number"
    "6 action_paste_number"
    "4 action_type_code"
    "2 action_paste_code"
    "8 action_scroll_arrow"
    "3 action_scroll_hold"
    "6 action_scroll_trough"
    "6 action_thumb_drag"
    "6 action_copy"
    "2 action_copy_busy"
    "4 action_drag_window"
    "4 action_tab"
    "5 action_hover"
    "2 action_magnifier"
    "2 action_info"
    "5 action_info_link"
    "3 action_hotkey"
)

# The run opens with one action of each kind in a random order, so that whatever Wine caches on
# first use is in place before the baseline sample.
prelude=()

random_action() {
    if ((${#prelude[@]} > 0)); then
        rnd ${#prelude[@]}
        local chosen=${prelude[REPLY]}
        prelude=("${prelude[@]:0:REPLY}" "${prelude[@]:REPLY+1}")
        "$chosen"
        return 0
    fi
    rnd 100
    local pick=$REPLY entry weight
    for entry in "${kActions[@]}"; do
        weight=${entry%% *}
        if ((pick < weight)); then
            "${entry#* }"
            return 0
        fi
        pick=$((pick - weight))
    done
}

start_us=$(e2e_now_us)
died=0
patches_pid=""
baseline_taken=0
B_RSS=0 B_PRIVATE=0 B_GDI=0 B_USER=0 B_HANDLES=0
S0_RSS=0 S0_PRIVATE=0 S0_GDI=0 S0_USER=0 S0_HANDLES=0

# The figures at the end are the last sample's; "?" once the picker has died.
closing_line() {
    local end=("$(mib "$R_RSS")" "$(mib "$R_PRIVATE")" "$R_GDI" "$R_USER" "$R_HANDLES")
    if ((died)); then
        end=("?" "?" "?" "?" "?")
    fi
    printf 'soak: %d s, %d actions, %d checks passed, %d failed, rss %s -> %s MiB, private %s -> %s MiB, gdi %s -> %s, user %s -> %s, handles %s -> %s\n' \
        $((($(e2e_now_us) - start_us) / 1000000)) "$actions" "$checks_passed" "$checks_failed" \
        "$(mib "$S0_RSS")" "${end[0]}" "$(mib "$S0_PRIVATE")" "${end[1]}" "$S0_GDI" "${end[2]}" \
        "$S0_USER" "${end[3]}" "$S0_HANDLES" "${end[4]}"
}

finish_run() {
    local status=$1
    helper_stop
    reap_clip_helpers
    local pid
    for pid in "${clip_pids[@]}" ${patches_pid:+"$patches_pid"}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    E2E_FINISHED=1
    if ((status != 0)); then
        e2e_log "soak: log and screenshots in $E2E_RUN_DIR"
    fi
    closing_line
    exit "$status"
}

picker_died() {
    died=1
    local status=0
    wait "$E2E_TINTAVO_PID" 2>/dev/null || status=$?
    E2E_TINTAVO_PID=""
    fail "tintavo.exe died (status $status); its output is in tintavo.log"
    tail -n 20 "$E2E_RUN_DIR/tintavo.log" >&2 || true
    finish_run 1
}

# The scene, then the picker.
e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96

printf 'soak: seed %s (SOAK_SEED=%s repeats it), %s s, log in %s\n' "$seed" "$seed" "$duration" "$log_file"
rnd_colour
root_colour=$REPLY
xsetroot -solid "#$root_colour"
patch_colours=("${kFixedPatches[@]}")
while ((${#patch_colours[@]} < kPatchColumns * kPatchRows)); do
    rnd_colour
    patch_colours+=("$REPLY")
done
e2e_unlocked wine "$helper_exe" patches "$kPatchX" "$kPatchY" "$kPatchCell" "$kPatchColumns" "${patch_colours[@]}" \
    >"$E2E_RUN_DIR/patches.log" 2>&1 &
patches_pid=$!
if ! wait_until 30 grep -qs shown "$E2E_RUN_DIR/patches.log"; then
    e2e_abort "the colour patches did not appear"
fi

e2e_pointer_to $((kPatchX + kPatchCell / 2)) $((kPatchY + kPatchCell / 2))
e2e_start_tintavo
trap '' PIPE
helper_start
snapshot || e2e_abort "the helper cannot read the picker: $REASON"
read_layout
if ! wait_until 5 fresh sampling_agrees; then
    e2e_abort "the picker does not sample the patch under the pointer: $REASON"
fi

# A thousand openings and closings of a window must leave the resources as they were. First a
# reading of the resources, whose first time grows the picker's memory under Wine by about
# 1.5 MiB once, one opening with a paint and a hundred quick ones.
thousand_openings() {
    local name=$1 toggle=$2
    ask "$toggle" 1 || e2e_abort "the $name cannot be opened: $REASON"
    sleep 1
    ask "$toggle" 1 || e2e_abort "the $name cannot be closed: $REASON"
    ask "$toggle" 100 || e2e_abort "the $name cannot be toggled: $REASON"
    sample_resources "before 1000 $name openings and closings" || e2e_abort "resources cannot be read"
    B_RSS=$R_RSS B_PRIVATE=$R_PRIVATE B_GDI=$R_GDI B_USER=$R_USER B_HANDLES=$R_HANDLES
    for ((batch = 0; batch < 10; batch++)); do
        ask "$toggle" 100 || fail "toggling the $name: $REASON"
    done
    sample_resources "after 1000 $name openings and closings" || true
    grew_since_baseline " over 1000 $name openings and closings"
    printf 'soak: 1000 %s openings and closings: rss %s -> %s MiB, private %s -> %s MiB, gdi %s -> %s, user %s -> %s, handles %s -> %s\n' \
        "$name" "$(mib "$B_RSS")" "$(mib "$R_RSS")" "$(mib "$B_PRIVATE")" "$(mib "$R_PRIVATE")" "$B_GDI" "$R_GDI" \
        "$B_USER" "$R_USER" "$B_HANDLES" "$R_HANDLES"
}

read_resources || e2e_abort "resources cannot be read"
thousand_openings magnifier toggle-magnifier
thousand_openings "colour information" toggle-info
magnifier_from_menu open || e2e_abort "the magnifier does not open from the window menu"
info_from_menu open || e2e_abort "the colour information does not open from the window menu"
read_layout TintavoColourInfo

start_us=$(e2e_now_us)
end_us=$((start_us + duration * 1000000))
sample_resources start || e2e_abort "resources cannot be read"
S0_RSS=$R_RSS S0_PRIVATE=$R_PRIVATE S0_GDI=$R_GDI S0_USER=$R_USER S0_HANDLES=$R_HANDLES
printf 'soak: %s\n' "$gui_note"
baseline_us=$((start_us + (duration >= 120 ? 60 : duration / 2) * 1000000))
next_minute_us=$((start_us + 60000000))
next_check_us=$((start_us + 1000000))
check_number=0
for entry in "${kActions[@]}"; do
    prelude+=("${entry#* }")
done

while (($(e2e_now_us) < end_us)); do
    now=$(e2e_now_us)
    if ((now >= next_check_us)); then
        check_number=$((check_number + 1))
        periodic_check "$check_number"
        next_check_us=$((next_check_us + 1000000))
        if ((next_check_us < now)); then
            next_check_us=$((now + 1000000))
        fi
    fi
    baseline_due=$((!baseline_taken && now >= baseline_us))
    if ((baseline_due || (now >= next_minute_us && now + 30000000 < end_us))); then
        label="at $(((now - start_us) / 1000000)) s"
        ((baseline_due)) && label+=" (baseline)"
        if sample_resources "$label" && ((baseline_due)); then
            B_RSS=$R_RSS B_PRIVATE=$R_PRIVATE B_GDI=$R_GDI B_USER=$R_USER B_HANDLES=$R_HANDLES
            baseline_taken=1
        fi
        while ((next_minute_us <= now)); do
            next_minute_us=$((next_minute_us + 60000000))
        done
    fi
    if ! e2e_tintavo_running; then
        picker_died
    fi
    random_action
    sleep 0.0$((1 + actions % 5))
done

# A last check at rest, the resources, then the window closes as a user would close it.
if [[ $mode == held ]]; then
    action_enter
fi
periodic_check $((check_number + 1))
sample_resources end || true
status=0
if ((!baseline_taken)); then
    B_RSS=$S0_RSS B_PRIVATE=$S0_PRIVATE B_GDI=$S0_GDI B_USER=$S0_USER B_HANDLES=$S0_HANDLES
fi
grew_since_baseline ""
if ((scene_mismatches > 0)); then
    printf 'soak: note: %d times the screen under the pointer differed from the painted scene\n' "$scene_mismatches"
fi

probe close >/dev/null || true
if e2e_wait_tintavo_exit 10 && [[ $E2E_TINTAVO_STATUS == 0 ]]; then
    pass "closing the window ends the picker with status 0"
else
    fail "closing the window should end the picker with status 0 (status '${E2E_TINTAVO_STATUS:-still running}')"
fi

((checks_failed == 0)) || status=1
finish_run "$status"
