#!/usr/bin/env bash
# The colour information window under Wine: Alt+Space, I opens it beside the picker, clear of
# it, without taking the keyboard focus; it names the sampled colour and judges its contrast
# against the reference colour, as it shows and as a screen reader reads it; a click on
# "この色を基準にする" makes the held colour the reference, a click on a format copies that
# format, and Alt+Space, I closes the window again.
# Usage: colour_info_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init colour_info "$@"

# The window's lines by id, in the order it shows them.
readonly kName=1 kReference=2 kMakeReference=3 kRatio=4 kAa=5 kAaa=6 kNonText=7 kFirstFormat=8
readonly kRoleLink=30

info() {
    E2E_PROBE_WINDOW=TintavoColourInfo probe "$@"
}

info_closed() {
    ! info window >/dev/null 2>&1
}

show_and_sample() {
    xsetroot -solid "$1"
    assert_eventually_eq "the picker samples $1" 5 "$1" probe text 1013
}

# Left, top, right and bottom of a window's frame from the probe's window line.
frame_of() {
    e2e_split_tabs "$1"
    echo "${E2E_FIELDS[4]} ${E2E_FIELDS[5]} $((E2E_FIELDS[4] + E2E_FIELDS[7])) $((E2E_FIELDS[5] + E2E_FIELDS[8]))"
}

check_opening() {
    local focus picker window
    focus=$(probe focus-id)
    e2e_window_menu i || e2e_fail "Alt+Space opens the window menu"
    wait_until 5 info window >/dev/null || e2e_abort "色の情報 does not open"
    window=$(info window)
    e2e_split_tabs "$window"
    assert_eq "the window's title and topmost" "色の情報 1" "${E2E_FIELDS[0]} ${E2E_FIELDS[3]}"
    assert_eq "the picker keeps the keyboard focus" "$focus" "$(probe focus-id)"
    assert_eq "the picker stays the foreground window" "Tintavo!" "$(probe foreground)"
    local -a p w
    read -r -a p <<<"$(frame_of "$(probe window)")"
    read -r -a w <<<"$(frame_of "$window")"
    ((w[0] >= p[2] || w[2] <= p[0] || w[1] >= p[3] || w[3] <= p[1])) && e2e_pass "the window leaves the picker clear" ||
        e2e_fail "the window ${w[*]} covers the picker ${p[*]}"
}

# check_colour CODE NAME RATIO AA AAA NON_TEXT: the lines for a sampled colour against white.
check_colour() {
    show_and_sample "$1"
    assert_eventually_eq "$1 is named" 5 "名前  $2" info text $kName
    assert_eq "$1: the ratio" "コントラスト比  $3" "$(info text $kRatio)"
    assert_eq "$1: the verdicts" "AA 本文 $4|AAA 本文 $5|非テキスト $6" \
        "$(info text $kAa)|$(info text $kAaa)|$(info text $kNonText)"
}

# A screen reader hears the ratio and the verdicts in words, and finds the formats as links.
check_reader() {
    local lines
    lines=$(info accessibility) || e2e_fail "the probe cannot read the window's accessible objects"
    assert_eq "the contrast line's name" \
        "コントラスト比 4.54:1、AA 本文 合格、AA 大きな文字 合格、AAA 本文 不合格、AAA 大きな文字 合格、非テキスト 合格" \
        "$(awk -F '\t' -v id=$kRatio '$1 == id { print $4 }' <<<"$lines")"
    assert_eq "a format is a link that clicks" "$kRoleLink|#767676|クリック" \
        "$(awk -F '\t' -v id=$kFirstFormat '$1 == id { print $2 "|" $4 "|" $6 }' <<<"$lines")"
}

# Holds a colour, makes it the reference, copies one of its formats, then judges another colour
# against it.
check_reference_and_copy() {
    show_and_sample "#FF8D01"
    e2e_press_enter || true
    assert_eventually_eq "Enter holds" 3 "$E2E_STATUS_HELD" probe text 1012
    E2E_PROBE_WINDOW=TintavoColourInfo e2e_click_control $kMakeReference || e2e_fail "the link can be clicked"
    assert_eventually_eq "the held colour is the reference" 5 "基準色  #FF8D01" info text $kReference
    assert_eq "a colour against itself" "コントラスト比  1.00:1" "$(info text $kRatio)"
    E2E_PROBE_WINDOW=TintavoColourInfo e2e_click_control $((kFirstFormat + 7)) || e2e_fail "a format can be clicked"
    assert_eventually_eq "a click copies the format" 5 "oklch(75.2% 0.179 58.7)" probe clipboard
    e2e_press_enter || true
    assert_eventually_eq "Enter resumes" 3 "$E2E_STATUS_SAMPLING" probe text 1012
    e2e_pointer_to 1000 700
    show_and_sample "#000000"
    assert_eventually_eq "black against the reference" 5 "コントラスト比  9.06:1" info text $kRatio
}

e2e_start_xvfb
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to 1000 700
e2e_start_tintavo
check_opening
check_colour "#767676" "≈ gray / grey" "4.54:1" "○ 大きな文字 ○" "× 大きな文字 ○" "○"
check_reader
check_colour "#959595" "≈ rosybrown" "2.99:1" "× 大きな文字 ×" "× 大きな文字 ×" "×"
check_colour "#1E90FF" "dodgerblue" "3.23:1" "× 大きな文字 ○" "× 大きな文字 ×" "○"
check_reference_and_copy
e2e_window_menu i || e2e_fail "Alt+Space opens the window menu"
wait_until 5 info_closed && e2e_pass "Alt+Space, I closes the window" || e2e_fail "the window stays open"
e2e_assert_alive "after the colour information"
e2e_stop_tintavo
e2e_finish
