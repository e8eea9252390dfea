#!/usr/bin/env bash
# Editing a held colour under Wine: typed values, scroll bar arrows, troughs and a dragged
# thumb move the boxes, the scroll bars, the swatch and the code together; texts that are no
# valid value change nothing and end nothing.
# Usage: editors_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init editors "$@"

readonly kRootColour="#204060"
readonly kRootComponents=(32 64 96)

# The colour as the checks expect it; each step changes it and checks it.
red=32 green=64 blue=96

type_into() {
    e2e_type_into "$@" || e2e_abort "a click puts the focus in number box $1"
}

append_into() {
    e2e_append_into "$@" || e2e_abort "a click puts the focus in number box $1"
}

check_colour() {
    e2e_assert_colour "$1" "$red" "$green" "$blue" "${@:2}"
}

hold_root_colour() {
    e2e_park_pointer || e2e_abort "no free corner for the pointer"
    e2e_assert_colour "sampling the root" "${kRootComponents[@]}"
    e2e_press_enter || e2e_fail "the picker's window takes the keyboard focus"
    assert_eventually_eq "Enter holds the colour" 3 "$E2E_STATUS_HELD" probe text 1012
}

check_typed_values() {
    type_into 1006 200
    red=200
    check_colour "200 typed into the red box"
    type_into 1007 170
    green=170
    check_colour "170 typed into the green box"
    # 07 is rewritten as 7 while the box has the focus; the 5 typed next lands behind it.
    type_into 1008 075
    blue=75
    check_colour "075 typed into the blue box: 07 shows as 7, and the 5 follows it"
}

# The last scroll bar and thumb located, in client pixels.
bar_x=0 bar_y=0 bar_w=0 bar_h=0 thumb_x=0 thumb_y=0 thumb_w=0 thumb_h=0

scroll_bar_rect() {
    local rect
    rect=$(e2e_control_rect "$1") || e2e_abort "the probe finds no scroll bar $1"
    read -r bar_x bar_y bar_w bar_h <<<"$rect"
}

thumb_rect() {
    local rect
    rect=$(probe thumb "$1") || e2e_abort "the probe cannot locate the thumb of scroll bar $1"
    read -r thumb_x thumb_y thumb_w thumb_h <<<"$rect"
}

# Clicks the arrows and the troughs of the red and green bars. A horizontal scroll bar has
# square arrows at its ends, as wide as the bar is high.
check_scroll_steps() {
    scroll_bar_rect 1009
    e2e_click_client $((bar_x + bar_w - bar_h / 2)) $((bar_y + bar_h / 2))
    red=201
    check_colour "the red bar's right arrow steps by 1"
    thumb_rect 1009
    e2e_click_client $(((thumb_x + thumb_w + bar_x + bar_w - bar_h) / 2)) $((bar_y + bar_h / 2))
    red=206
    check_colour "the red bar's trough right of the thumb steps by 5"

    scroll_bar_rect 1010
    e2e_click_client $((bar_x + bar_h / 2)) $((bar_y + bar_h / 2))
    green=169
    check_colour "the green bar's left arrow steps back by 1"
    thumb_rect 1010
    e2e_click_client $(((bar_x + bar_h + thumb_x) / 2)) $((bar_y + bar_h / 2))
    green=164
    check_colour "the green bar's trough left of the thumb steps back by 5"
}

scroll_position_is_not() {
    local line
    line=$(probe scroll "$1") || return 1
    [[ ${line%%$'\t'*} != "$2" ]]
}

# Drags the blue thumb to the right in small steps: the thumb follows at once, the box, the
# swatch and the code only at the release.
check_thumb_drag() {
    local distance=40 steps=20 i start_x start_y code before track offset expected
    code=$(e2e_colour_code "$red" "$green" "$blue")
    before=$blue
    scroll_bar_rect 1011
    thumb_rect 1011
    start_x=$((E2E_CLIENT_X + thumb_x + thumb_w / 2)) start_y=$((E2E_CLIENT_Y + thumb_y + thumb_h / 2))
    e2e_pointer_to "$start_x" "$start_y"
    xdotool mousedown 1
    for ((i = 1; i <= steps; i++)); do
        e2e_pointer_to $((start_x + distance * i / steps)) "$start_y"
    done
    if wait_until 3 scroll_position_is_not 1011 "$before"; then
        e2e_pass "the dragged thumb moves while the button is down"
    else
        e2e_fail "the dragged thumb moves while the button is down: scroll bar 1011 still at $before"
    fi
    assert_stays_eq "the blue box stays at $before while the button is down" 1 "$before" probe text 1008
    assert_eq "the code stays while the button is down" "$code" "$(probe text 1013)"
    assert_eq "the swatch stays while the button is down" "$code" "$(e2e_swatch_centre_pixel)"
    xdotool mouseup 1

    # The thumb's left edge travels over the bar less its two arrows and its own width for the
    # range 0..255.
    track=$((bar_w - 2 * bar_h - thumb_w))
    offset=$((thumb_x - bar_x - bar_h + distance))
    expected=$(((2 * offset * 255 + track) / (2 * track)))
    blue=$(probe scroll 1011 | cut -f1)
    assert_near "the released thumb sets the blue value where it was let go" "$expected" "$blue" 1
    check_colour "after the thumb's release"
}

# check_invalid_text DESCRIPTION TEXT: the red box holds TEXT as typed; the colour is unchanged.
check_invalid_text() {
    assert_eventually_eq "$1: the red box keeps '$2' as typed" 3 "$2" probe text 1006
    e2e_assert_alive "$1"
    check_colour "$1" "$2" "$green" "$blue"
}

check_invalid_texts() {
    local text
    for text in "" abc -; do
        type_into 1006 "$text"
        check_invalid_text "'$text' typed into the red box" "$text"
    done
    type_into 1006 99
    red=99
    check_colour "99 typed into the red box"
    # Typed digit by digit, 999 would pass through the valid 9 and 99; the last 9 alone makes
    # it invalid.
    append_into 1006 9
    check_invalid_text "a third 9 typed behind 99 in the red box" 999
    type_into 1006 128
    red=128
    check_colour "128 typed into the red box after the invalid texts"
}

e2e_start_xvfb
xsetroot -solid "$kRootColour"
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
e2e_start_tintavo
hold_root_colour
check_typed_values
check_scroll_steps
check_thumb_drag
check_invalid_texts
e2e_assert_alive "after every edit"
e2e_stop_tintavo
e2e_finish
