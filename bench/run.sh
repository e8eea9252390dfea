#!/usr/bin/env bash
# The benchmark: builds the windows preset, then times tintavo.exe under Wine on a private Xvfb
# against references measured in the same run:
#   1. one sampling tick against the bare read of one screen pixel and, for a changing colour,
#      against the same change shown by the same standard controls, plain and dressed as the
#      picker's, in one process; once with Wine's default theme and once with it turned off;
#   2. CPU time over 30 s of sampling and 30 s held, with the colour under the pointer
#      changing every second and steady, and steady with the colour information or the
#      magnifier open (what each adds to a tick is part of 1.), in interleaved rounds; also
#      against the reference showing the picker's standard controls with a focused number box;
#   3. the time from launch to the first colour shown.
# Prints the figures as it goes and a summary at the end; the raw output is kept in
# build/windows/e2e/bench/. Usage: bash bench/run.sh
#   BENCH_CPU_ROUNDS=N runs N rounds of 2. instead of two, for a machine whose CPU figures wander.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly kCpuSeconds=30
readonly kCpuBlocks=3
readonly kCpuRounds=${BENCH_CPU_ROUNDS:-2}
readonly kStartupRuns=10
readonly kHeldStatus="<ENTER>キーで色取得開始"
readonly kCodeId=1013
readonly kStatusId=1012

bench_started=$EPOCHREALTIME

if [[ -f scripts/deps.sh ]]; then
    bash scripts/deps.sh
fi
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
cmake --build --preset windows -j2 --target benchmarks

source tests/e2e/lib.sh
source bench/lib.sh
e2e_init bench build/windows/tintavo.exe build/windows/probe.exe
bench_init build/windows/reference_picker.exe build/windows/window_query.exe
trap bench_cleanup EXIT

section() {
    printf '\n== %s\n' "$*"
}

section "Setting up: Xvfb, the Wine prefix"
e2e_start_xvfb
xsetroot -solid "$BENCH_STEADY_COLOUR"
e2e_acquire_prefix
e2e_prepare_prefix 96
echo "display $DISPLAY, prefix $WINEPREFIX, $(wine --version), $(nproc) cores"

park_x=$((E2E_SCREEN_WIDTH - 8))
park_y=$((E2E_SCREEN_HEIGHT - 8))

# Rests the pointer on the bare root window, outside the frame "LEFT TOP RIGHT BOTTOM".
park_pointer_outside() {
    local left=$1 top=$2 right=$3 bottom=$4
    park_x=$((E2E_SCREEN_WIDTH - 8)) park_y=$((E2E_SCREEN_HEIGHT - 8))
    if ((park_x >= left && park_x < right && park_y >= top && park_y < bottom)); then
        park_x=8 park_y=$((E2E_SCREEN_HEIGHT - 8))
    fi
    e2e_pointer_to "$park_x" "$park_y"
}

# --- 1. The tick
section "1. One sampling tick of the real window against the bare read of one pixel (ms)"
e2e_pointer_to "$park_x" "$park_y"
timeout 600 wine build/windows/tick_bench.exe 2>>"$E2E_RUN_DIR/tick_bench.log" | tee "$E2E_RUN_DIR/tick.txt"
section "1b. The same with Wine's theme turned off (uxtheme disabled) (ms)"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uxtheme=d" timeout 600 wine build/windows/tick_bench.exe \
    2>>"$E2E_RUN_DIR/tick_bench.log" | tee "$E2E_RUN_DIR/tick_unthemed.txt"

# --- 2. CPU time
tintavo_code_in() {
    local code
    code=$(probe text "$kCodeId") || return 1
    [[ " $* " == *" $code "* ]]
}

tintavo_held() {
    [[ $(probe text "$kStatusId") == "$kHeldStatus" ]]
}

# window_open CLASS: whether the picker's window of that class is open.
window_open() {
    E2E_PROBE_WINDOW=$1 probe window >/dev/null 2>&1
}

window_closed() {
    ! window_open "$1"
}

# Opens or closes one of the picker's windows with its item in the window menu: Alt+Space, then
# the item's key.
toggle_window() {
    e2e_focus_tintavo || return 1
    xdotool key alt+space
    wait_until 10 probe menu-popup >/dev/null || return 1
    xdotool key "$1"
}

# measure_steady_with NAME CLASS KEY ROUND: the picker sampling the steady colour with one of
# its windows open, opened and closed again with its item's KEY.
measure_steady_with() {
    local name=$1 class=$2 key=$3 round=$4
    if ! { toggle_window "$key" && wait_until 10 window_open "$class"; }; then
        e2e_abort "the $name window did not open"
    fi
    wait_until 10 tintavo_code_in "$BENCH_STEADY_COLOUR" || e2e_abort "tintavo.exe does not sample the steady colour"
    sleep 1
    measure "tintavo_steady_$name@$round" "$E2E_TINTAVO_PID"
    if ! { toggle_window "$key" && wait_until 10 window_closed "$class"; }; then
        e2e_abort "the $name window did not close"
    fi
}

cpu_file=$E2E_RUN_DIR/cpu.txt
: >"$cpu_file"

measure() {
    local result
    result=$(bench_measure_cpu "$1" "$2" "$kCpuSeconds" "$kCpuBlocks") || e2e_abort "no wineserver for the prefix"
    printf '%s\n' "$result" >>"$cpu_file"
    awk '{ blocks = $7; for (i = 8; i <= NF; i++) blocks = blocks " " $i
           printf "  %-18s CPU %8.1f ms (stat %4d ms), blocks %s ms; Xvfb %7.1f ms, wineserver %7.1f ms over %.1f s\n",
               $1, $3, $4, blocks, $5, $6, $2 }' <<<"$result"
}

