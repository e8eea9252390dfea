#!/usr/bin/env bash
# The picker's window under Wine: its frame and controls at 96 and 144 DPI, the Enter key
# from a number box and from a scroll bar, moving the window by its swatch, and closing it.
# Usage: window_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init window "$@"

readonly kSampling="色取得中...<ENTER>キーで確定"
readonly kHolding="<ENTER>キーで色取得開始"
# The root colour that the picker samples while the pointer rests outside its window.
readonly kRootColour="#204060"
readonly kRootComponents=(32 64 96)

# id class x y width height text, at 96 DPI. "@" marks a text that depends on the sampled colour.
readonly kControls=(
    "1001|TintavoPicture|0|40|80|96|"
    "1002|TintavoPicture|72|112|1|1|"
    "1003|Static|80|40|17|17|R"
    "1004|Static|80|64|17|17|G"
    "1005|Static|80|88|17|17|B"
    "1006|Edit|96|40|41|18|@"
    "1007|Edit|96|64|41|18|@"
    "1008|Edit|96|88|41|18|@"
    "1009|ScrollBar|136|40|145|17|"
    "1010|ScrollBar|136|64|145|17|"
    "1011|ScrollBar|136|88|145|17|"
    "1012|Static|0|136|289|17|$kSampling"
    "1013|Edit|88|112|81|18|@"
    "1014|Static|176|112|105|18|クリップボードへ"
)
readonly kCaptureBufferId=1002

# 96-DPI pixels at 144 DPI: times 1.5, halves rounded up.
scaled() {
    echo $(((3 * $1 + 1) / 2))
}

# Window fields of the last `read_window`: client size, frame position and size, and the
# client area's top-left corner on the screen.
title="" client_w=0 client_h=0 topmost=0 frame_x=0 frame_y=0 visible=0 frame_w=0 frame_h=0
client_x=0 client_y=0

read_window() {
    local line
    line=$(probe window) || e2e_abort "the probe finds no window"
    e2e_split_tabs "$line"
    title=${E2E_FIELDS[0]} client_w=${E2E_FIELDS[1]} client_h=${E2E_FIELDS[2]} topmost=${E2E_FIELDS[3]}
    frame_x=${E2E_FIELDS[4]} frame_y=${E2E_FIELDS[5]} visible=${E2E_FIELDS[6]}
    frame_w=${E2E_FIELDS[7]} frame_h=${E2E_FIELDS[8]} client_x=${E2E_FIELDS[9]} client_y=${E2E_FIELDS[10]}
}

declare -A control_class control_rect control_text

read_controls() {
    control_class=() control_rect=() control_text=()
    local lines line
    lines=$(probe controls) || e2e_abort "the probe cannot list the controls"
    while IFS= read -r line; do
        e2e_split_tabs "$line"
        local id=${E2E_FIELDS[0]}
        control_class[$id]=${E2E_FIELDS[1],,}
        control_rect[$id]="${E2E_FIELDS[2]} ${E2E_FIELDS[3]} ${E2E_FIELDS[4]} ${E2E_FIELDS[5]}"
        control_text[$id]=${E2E_FIELDS[6]:-}
    done <<<"$lines"
}

# Clicks at a point of the client area, given in client pixels.
click_client() {
    e2e_pointer_to $((client_x + $1)) $((client_y + $2))
    xdotool click 1
}

# Rests the pointer on the bare root window, away from the picker.
park_pointer() {
    local x=$((E2E_SCREEN_WIDTH - 8)) y=$((E2E_SCREEN_HEIGHT - 8))
    if ((x >= frame_x && x < frame_x + frame_w && y >= frame_y && y < frame_y + frame_h)); then
        x=8 y=8
    fi
    e2e_pointer_to "$x" "$y"
}

check_layout() {
    local dpi=$1 entry id class x y w h text expected
    read_controls
    for entry in "${kControls[@]}"; do
        IFS='|' read -r id class x y w h text <<<"$entry"
        if [[ $dpi == 144 ]]; then
            x=$(scaled "$x") y=$(scaled "$y")
            if [[ $id != "$kCaptureBufferId" ]]; then
                w=$(scaled "$w") h=$(scaled "$h")
            fi
        fi
        if [[ -z ${control_class[$id]+set} ]]; then
            e2e_fail "$dpi dpi: control $id exists"
            continue
        fi
        assert_eq "$dpi dpi: control $id is of class $class" "${class,,}" "${control_class[$id]}"
        if [[ $dpi == 96 || $id == "$kCaptureBufferId" ]]; then
            assert_eq "$dpi dpi: control $id at $x,$y size ${w}x$h" "$x $y $w $h" "${control_rect[$id]}"
        else
            assert_near "$dpi dpi: control $id at $x,$y size ${w}x$h" "$x $y $w $h" "${control_rect[$id]}" 1
        fi
        if [[ $text != "@" ]]; then
            assert_eq "$dpi dpi: control $id reads '$text'" "$text" "${control_text[$id]}"
        fi
    done
    expected=$(printf '%s\n' "${kControls[@]%%|*}" | sort | tr '\n' ' ')
    assert_eq "$dpi dpi: no other child windows" "$expected" "$(printf '%s\n' "${!control_class[@]}" | sort | tr '\n' ' ')"
}

