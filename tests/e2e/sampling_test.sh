#!/usr/bin/env bash
# Sampling under Wine at 96 and 144 DPI: the screen pixel under the pointer goes into the
# number boxes, the scroll bars, the code and the swatch; Enter holds the colour while the
# screen changes and resumes the sampling.
# Usage: sampling_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init sampling "$@"

# Whole screens of one colour: the two extremes and one whose six digits all differ, so that
# a swapped component or digit shows.
readonly kSolidColours=("0 0 0" "255 255 255" "26 43 60")
readonly kStartColour="#808080"
# A checkerboard of 64-pixel squares on the root window: where the pointer rests decides the
# colour. Points in one "on" square, its neighbours to the right and below, and the next "on"
# square diagonally.
readonly kCheckerSquare=64
readonly kCheckerOn=(241 140 59)
readonly kCheckerOff=(94 125 9)
readonly kCheckerPoints=("1056 800 on" "1120 800 off" "1056 864 off" "1120 864 on")

# An X bitmap of 2 x 2 squares whose top-left and bottom-right squares are set; xsetroot
# tiles it over the root from the screen's top-left corner.
write_checkerboard() {
    local size=$((2 * kCheckerSquare)) row byte
    {
        printf '#define checker_width %d\n#define checker_height %d\n' "$size" "$size"
        printf 'static unsigned char checker_bits[] = {\n'
        for ((row = 0; row < size; row++)); do
            for ((byte = 0; byte < size / 8; byte++)); do
                if (((row < kCheckerSquare) == (byte < kCheckerSquare / 8))); then
                    printf '0xff,'
                else
                    printf '0x00,'
                fi
            done
            printf '\n'
        done
        printf '};\n'
    } >"$1"
}

checkerboard=$E2E_RUN_DIR/checkerboard.xbm

# The screen's pixel at the pointer as Wine reads it.
pixel_at_pointer() {
    local x y
    read -r x y _ <<<"$(xdotool getmouselocation)"
    probe pixel "${x#x:}" "${y#y:}"
}

check_solid_screens() {
    local dpi=$1 colour code
    local -a components
    e2e_park_pointer || e2e_abort "no free corner for the pointer"
    for colour in "${kSolidColours[@]}"; do
        read -r -a components <<<"$colour"
        code=$(e2e_colour_code "${components[@]}")
        xsetroot -solid "$code"
        e2e_assert_colour "$dpi dpi, the screen $code" "${components[@]}"
    done
}

check_checkerboard() {
    local dpi=$1 point x y square
    local -a components
    xsetroot -bitmap "$checkerboard" -fg "$(e2e_colour_code "${kCheckerOn[@]}")" \
        -bg "$(e2e_colour_code "${kCheckerOff[@]}")"
    for point in "${kCheckerPoints[@]}"; do
        read -r x y square <<<"$point"
        components=("${kCheckerOn[@]}")
        [[ $square == on ]] || components=("${kCheckerOff[@]}")
        e2e_pointer_to "$x" "$y"
        e2e_assert_colour "$dpi dpi, the pointer on the checkerboard at $x,$y" "${components[@]}"
    done
}

# Holds the colour of an "off" square of the checkerboard, turns the screen into one colour,
# and resumes.
check_hold_and_resume() {
    local dpi=$1 held new=(26 43 60) new_code x y
    held=$(e2e_colour_code "${kCheckerOff[@]}")
    new_code=$(e2e_colour_code "${new[@]}")
    read -r x y _ <<<"${kCheckerPoints[1]}"
    e2e_pointer_to "$x" "$y"
    assert_eventually_eq "$dpi dpi: sampling shows $held before Enter" 3 "$held" probe text 1013
    e2e_press_enter || e2e_fail "$dpi dpi: the picker's window takes the keyboard focus"
    assert_eventually_eq "$dpi dpi: Enter holds the colour" 3 "$E2E_STATUS_HELD" probe text 1012

    xsetroot -solid "$new_code"
    assert_eventually_eq "$dpi dpi: the screen under the pointer turns $new_code" 3 "$new_code" pixel_at_pointer
    assert_stays_eq "$dpi dpi: the held code stays while the screen changes" 1 "$held" probe text 1013
    e2e_assert_colour "$dpi dpi, held" "${kCheckerOff[@]}"

    e2e_press_enter || e2e_fail "$dpi dpi: the picker's window takes the keyboard focus"
    assert_eventually_eq "$dpi dpi: Enter again resumes the sampling" 3 "$E2E_STATUS_SAMPLING" probe text 1012
    e2e_assert_colour "$dpi dpi, resumed" "${new[@]}"
}

check_at_dpi() {
    local dpi=$1
    e2e_prepare_prefix "$dpi"
    xsetroot -solid "$kStartColour"
    e2e_pointer_to $((E2E_SCREEN_WIDTH - 8)) $((E2E_SCREEN_HEIGHT - 8))
    e2e_start_tintavo
    assert_eventually_eq "$dpi dpi: the picker starts sampling" 5 "$kStartColour" probe text 1013
    assert_eq "$dpi dpi: the status line says it samples" "$E2E_STATUS_SAMPLING" "$(probe text 1012)"
    assert_near "$dpi dpi: the swatch is laid out for the DPI" \
        "0 $((40 * dpi / 96)) $((80 * dpi / 96)) $((96 * dpi / 96))" "$(e2e_control_rect 1001)" 1
    check_solid_screens "$dpi"
    check_checkerboard "$dpi"
    check_hold_and_resume "$dpi"
    e2e_stop_tintavo
}

write_checkerboard "$checkerboard"
e2e_start_xvfb
e2e_acquire_prefix
check_at_dpi 96
check_at_dpi 144
e2e_finish
