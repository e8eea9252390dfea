#!/usr/bin/env bash
# The window menu's colour submenus under Wine, from the keyboard: each item of
# "形式を選んでコピー" (Alt+Space, F, digit) puts exactly its text on the clipboard and leaves the
# sampling on; "最近の色" (Alt+Space, H, digit) brings a colour held before back into the boxes,
# the scroll bars, the swatch and the code, and holds the sampling.
# Usage: colour_menus_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init colour_menus "$@"

show_and_sample() {
    xsetroot -solid "$1"
    assert_eventually_eq "the picker samples $1" 5 "$1" probe text 1013
}

check_formats() {
    local -a texts=("#1E90FF" "rgb(30, 144, 255)" "hsl(210, 100%, 56%)" "30, 144, 255" "0x00FF901E")
    local i
    show_and_sample "#1E90FF"
    for i in "${!texts[@]}"; do
        e2e_window_menu f $((i + 1)) || e2e_fail "Alt+Space opens the window menu"
        assert_eventually_eq "format $((i + 1)): X programs read '${texts[i]}'" 5 "${texts[i]}" timeout 5 xclip -o -selection clipboard
        assert_eq "format $((i + 1)): Windows programs read it too" "${texts[i]}" "$(probe clipboard)"
    done
    assert_eq "copying leaves the sampling on" "$E2E_STATUS_SAMPLING" "$(probe text 1012)"
}

# Holds three colours, resuming after each, then chooses the second newest of the recent colours.
check_recent() {
    local colour
    for colour in "#FF8000" "#336699" "#F0F0F0"; do
        show_and_sample "$colour"
        e2e_press_enter || true
        assert_eventually_eq "Enter holds" 3 "$E2E_STATUS_HELD" probe text 1012
        e2e_press_enter || true
        assert_eventually_eq "Enter resumes" 3 "$E2E_STATUS_SAMPLING" probe text 1012
    done
    show_and_sample "#000000"
    e2e_window_menu h 2 || e2e_fail "Alt+Space opens the window menu"
    assert_eventually_eq "choosing a recent colour holds the sampling" 3 "$E2E_STATUS_HELD" probe text 1012
    e2e_assert_colour "the second newest recent colour" 51 102 153
}

e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to 1000 700
e2e_start_tintavo
check_formats
check_recent
e2e_assert_alive "after both menus"
e2e_stop_tintavo
e2e_finish