# The reference picker: started, parked beside its window; held with Enter over its window.
start_reference() {
    bench_start_reference "$@"
    read -r ref_left ref_top ref_right ref_bottom <<<"$(window_query rect "$BENCH_REFERENCE_CLASS")"
    park_pointer_outside "$ref_left" "$ref_top" "$ref_right" "$ref_bottom"
}

hold_reference() {
    e2e_pointer_to $(((ref_left + ref_right) / 2)) $(((ref_top + ref_bottom) / 2))
    xdotool key Return
    wait_until 10 bench_reference_title_is held || e2e_abort "Enter did not hold the reference picker"
    e2e_pointer_to "$park_x" "$park_y"
}

# A held program is measured while the colour keeps changing, as a held picker would see it.
measure_held() {
    bench_start_alternating_root
    sleep 1
    measure "$1" "$2"
    bench_stop_alternating_root
}

# Each program is measured in two rounds, reference, tintavo, reference, tintavo, so that one
# disturbed interval cannot decide a ratio; the summary gives the mean and how far the rounds
# lie apart.
reference_round() {
    local round=$1
    start_reference
    bench_start_alternating_root
    sleep 1
    measure "reference_changing@$round" "$BENCH_REFERENCE_PID"
    bench_stop_alternating_root
    sleep 1
    measure "reference_steady@$round" "$BENCH_REFERENCE_PID"
    hold_reference
    measure_held "reference_held@$round" "$BENCH_REFERENCE_PID"
    bench_stop_reference
    # The anchor of the held picker: the picker's standard controls dressed as its own, each
    # updated once when the colour changes, the red box focused; its caret blinks as the
    # picker's does.
    start_reference controls
    bench_start_alternating_root
    sleep 1
    measure "reference_controls_changing@$round" "$BENCH_REFERENCE_PID"
    bench_stop_alternating_root
    sleep 1
    measure "reference_controls_steady@$round" "$BENCH_REFERENCE_PID"
    hold_reference
    measure_held "reference_controls_held@$round" "$BENCH_REFERENCE_PID"
    bench_stop_reference
}

tintavo_round() {
    local round=$1
    e2e_start_tintavo
    line=$(probe window) || e2e_abort "the probe finds no window"
    e2e_split_tabs "$line"
    frame_x=${E2E_FIELDS[4]} frame_y=${E2E_FIELDS[5]} frame_w=${E2E_FIELDS[7]} frame_h=${E2E_FIELDS[8]}
    client_x=${E2E_FIELDS[9]} client_y=${E2E_FIELDS[10]}
    park_pointer_outside "$frame_x" "$frame_y" $((frame_x + frame_w)) $((frame_y + frame_h))
    bench_start_alternating_root
    wait_until 10 tintavo_code_in "${BENCH_CHANGING_COLOURS[@]}" || e2e_abort "tintavo.exe does not sample the root colour"
    sleep 1
    measure "tintavo_changing@$round" "$E2E_TINTAVO_PID"
    bench_stop_alternating_root
    wait_until 10 tintavo_code_in "$BENCH_STEADY_COLOUR" || e2e_abort "tintavo.exe does not sample the steady colour"
    sleep 1
    measure "tintavo_steady@$round" "$E2E_TINTAVO_PID"
    # The colour information right after the steady picker it is held against.
    measure_steady_with info TintavoColourInfo i "$round"
    measure_steady_with magnifier TintavoMagnifier z "$round"
    # Keys go to the window under the pointer: the banner, on the form's own surface.
    e2e_pointer_to $((client_x + 100)) $((client_y + 16))
    xdotool key Return
    wait_until 10 tintavo_held || e2e_abort "Enter did not hold the sampling of tintavo.exe"
    e2e_pointer_to "$park_x" "$park_y"
    measure_held "tintavo_held@$round" "$E2E_TINTAVO_PID"
    e2e_stop_tintavo
}

section "2. CPU time over ${kCpuSeconds} s, in ${kCpuRounds} rounds of the reference picker and tintavo.exe"
echo "  (the root colour changes every second where the pointer rests; steady: it stays $BENCH_STEADY_COLOUR)"
for ((round = 1; round <= kCpuRounds; round++)); do
    reference_round "$round"
    tintavo_round "$round"
done

# --- 3. Start-up
section "3. From launch to the first colour shown, ${kStartupRuns} runs each (ms)"
# The session of the runs above ends first; the timer's own start then boots a new one, and
# one untimed start of each program follows before the timed runs.
timeout 30 wineserver -w || true
e2e_pointer_to "$park_x" "$park_y"
timeout 600 wine build/windows/startup_timer.exe "$kStartupRuns" "$(bench_windows_path build/windows/tintavo.exe)" \
    "$(bench_windows_path build/windows/reference_picker.exe)" 2>>"$E2E_RUN_DIR/startup_timer.log" |
    tee "$E2E_RUN_DIR/startup.txt"

# --- Summary
section "Summary ($(nproc) cores, $(wine --version), Xvfb ${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT})"
elapsed=$(awk -v s="$bench_started" -v e="$EPOCHREALTIME" 'BEGIN { printf "%.0f", e - s }')
awk -v elapsed="$elapsed" -f bench/summary.awk "$E2E_RUN_DIR/tick.txt" "$E2E_RUN_DIR/tick_unthemed.txt" "$cpu_file" \
    "$E2E_RUN_DIR/startup.txt"