# The tick samples the root under the parked pointer: the boxes, the scroll bars and the code
# follow its colour.
check_sampling() {
    local dpi=$1 i
    park_pointer
    assert_eventually_eq "$dpi dpi: the code box shows the sampled colour" 5 "$kRootColour" probe text 1013
    for i in 0 1 2; do
        assert_eq "$dpi dpi: number box $((1006 + i)) shows the sampled component" \
            "${kRootComponents[i]}" "$(probe text $((1006 + i)))"
        assert_eq "$dpi dpi: scroll bar $((1009 + i)) stands at the component, range 0..255" \
            "${kRootComponents[i]}"$'\t0\t255' "$(probe scroll $((1009 + i)))"
    done
}

check_window() {
    local dpi=$1
    read_window
    assert_eq "$dpi dpi: title" "Tintavo!" "$title"
    if [[ $dpi == 96 ]]; then
        assert_eq "$dpi dpi: client area" "288 153" "$client_w $client_h"
    else
        assert_near "$dpi dpi: client area" "$(scaled 288) $(scaled 153)" "$client_w $client_h" 1
    fi
    assert_eq "$dpi dpi: topmost" 1 "$topmost"
    assert_eq "$dpi dpi: visible" 1 "$visible"
}

save_screenshot() {
    local file=$1
    if e2e_screenshot "$file"; then
        e2e_log "screenshot: $file"
    else
        e2e_fail "screenshot $file saved"
    fi
}

check_enter_from_number_box() {
    click_client 116 49
    assert_eventually_eq "a click puts the focus in number box 1006" 5 1006 probe focus-id
    xdotool key Return
    assert_eventually_eq "Enter in a number box stops sampling" 5 "$kHolding" probe text 1012
    xdotool key Return
    assert_eventually_eq "Enter in a number box again restarts sampling" 5 "$kSampling" probe text 1012
    xdotool key Return
    assert_eventually_eq "Enter in a number box a third time stops it again" 5 "$kHolding" probe text 1012
}

# Clicks the thumb of the green scroll bar without moving, which leaves its value alone.
check_enter_from_scroll_bar() {
    local before thumb
    before=$(probe scroll 1010) || e2e_abort "the probe cannot read scroll bar 1010"
    thumb=$(probe thumb 1010) || e2e_abort "the probe cannot locate the thumb of scroll bar 1010"
    e2e_split_tabs "$thumb"
    click_client $((E2E_FIELDS[0] + E2E_FIELDS[2] / 2)) $((E2E_FIELDS[1] + E2E_FIELDS[3] / 2))
    assert_eventually_eq "a click on its thumb puts the focus in scroll bar 1010" 5 1010 probe focus-id
    assert_eq "a click on the thumb leaves the scroll bar's value" "$before" "$(probe scroll 1010)"
    xdotool key Return
    assert_eventually_eq "Enter in a scroll bar restarts sampling" 5 "$kSampling" probe text 1012
    xdotool key Return
    assert_eventually_eq "Enter in a scroll bar stops sampling" 5 "$kHolding" probe text 1012
}

window_at() {
    read_window
    e2e_numbers_near "$1" "$frame_x $frame_y" 2
}

# A left drag on the swatch in small steps; the window follows the pointer.
check_drag() {
    local dx=60 dy=40 steps=20 i
    read_window
    local start_x=$frame_x start_y=$frame_y
    local press_x=$((client_x + 40)) press_y=$((client_y + 88))
    e2e_pointer_to "$press_x" "$press_y"
    xdotool mousedown 1
    for ((i = 1; i <= steps; i++)); do
        e2e_pointer_to $((press_x + dx * i / steps)) $((press_y + dy * i / steps))
    done
    xdotool mouseup 1
    local expected="$((start_x + dx)) $((start_y + dy))"
    if wait_until 5 window_at "$expected"; then
        e2e_pass "a drag on the swatch moves the window by the drag"
    else
        e2e_fail "a drag on the swatch moves the window by the drag: expected $expected (±2), got $frame_x $frame_y"
    fi
    assert_eq "the window stays topmost after the move" 1 "$topmost"
}

check_survived() {
    if probe responsive; then
        e2e_pass "the window still answers"
    else
        e2e_fail "the window still answers"
    fi
    assert_eq "no error box or other window of the process" 1 "$(probe windows-of-pid "$E2E_TINTAVO_WINPID")"
}

check_close() {
    probe close || e2e_fail "WM_CLOSE posted"
    if e2e_wait_tintavo_exit 10; then
        e2e_pass "closing the window ends the process"
        assert_eq "the process exits with status 0" 0 "$E2E_TINTAVO_STATUS"
    else
        e2e_fail "closing the window ends the process within 10 s"
    fi
}

screenshot_96=$E2E_RUN_DIR/tintavo-96dpi.png
if [[ ${TINTAVO_SAVE_SCREENSHOT:-} == 1 ]]; then
    screenshot_96=$E2E_REPO_DIR/docs/tintavo.png
fi

e2e_start_xvfb
xsetroot -solid "$kRootColour"
e2e_acquire_prefix

e2e_prepare_prefix 96
e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
e2e_start_tintavo
check_window 96
check_sampling 96
check_layout 96
save_screenshot "$screenshot_96"
check_enter_from_number_box
check_enter_from_scroll_bar
check_drag
check_survived
check_close

e2e_prepare_prefix 144
e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
e2e_start_tintavo
check_window 144
check_sampling 144
check_layout 144
save_screenshot "$E2E_RUN_DIR/tintavo-144dpi.png"
check_survived
check_close

e2e_finish
