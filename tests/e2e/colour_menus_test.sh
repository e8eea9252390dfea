#!/usr/bin/env bash
# The window menu's colour submenus under Wine, from the keyboard: an item of
# "形式を選んでコピー" (Alt+Space, F, its key) puts exactly its text on the clipboard and leaves the
# sampling on; "最近の色" (Alt+Space, H, digit) brings a colour held before back into the boxes,
# the scroll bars, the swatch and the code, and holds the sampling; its "すべてコピー" (A, digit)
# copies all the recent colours at once. A right click on the swatch or the status line shows the
# same additions as a context menu, a right drag does not move the window, and a number box keeps
# its own menu.
# Usage: colour_menus_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init colour_menus "$@"

show_and_sample() {
    xsetroot -solid "$1"
    assert_eventually_eq "the picker samples $1" 5 "$1" probe text 1013
}

check_formats() {
    local -a keys=(2 5 8 0 c)
    local -a texts=("rgb(30, 144, 255)" "0x00FF901E" "oklch(65.2% 0.190 253.2)" "0.118, 0.565, 1.000" "&H00FF901E&")
    local i
    show_and_sample "#1E90FF"
    for i in "${!texts[@]}"; do
        e2e_window_menu f "${keys[i]}" || e2e_fail "Alt+Space opens the window menu"
        assert_eventually_eq "format ${keys[i]}: X programs read '${texts[i]}'" 5 "${texts[i]}" timeout 5 xclip -o -selection clipboard
        assert_eq "format ${keys[i]}: Windows programs read it too" "${texts[i]}" "$(probe clipboard)"
    done
    assert_eq "copying leaves the sampling on" "$E2E_STATUS_SAMPLING" "$(probe text 1012)"
}

# Holds three colours, resuming after each, copies all the recent colours as JSON, then chooses
# the second newest of them.
check_recent() {
    local colour
    for colour in "#FF8000" "#336699" "#F0F0F0"; do
        show_and_sample "$colour"
        e2e_press_enter || true
        assert_eventually_eq "Enter holds" 3 "$E2E_STATUS_HELD" probe text 1012
        e2e_press_enter || true
        assert_eventually_eq "Enter resumes" 3 "$E2E_STATUS_SAMPLING" probe text 1012
    done
    # The probe shows the line end as two blanks.
    e2e_window_menu h a 3 || e2e_fail "Alt+Space opens the window menu"
    assert_eventually_eq "the palette: newest first, the copied format's colour last" 5 \
        '["#F0F0F0", "#336699", "#FF8000", "#1E90FF"]  ' probe clipboard
    assert_eq "copying a palette leaves the sampling on" "$E2E_STATUS_SAMPLING" "$(probe text 1012)"
    show_and_sample "#000000"
    e2e_window_menu h 2 || e2e_fail "Alt+Space opens the window menu"
    assert_eventually_eq "choosing a recent colour holds the sampling" 3 "$E2E_STATUS_HELD" probe text 1012
    e2e_assert_colour "the second newest recent colour" 51 102 153
}

magnifier_open() {
    probe magnifier >/dev/null 2>&1
}

# right_click ID KEY...: a right click on a control, then, once a menu is open, the keys.
right_click() {
    local id=$1
    shift
    e2e_click_control "$id" 3 && wait_until 5 probe menu-popup >/dev/null && xdotool key "$@"
}

# Runs on the colour that check_recent leaves held.
check_context_menu() {
    local before x y width height
    right_click 1012 f 2 || e2e_fail "a right click on the status line opens a menu"
    assert_eventually_eq "its F, 2 copies the CSS rgb() of the held colour" 5 "rgb(51, 102, 153)" probe clipboard
    right_click 1001 z || e2e_fail "a right click on the swatch opens a menu"
    wait_until 5 magnifier_open && e2e_pass "its Z opens the magnifier" || e2e_fail "Z did not open the magnifier"
    right_click 1001 z || e2e_fail "a right click on the swatch opens a menu"
    wait_until 5 eval '! magnifier_open' || e2e_fail "Z closes the magnifier again"

    before="$E2E_FRAME_X $E2E_FRAME_Y"
    read -r x y width height <<<"$(e2e_control_rect 1001)"
    e2e_pointer_to $((E2E_CLIENT_X + x + width / 2)) $((E2E_CLIENT_Y + y + height / 2))
    xdotool mousedown 3 mousemove_relative 20 10 mousemove_relative 20 10 mouseup 3
    wait_until 5 probe menu-popup >/dev/null && xdotool key Escape
    e2e_read_window
    assert_eq "a right drag on the swatch leaves the window in place" "$before" "$E2E_FRAME_X $E2E_FRAME_Y"

    right_click 1006 z Escape || e2e_fail "a right click on a number box opens its menu"
    ! wait_until 2 magnifier_open && e2e_pass "the number box's menu is the edit menu" ||
        e2e_fail "a right click on a number box showed the picker's menu"
}

e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to 1000 700
e2e_start_tintavo
check_formats
check_recent
check_context_menu
e2e_assert_alive "after the menus"
e2e_stop_tintavo
e2e_finish
