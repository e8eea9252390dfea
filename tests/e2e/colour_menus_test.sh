#!/usr/bin/env bash
# The window menu's colour submenus under Wine, from the keyboard: an item of
# "形式を選んでコピー" (Alt+Space, F, its key) puts exactly its text on the clipboard and leaves the
# sampling on; "最近の色" (Alt+Space, H, digit) brings a colour held before back into the boxes,
# the scroll bars, the swatch and the code, and holds the sampling; its "すべてコピー" (A, digit)
# copies all the recent colours at once.
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
