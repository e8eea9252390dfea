#!/usr/bin/env bash
# The colour information window under Wine: Alt+Space, I opens it beside the picker without
# taking the keyboard focus; it names the sampled colour and judges its contrast against the
# reference, as it shows and as a screen reader hears it; a click on "この色を基準にする" makes
# the held colour the reference, a click on a format copies it, Alt+Space, I closes it, and
# opened again it shows the colour of now.
# Usage: colour_info_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init colour_info "$@"

# The window's lines by id: name, reference, its link, ratio, three of verdicts, the formats.
readonly kName=1 kReference=2 kMakeReference=3 kRatio=4 kAa=5 kFirstFormat=8

info() {
    E2E_PROBE_WINDOW=TintavoColourInfo probe "$@"
}

show_and_sample() {
    xsetroot -solid "$1"
    assert_eventually_eq "the picker samples $1" 5 "$1" probe text 1013
}

check_opening() {
    local -a picker window
    e2e_window_menu i || e2e_fail "Alt+Space opens the window menu"
    wait_until 5 info window >/dev/null || e2e_abort "色の情報 does not open"
    e2e_split_tabs "$(info window)" && window=("${E2E_FIELDS[@]}")
    e2e_split_tabs "$(probe window)" && picker=("${E2E_FIELDS[@]}")
    assert_eq "its title; topmost" "色の情報 1" "${window[0]} ${window[3]}"
    assert_eq "the swatch keeps the keyboard focus, the picker the activation" "1001 Tintavo!" \
        "$(probe focus-id) $(probe foreground)"
    ((window[4] >= picker[4] + picker[7])) && e2e_pass "it opens right of the picker" ||
        e2e_fail "it opens at ${window[4]}, inside the picker's ${picker[4]}+${picker[7]}"
}

# check_colour CODE NAME RATIO AA: the lines for a sampled colour against white.
check_colour() {
    show_and_sample "$1"
    assert_eventually_eq "$1 is named" 5 "名前  $2" info text $kName
    assert_eq "$1: the ratio and the AA verdicts" "コントラスト比  $3|AA 本文 $4" "$(info text $kRatio)|$(info text $kAa)"
}

check_reader() {
    local lines
    lines=$(info accessibility) || e2e_fail "the probe reads the window's accessible objects"
    assert_eq "a screen reader hears the ratio and the verdicts in words" \
        "コントラスト比 4.54:1、AA 本文 合格、AA 大きな文字 合格、AAA 本文 不合格、AAA 大きな文字 合格、非テキスト 合格" \
        "$(awk -F '\t' -v id=$kRatio '$1 == id { print $4 }' <<<"$lines")"
    assert_eq "a format is a link whose action clicks" "30|#767676|クリック" \
        "$(awk -F '\t' -v id=$kFirstFormat '$1 == id { print $2 "|" $4 "|" $6 }' <<<"$lines")"
}

# Holds a colour, makes it the reference, copies one of its formats, then judges black against it.
check_reference_and_copy() {
    show_and_sample "#FF8D01"
    assert_eventually_eq "#FF8D01 is named" 5 "名前  ≈ darkorange" info text $kName
    e2e_press_enter || true
    assert_eventually_eq "Enter holds" 3 "$E2E_STATUS_HELD" probe text 1012
    E2E_PROBE_WINDOW=TintavoColourInfo e2e_click_control $kMakeReference || e2e_fail "the link can be clicked"
    assert_eventually_eq "the held colour is the reference" 5 "基準色  #FF8D01" info text $kReference
    E2E_PROBE_WINDOW=TintavoColourInfo e2e_click_control $((kFirstFormat + 7)) || e2e_fail "a format can be clicked"
    assert_eventually_eq "a click copies the format" 5 "oklch(75.2% 0.179 58.7)" probe clipboard
    e2e_press_enter || true
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
check_colour "#767676" "≈ gray / grey" "4.54:1" "○ 大きな文字 ○"
check_reader
check_colour "#1E90FF" "dodgerblue" "3.23:1" "× 大きな文字 ○"
check_reference_and_copy
e2e_window_menu i || e2e_fail "Alt+Space opens the window menu"
wait_until 5 eval '! info window' && e2e_pass "Alt+Space, I closes the window" || e2e_fail "the window stays open"
# Reopened, it shows the colour sampled while it was closed.
show_and_sample "#1E90FF"
e2e_window_menu i || e2e_fail "Alt+Space opens the window menu"
assert_eventually_eq "reopened, it names the colour of now" 5 "名前  dodgerblue" info text $kName
info close || e2e_fail "the probe closes the window as its close box does"
wait_until 5 eval '! info window' && e2e_pass "its close box closes it" || e2e_fail "the window stays open"
e2e_assert_alive "after the colour information"
e2e_stop_tintavo
e2e_finish
