#!/usr/bin/env bash
# The picker as a screen reader reads it under Wine, from another process through the
# accessibility interface: every control's name, role, state and value while sampling and after
# an edit while held, the swatch's value-change event only when its colour changes, the copy
# label's default action with a free and a busy clipboard, Tab order, and memory, GDI objects and
# handles over many requests. First the accessible object of the Win32 backend is checked in a
# process of its own, also once its window is gone.
# Usage: accessibility_test.sh [TINTAVO_EXE [PROBE_EXE [SOAK_HELPER_EXE [ACCESSIBLE_WINDOW_TEST_EXE]]]]
#        A11Y_REQUESTS=N sets the number of requests of the leak check (default 3000).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init accessibility "${1:-}" "${2:-}"
helper_exe=$(realpath -m "${3:-$(dirname "$E2E_PROBE_EXE")/soak_helper.exe}")
window_test_exe=$(realpath -m "${4:-$(dirname "$E2E_PROBE_EXE")/accessible_window_test.exe}")
for exe in "$helper_exe" "$window_test_exe"; do
    [[ -f $exe ]] || e2e_abort "$exe not found; build the windows preset first"
done

readonly kRequests=${A11Y_REQUESTS:-3000}
readonly kCopyLabel=1014
readonly kSwatch=1001
# Roles (ROLE_SYSTEM_) and the invisible state as the accessibility interface numbers them.
readonly kRoleClient=10 kRoleScrollBar=3 kRoleLink=30 kRoleGraphic=40 kRoleStaticText=41 kRoleText=42
readonly kStateInvisible=0x8000
readonly kEventAlert=2 kEventValueChange=800E
# Growth allowed over the leak check's requests: Wine's own caches move memory a little.
readonly kPrivateMarginKib=1024 kGdiMargin=2 kUserMargin=0 kHandleMargin=4

declare -A acc_role acc_state acc_name acc_value acc_action acc_description

read_accessibility() {
    acc_role=() acc_state=() acc_name=() acc_value=() acc_action=() acc_description=()
    local lines line id
    lines=$(probe accessibility) || e2e_abort "the probe cannot read the accessible objects"
    while IFS= read -r line; do
        e2e_split_tabs "$line"
        id=${E2E_FIELDS[0]}
        acc_role[$id]=${E2E_FIELDS[1]} acc_state[$id]=${E2E_FIELDS[2]} acc_name[$id]=${E2E_FIELDS[3]}
        acc_value[$id]=${E2E_FIELDS[4]} acc_action[$id]=${E2E_FIELDS[5]} acc_description[$id]=${E2E_FIELDS[6]}
    done <<<"$lines"
}

# assert_reads WHEN ID ROLE NAME VALUE [ACTION]: "-" stands for none.
assert_reads() {
    local when=$1 id=$2
    assert_eq "$when: $id reads as role $3, name '$4', value '$5', action '${6:--}'" "$3|$4|$5|${6:--}" \
        "${acc_role[$id]:-?}|${acc_name[$id]:-?}|${acc_value[$id]:-?}|${acc_action[$id]:-?}"
}

# check_table WHEN CODE R G B STATUS: every control as the colour CODE with components R G B
# makes it read.
check_table() {
    local when=$1 code=$2 status=$6 i id
    local -a components=("$3" "$4" "$5") names=("R (赤)" "G (緑)" "B (青)") letters=(R G B)
    read_accessibility
    assert_reads "$when" 0 "$kRoleClient" "Tintavo!" -
    assert_reads "$when" "$kSwatch" "$kRoleGraphic" "色見本" "$code"
    assert_reads "$when" 1002 "$kRoleGraphic" - -
    for i in 0 1 2; do
        assert_reads "$when" $((1003 + i)) "$kRoleStaticText" "${letters[i]}" -
        assert_reads "$when" $((1006 + i)) "$kRoleText" "${names[i]}" "${components[i]}"
        assert_reads "$when" $((1009 + i)) "$kRoleScrollBar" "${names[i]}" "${components[i]}"
    done
    assert_reads "$when" 1012 "$kRoleStaticText" "$status" -
    assert_reads "$when" 1013 "$kRoleText" "カラーコード" "$code"
    assert_reads "$when" "$kCopyLabel" "$kRoleLink" "クリップボードへ" - "クリック"
    local invisible=""
    for id in $(printf '%s\n' "${!acc_state[@]}" | sort -n); do
        if ((0x${acc_state[$id]} & kStateInvisible)); then invisible+="$id "; fi
    done
    assert_eq "$when: only the capture buffer is invisible to assistive technology" "1002 " "$invisible"
}

