#!/usr/bin/env bash
# The copy label under Wine: a click puts exactly the code shown on the clipboard, which X
# programs read; while another program holds the clipboard open a click leaves it as it was
# and the picker running, and the next click copies.
# Usage: clipboard_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init clipboard "$@"

readonly kRootColour="#204060"
readonly kUnrelatedText="a note copied elsewhere"
readonly kCopyLabel=1014
# The longest the other program holds the clipboard if the test never lets it go.
readonly kHoldSeconds=60

# The CLIPBOARD selection as X programs read it, control characters and line ends made
# visible (a line feed shows as "$", a NUL as "^@"), so that only the exact text compares equal.
x_clipboard() {
    timeout 5 xclip -o -selection clipboard | cat -A
}

process_ended() {
    ! e2e_process_running "$1"
}

type_into() {
    e2e_type_into "$@" || e2e_abort "a click puts the focus in box $1"
}

click_copy_label() {
    e2e_click_control "$kCopyLabel" || e2e_abort "the probe finds no copy label"
}

# assert_clipboard DESCRIPTION TEXT: X programs and Windows programs read TEXT from the clipboard.
assert_clipboard() {
    assert_eventually_eq "$1: X programs read '$2'" 5 "$2" x_clipboard
    assert_eq "$1: Windows programs read '$2'" "$2" "$(probe clipboard)"
}

hold_root_colour() {
    e2e_park_pointer || e2e_abort "no free corner for the pointer"
    assert_eventually_eq "the picker samples the root" 5 "$kRootColour" probe text 1013
    e2e_press_enter || e2e_fail "the picker's window takes the keyboard focus"
    assert_eventually_eq "Enter holds the colour" 3 "$E2E_STATUS_HELD" probe text 1012
}

# An X program owns the clipboard with an unrelated text; xclip serves it until another
# program takes the clipboard over.
put_unrelated_text() {
    local file=$E2E_RUN_DIR/unrelated.txt
    printf '%s' "$kUnrelatedText" >"$file"
    xclip -selection clipboard -quiet -i "$file" >/dev/null 2>&1 {E2E_PREFIX_LOCK_FD}>&- &
    e2e_track_pid $!
    assert_clipboard "an unrelated text on the clipboard" "$kUnrelatedText"
}

check_copies() {
    click_copy_label
    assert_clipboard "a click on the label" "$kRootColour"
    type_into 1006 77
    assert_eventually_eq "77 typed into the red box changes the code" 3 "#4D4060" probe text 1013
    click_copy_label
    assert_clipboard "a click on the label after the colour changed" "#4D4060"
}

check_busy_clipboard() {
    local output=$E2E_RUN_DIR/hold-clipboard.out holder status=0
    type_into 1008 144
    assert_eventually_eq "144 typed into the blue box changes the code" 3 "#4D4090" probe text 1013
    e2e_probe_in_background "$output" hold-clipboard "$kHoldSeconds"
    holder=$E2E_BACKGROUND_PID
    wait_until 10 grep -qx held "$output" || e2e_abort "another program opens the clipboard"

    click_copy_label
    e2e_assert_alive "a click while another program holds the clipboard"
    if e2e_process_running "$holder"; then
        e2e_pass "the other program still held the clipboard during the checks"
    else
        e2e_fail "the other program still held the clipboard during the checks: it let go too early"
    fi
    probe release-clipboard >/dev/null || e2e_fail "the other program is told to let go of the clipboard"
    if wait_until 20 process_ended "$holder"; then
        wait "$holder" || status=$?
        assert_eq "the other program lets go of the clipboard" 0 "$status"
    else
        e2e_fail "the other program lets go of the clipboard within 20 s of being told"
    fi
    assert_stays_eq "the clipboard keeps the old code after the busy click" 1 "#4D4060" x_clipboard
    assert_eq "Windows programs still read the old code" "#4D4060" "$(probe clipboard)"
    e2e_assert_alive "after the other program let go"

    click_copy_label
    assert_clipboard "a click after the other program let go" "#4D4090"
    e2e_assert_alive "after the copies"
}

e2e_start_xvfb
xsetroot -solid "$kRootColour"
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
e2e_start_tintavo
hold_root_colour
put_unrelated_text
check_copies
check_busy_clipboard
e2e_stop_tintavo
e2e_finish
