#!/usr/bin/env bash
# Picking one pixel or an area under Wine: the keyboard starts on the swatch and Tab goes on to
# the red box; arrow keys on the swatch move the pointer one pixel, ten with Shift, and the
# sampled colour follows on one-pixel stripes; on a checkerboard of 2 × 2 squares, a 1 × 1 sample
# reads black or white and a 3 × 3 sample ("サンプル範囲", Alt+Space, P, 3) the mean of 4 or 5
# white pixels out of 9.
# Usage: precise_pick_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init precise_pick "$@"

readonly kSwatch=1001 kRedBox=1006 kCode=1013

# write_xbm FILE WIDTH HEIGHT BYTE...: a bitmap for xsetroot, one byte a row, leftmost pixel in
# the lowest bit.
write_xbm() {
    local file=$1 width=$2 height=$3
    shift 3
    {
        printf '#define t_width %s\n#define t_height %s\nstatic unsigned char t_bits[] = {\n' "$width" "$height"
        printf '%s,\n' "$@"
        printf '};\n'
    } >"$file"
}

pointer() {
    local x y
    read -r x y _ <<<"$(xdotool getmouselocation)"
    echo "${x#x:} ${y#y:}"
}

code_in() {
    local code
    code=$(probe text $kCode) || return 1
    [[ " $* " == *" $code "* ]]
}

# key_on_swatch KEY: a key pressed in the picker, whose focus is on the swatch.
key_on_swatch() {
    e2e_focus_tintavo && xdotool key "$1"
}

check_focus() {
    assert_eventually_eq "the keyboard starts on the swatch" 5 $kSwatch probe focus-id
    key_on_swatch Tab
    assert_eventually_eq "Tab goes on to the red box" 5 $kRedBox probe focus-id
    key_on_swatch shift+Tab
    assert_eventually_eq "Shift+Tab comes back to the swatch" 5 $kSwatch probe focus-id
}

# Vertical stripes one pixel wide: white on even columns, black on odd ones.
check_arrows() {
    local x y expected moved
    write_xbm "$E2E_RUN_DIR/stripes.xbm" 2 1 0x01
    xsetroot -bitmap "$E2E_RUN_DIR/stripes.xbm" -fg '#FFFFFF' -bg '#000000'
    e2e_pointer_to 800 600
    assert_eventually_eq "on an even column the picker samples white" 5 "#FFFFFF" probe text $kCode
    read -r x y <<<"$(pointer)"
    for expected in "#000000" "#FFFFFF" "#000000"; do
        key_on_swatch Right
        assert_eventually_eq "Right moves one pixel, onto $expected" 5 "$expected" probe text $kCode
    done
    key_on_swatch shift+Down
    moved=$(pointer)
    assert_eq "Right three times and Shift+Down move the pointer by (+3, +10)" "$((x + 3)) $((y + 10))" "$moved"
    assert_eventually_eq "the column below samples the same" 5 "#000000" probe text $kCode
}

# 2 × 2 squares: a 3 × 3 area holds 4 or 5 white pixels, 113 or 142 a channel.
check_area() {
    local at
    write_xbm "$E2E_RUN_DIR/squares.xbm" 4 4 0x03 0x03 0x0c 0x0c
    xsetroot -bitmap "$E2E_RUN_DIR/squares.xbm" -fg '#FFFFFF' -bg '#000000'
    for at in "800 600" "801 600" "801 601"; do
        e2e_pointer_to ${at}
        wait_until 5 code_in "#000000" "#FFFFFF" && e2e_pass "1 × 1 at $at reads black or white" ||
            e2e_fail "1 × 1 at $at reads $(probe text $kCode)"
    done
    e2e_window_menu p 3 || e2e_fail "Alt+Space opens the window menu"
    for at in "800 600" "801 600" "801 601"; do
        e2e_pointer_to ${at}
        wait_until 5 code_in "#717171" "#8E8E8E" && e2e_pass "3 × 3 at $at reads the mean of 4 or 5 white pixels" ||
            e2e_fail "3 × 3 at $at reads $(probe text $kCode)"
    done
    e2e_window_menu p 1 || e2e_fail "Alt+Space opens the window menu"
    wait_until 5 code_in "#000000" "#FFFFFF" && e2e_pass "1 × 1 again reads one pixel" ||
        e2e_fail "1 × 1 again reads $(probe text $kCode)"
}

e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to 800 600
e2e_start_tintavo
check_focus
check_arrows
check_area
e2e_assert_alive "after picking precisely"
e2e_stop_tintavo
e2e_finish