# The checks of accessible_window_test.exe count as this test's.
check_accessible_window() {
    local output line
    output=$(e2e_unlocked timeout 60 wine "$window_test_exe" 2>>"$E2E_RUN_DIR/window-test.log") || true
    [[ -n $output ]] || e2e_fail "accessible_window_test.exe runs"
    while IFS= read -r line; do
        case $line in
        "ok   "*) e2e_pass "accessible object: ${line#ok   }" ;;
        *) e2e_fail "accessible object: ${line#FAIL }" ;;
        esac
    done <<<"$output"
}

# watch_events SECONDS: starts the probe's event watch in the background; events.out gets the
# events as they come.
watch_events() {
    events=$E2E_RUN_DIR/events-$1.out
    e2e_probe_in_background "$events" watch-events "$1"
    watcher=$E2E_BACKGROUND_PID
    wait_until 15 grep -qx watching "$events" || e2e_abort "the probe does not watch the events"
}

watcher_ended() {
    ! e2e_process_running "$watcher"
}

# count_events EVENT ID: how many of the watched events are EVENT of control ID.
count_events() {
    wait_until 30 watcher_ended || e2e_fail "the event watch ends in time"
    grep -c -x "$1"$'\t'"$2" "$events" || true
}

x_clipboard() {
    timeout 5 xclip -o -selection clipboard
}

# The swatch announces a new colour once, and a steady colour never.
check_value_change() {
    watch_events 6
    sleep 2
    xsetroot -solid "#102030"
    assert_eventually_eq "the picker samples the new root colour" 5 "#102030" probe text 1013
    assert_eq "one value-change event of the swatch for one change of colour" 1 \
        "$(count_events "$kEventValueChange" "$kSwatch")"
}

check_default_action() {
    watch_events 4
    if probe do-default "$kCopyLabel"; then
        e2e_pass "the copy label's default action runs"
    else
        e2e_fail "the copy label's default action runs"
    fi
    assert_eventually_eq "the default action copies the code" 5 "#102030" x_clipboard
    assert_eq "a successful copy raises an alert on the copy label" 1 "$(count_events "$kEventAlert" "$kCopyLabel")"
    read_accessibility
    assert_eq "the copy label's description says what was copied" "#102030 をクリップボードへコピーしました" \
        "${acc_description[$kCopyLabel]}"
}

# The copy tried while another program holds the clipboard leaves it as it was. The read of the
# accessible objects after the default action is served after the click it posted, so the copy
# has been tried before the clipboard is let go.
check_default_action_busy() {
    local output=$E2E_RUN_DIR/hold-clipboard.out holder
    xsetroot -solid "#204060"
    assert_eventually_eq "the picker samples the root again" 5 "#204060" probe text 1013
    e2e_probe_in_background "$output" hold-clipboard 60
    holder=$E2E_BACKGROUND_PID
    wait_until 10 grep -qx held "$output" || e2e_abort "another program opens the clipboard"
    probe do-default "$kCopyLabel" || e2e_fail "the default action runs while the clipboard is busy"
    read_accessibility
    probe release-clipboard || e2e_fail "the other program lets go of the clipboard"
    wait "$holder" || true
    assert_eq "no copy is announced for a busy clipboard" "#102030 をクリップボードへコピーしました" \
        "${acc_description[$kCopyLabel]}"
    e2e_assert_alive "the default action while another program held the clipboard"
    assert_stays_eq "a busy clipboard keeps what it had" 1 "#102030" x_clipboard
}

# Typed into the red box while held, 200 reaches the swatch, its scroll bar and the code.
check_edit_while_held() {
    e2e_press_enter || e2e_fail "the picker's window takes the keyboard focus"
    assert_eventually_eq "Enter holds the colour" 3 "$E2E_STATUS_HELD" probe text 1012
    e2e_type_into 1006 200 || e2e_abort "a click puts the focus in the red box"
    assert_eventually_eq "the code follows the edit" 3 "#C84060" probe text 1013
    check_table "held after an edit" "#C84060" 200 64 96 "$E2E_STATUS_HELD"
}

