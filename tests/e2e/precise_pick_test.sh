#!/usr/bin/env bash
# Picking one pixel or an area under Wine: the keyboard starts on the swatch and Tab goes on to
# the red box; arrow keys on the swatch move the pointer a pixel, ten with Shift, and the colour
# follows on one-pixel stripes; on 2 × 2 squares a 1 × 1 sample reads black or white, a 3 × 3
# one (Alt+Space, P, 3) the mean of 4 or 5 white pixels out of 9.
# Usage: precise_pick_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init precise_pick "$@"

# tile ROWS... FG: tiles the screen with an X bitmap 8 pixels wide, one byte a row (the
# leftmost pixel in the lowest bit), FG on black.
tile() {
    local fg=${*: -1} file=$E2E_RUN_DIR/tile.xbm
    printf '#define t_width 8\n#define t_height %d\nstatic unsigned char t_bits[] = {\n' $(($# - 1)) >"$file"
    printf '%s,\n' "${@:1:$#-1}" >>"$file"
    echo '};' >>"$file"
    xsetroot -bitmap "$file" -fg "$fg" -bg '#000000'
}

code_in() {
    [[ " $* " == *" $(probe text 1013) "* ]]
}

key_on_picker() {
    e2e_focus_tintavo && xdotool key "$1"
}

check_focus_and_arrows() {
    local expected x y
    assert_eventually_eq "the keyboard starts on the swatch" 5 1001 probe focus-id
    key_on_picker Tab
    assert_eventually_eq "Tab goes on to the red box" 5 1006 probe focus-id
    key_on_picker shift+Tab  # back to the swatch, where the arrows move the pointer
    tile 0x55 '#FFFFFF'
    assert_eventually_eq "on an even column the picker samples white" 5 "#FFFFFF" probe text 1013
    read -r x y _ <<<"$(xdotool getmouselocation)"
    for expected in "#000000" "#FFFFFF" "#000000"; do
        key_on_picker Right
        assert_eventually_eq "Right moves one pixel, onto $expected" 5 "$expected" probe text 1013
    done
    key_on_picker shift+Down
    assert_eq "Right three times and Shift+Down move the pointer by (+3, +10)" \
        "x:$((${x#x:} + 3)) y:$((${y#y:} + 10))" "$(xdotool getmouselocation | cut -d ' ' -f 1,2)"
}

check_area() {
    local at
    tile 0x33 0x33 0xcc 0xcc '#FFFFFF'
    for at in "800 600" "801 601"; do
        e2e_pointer_to $at
        wait_until 5 code_in "#000000" "#FFFFFF" && e2e_pass "1 × 1 at $at reads black or white" ||
            e2e_fail "1 × 1 at $at reads $(probe text 1013)"
    done
    e2e_window_menu p 3 || e2e_fail "Alt+Space opens the window menu"
    for at in "800 600" "801 600" "801 601"; do
        e2e_pointer_to $at
        wait_until 5 code_in "#717171" "#8E8E8E" && e2e_pass "3 × 3 at $at reads the mean of 4 or 5 white pixels" ||
            e2e_fail "3 × 3 at $at reads $(probe text 1013)"
    done
}

e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to 800 600
e2e_start_tintavo
check_focus_and_arrows
check_area
e2e_assert_alive "after picking precisely"
e2e_stop_tintavo
e2e_finish