focus_after_tab() {
    xdotool key "$1"
    probe focus-id
}

check_tab_order() {
    local key id
    e2e_focus_tintavo || e2e_fail "the picker's window takes the keyboard focus"
    wait_until 5 e2e_output_is 1006 probe focus-id || e2e_fail "the focus is in the red box"
    for id in 1007 1008 1009 1010 1011 1013 1001 1006; do
        assert_eventually_eq "Tab moves the focus to $id" 3 "$id" focus_after_tab Tab
    done
    assert_eventually_eq "Shift+Tab moves the focus back to the swatch" 3 1001 focus_after_tab shift+Tab
}

# resources: the picker's private memory (KiB), GDI and USER objects and kernel handles, as
# the soak helper counts them.
resources() {
    local line private gdi user handles key
    line=$(printf 'resources\n' | e2e_unlocked timeout 30 wine "$helper_exe" serve 2>>"$E2E_RUN_DIR/helper.log") ||
        return 1
    [[ $line == ok$'\t'* ]] || return 1
    local -A r
    for key in ${line#ok$'\t'}; do
        r[${key%%=*}]=${key#*=}
    done
    # Only the pages it wrote: its clean private pages swing as other Wine programs map and unmap
    # the same libraries.
    private=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$E2E_TINTAVO_PID/smaps_rollup") || return 1
    ((r[private] > 0)) && private=$((r[private] / 1024))
    gdi=${r[gdi_table]} user=${r[windows]} handles=${r[handles_list]}
    ((r[gdi_api] > 0)) && gdi=${r[gdi_api]} user=${r[user_api]}
    ((r[handles_api] > 0)) && handles=${r[handles_api]}
    echo "$private $gdi $user $handles"
}

check_no_leak() {
    local before after made_ms
    e2e_unlocked timeout 120 wine "$E2E_PROBE_EXE" read-accessible 300 >/dev/null 2>>"$E2E_RUN_DIR/probe.log" ||
        e2e_fail "300 requests to warm up"
    before=$(resources) || e2e_abort "the helper cannot count the picker's resources"
    made_ms=$(e2e_unlocked timeout $((kRequests / 20 + 120)) wine "$E2E_PROBE_EXE" read-accessible "$kRequests" \
        2>>"$E2E_RUN_DIR/probe.log") || e2e_fail "$kRequests requests for accessible objects answered"
    e2e_split_tabs "$made_ms"
    after=$(resources) || e2e_abort "the helper cannot count the picker's resources"
    local -a b a
    read -r -a b <<<"$before"
    read -r -a a <<<"$after"
    printf 'accessibility: %s requests in %s ms; private %s -> %s KiB, gdi %s -> %s, user %s -> %s, handles %s -> %s\n' \
        "${E2E_FIELDS[0]:-?}" "${E2E_FIELDS[1]:-?}" "${b[0]}" "${a[0]}" "${b[1]}" "${a[1]}" "${b[2]}" "${a[2]}" "${b[3]}" "${a[3]}"
    local what margins=("$kPrivateMarginKib" "$kGdiMargin" "$kUserMargin" "$kHandleMargin") i
    what=("private memory (KiB)" "GDI objects" "USER objects" "kernel handles")
    for i in 0 1 2 3; do
        if ((a[i] - b[i] <= margins[i])); then
            e2e_pass "${what[i]} stay flat over $kRequests requests (${b[i]} -> ${a[i]})"
        else
            e2e_fail "${what[i]} grew over $kRequests requests: ${b[i]} -> ${a[i]}, margin ${margins[i]}"
        fi
    done
    e2e_assert_alive "after $kRequests requests"
}

e2e_start_xvfb
xsetroot -solid "#204060"
e2e_acquire_prefix
check_accessible_window
e2e_prepare_prefix 96
e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
e2e_start_tintavo
assert_eventually_eq "the picker samples the root" 5 "#204060" probe text 1013
check_table "sampling" "#204060" 32 64 96 "$E2E_STATUS_SAMPLING"
check_value_change
check_default_action
check_default_action_busy
check_edit_while_held
check_tab_order
check_no_leak
e2e_stop_tintavo
e2e_finish
