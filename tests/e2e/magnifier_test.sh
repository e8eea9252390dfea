#!/usr/bin/env bash
# The magnifier and the hold hotkey under Wine at 96 and 144 DPI: the window menu opens and
# closes the magnifier with the keyboard and checks its item; the magnifier opens below the
# picker without taking the focus and shows every one of the 11 x 11 pixels around the pointer
# as a square, the middle one framed; it follows the screen, freezes while the colour is held
# and follows again. Ctrl+Alt+Enter holds and resumes from another program's window; with the
# hotkey taken the picker runs without it and says so in its window menu.
# Usage: magnifier_test.sh [TINTAVO_EXE [PROBE_EXE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init magnifier "$@"

# A 16 x 16 tile of two colours whose rows and columns all differ, so that a square off by
# one pixel shows. The light colour calls for a black frame, the dark one for a white frame.
readonly kTile=16
readonly kLight="#F0E060"
readonly kDark="#203080"
readonly kSolidA="#10C040"
readonly kSolidB="#C02070"
readonly kCodeId=1013
readonly kStatusId=1012
# Pointer positions on the root, far from both windows: one on a light, one on a dark pixel.
readonly kPoints=("1000 700" "1002 700")

tile_bit() {
    local x=$1 y=$2
    (((x * x + 3 * y + x * y) % 7 < 3))
}

write_tile() {
    local x y byte bit
    {
        printf '#define tile_width %d\n#define tile_height %d\nstatic unsigned char tile_bits[] = {\n' "$kTile" "$kTile"
        for ((y = 0; y < kTile; y++)); do
            for ((byte = 0; byte < kTile / 8; byte++)); do
                local value=0
                for ((bit = 0; bit < 8; bit++)); do
                    x=$((byte * 8 + bit))
                    if tile_bit "$x" "$y"; then value=$((value | 1 << bit)); fi
                done
                printf '0x%02x,' "$value"
            done
            printf '\n'
        done
        printf '};\n'
    } >"$1"
}

tile_file=$E2E_RUN_DIR/tile.xbm
# The tile's bits as one string, row by row, for awk.
tile_bits=""

show_tile() {
    xsetroot -bitmap "$tile_file" -fg "$kLight" -bg "$kDark"
}

# The magnifier's window: fields as the probe prints them, or failure when it is closed.
read_magnifier() {
    local line
    line=$(probe magnifier) || return 1
    e2e_split_tabs "$line"
    mag_title=${E2E_FIELDS[0]} mag_visible=${E2E_FIELDS[1]} mag_topmost=${E2E_FIELDS[2]}
    mag_noactivate=${E2E_FIELDS[3]} mag_tool=${E2E_FIELDS[4]}
    mag_x=${E2E_FIELDS[5]} mag_y=${E2E_FIELDS[6]} mag_w=${E2E_FIELDS[7]} mag_h=${E2E_FIELDS[8]}
}

magnifier_closed() {
    ! probe magnifier >/dev/null 2>&1
}

magnifier_open() {
    read_magnifier && [[ $mag_visible == 1 ]]
}

# magnifier_shows CX CY [SOLID]: prints "ok" when every pixel of the magnifier's client area is
# the screen pixel its square stands for (the tile, or the solid colour), and the middle
# square's outermost pixels are the frame's colour; otherwise the first pixel that is not.
magnifier_shows() {
    read_magnifier || { echo "no magnifier"; return 0; }
    /usr/bin/import -display "$DISPLAY" -window root -crop "${mag_w}x${mag_h}+${mag_x}+${mag_y}" +repage png:- |
        /usr/bin/convert png:- -depth 8 txt:- |
        awk -v cx="$1" -v cy="$2" -v solid="${3:-}" -v k="$square" -v tile="$kTile" -v bits="$tile_bits" \
            -v light="$kLight" -v dark="$kDark" -v side="$mag_w" '
            function colour_at(x, y) {
                if (solid != "") return solid
                x = ((x % tile) + tile) % tile; y = ((y % tile) + tile) % tile
                return substr(bits, y * tile + x + 1, 1) == "1" ? light : dark
            }
            function byte(s) { return (index("0123456789ABCDEF", substr(s, 1, 1)) - 1) * 16 + index("0123456789ABCDEF", substr(s, 2, 1)) - 1 }
            function linear(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
            # Black or white, whichever contrasts more (WCAG relative luminance).
            function frame_of(c) {
                l = 0.2126 * linear(byte(substr(c, 2, 2))) + 0.7152 * linear(byte(substr(c, 4, 2))) + 0.0722 * linear(byte(substr(c, 6, 2)))
                return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? "#000000" : "#FFFFFF"
            }
            /^#/ { next }
            {
                split($1, at, /[,:]/); x = at[1] + 0; y = at[2] + 0
                for (i = 2; i <= NF; i++) if ($i ~ /^#/) { got = substr($i, 1, 7); break }
                col = int(x / k); row = int(y / k)
                want = colour_at(cx - 5 + col, cy - 5 + row)
                if (col == 5 && row == 5 && (x % k == 0 || x % k == k - 1 || y % k == 0 || y % k == k - 1))
                    want = frame_of(colour_at(cx, cy))
                n++
                if (got != want && !bad) { bad = 1; printf "pixel %d,%d (square %d,%d) is %s, not %s\n", x, y, col, row, got, want }
            }
            END { if (!bad) print (n == side * side && side == 11 * k ? "ok" : "client area of " n " pixels") }'
}

# menu_shot FILE: opens the picker's window menu with Alt+Space, saves a picture of it and
# closes it; prints its width and height. The first Escape closes the popup, the second leaves
# the menu mode, which would otherwise take the next Enter.
menu_shot() {
    local rect x y w h
    e2e_window_menu || { echo "no menu"; return 1; }
    rect=$(probe menu-popup)
    read -r x y w h <<<"$rect"
    /usr/bin/import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
    xdotool key Escape
    wait_until 5 e2e_no_menu || true
    xdotool key Escape
    echo "$w $h"
}

same_picture() {
    [[ $(/usr/bin/compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]
}

# Alt+Space, then the item's access key Z.
toggle_from_menu() {
    e2e_window_menu z
}

check_opening_and_placement() {
    local dpi=$1 picker_left picker_bottom
    e2e_read_window
    menu_shot "$E2E_RUN_DIR/menu-closed-$dpi.png" >/dev/null || e2e_fail "$dpi dpi: Alt+Space opens the window menu"
    toggle_from_menu || e2e_fail "$dpi dpi: Alt+Space opens the window menu"
    if wait_until 5 magnifier_open; then
        e2e_pass "$dpi dpi: Alt+Space, Z opens the magnifier"
    else
        e2e_abort "$dpi dpi: Alt+Space, Z should open the magnifier"
    fi
    assert_eq "$dpi dpi: its title, shown, topmost, never activated, a tool window" \
        "拡大鏡 1 1 1 1" "$mag_title $mag_visible $mag_topmost $mag_noactivate $mag_tool"
    assert_eq "$dpi dpi: its client area is 11 squares of $square pixels a side" \
        "$((11 * square)) $((11 * square))" "$mag_w $mag_h"
    picker_left=$E2E_FRAME_X picker_bottom=$((E2E_FRAME_Y + E2E_FRAME_H))
    # The client area lies inside the frame: below the picker's bottom, a border's width in.
    if ((mag_y > picker_bottom && mag_y < picker_bottom + 60 && mag_x >= picker_left && mag_x <= picker_left + 8)); then
        e2e_pass "$dpi dpi: it opens just below the picker, left edges aligned"
    else
        e2e_fail "$dpi dpi: it should open below the picker (frame $E2E_FRAME_X,$E2E_FRAME_Y ${E2E_FRAME_W}x$E2E_FRAME_H), its client area is at $mag_x,$mag_y"
    fi
    assert_eq "$dpi dpi: the picker keeps the activation" "Tintavo!" "$(probe foreground)"
    assert_eq "$dpi dpi: the swatch keeps the keyboard focus" 1001 "$(probe focus-id)"

    local size
    size=$(menu_shot "$E2E_RUN_DIR/menu-open-$dpi.png") || true
    if [[ -n $size ]] && ! same_picture "$E2E_RUN_DIR/menu-closed-$dpi.png" "$E2E_RUN_DIR/menu-open-$dpi.png"; then
        e2e_pass "$dpi dpi: the window menu shows the item checked"
    else
        e2e_fail "$dpi dpi: the window menu should look different with the magnifier open"
    fi
}

check_pixels() {
    local dpi=$1 point x y
    show_tile
    for point in "${kPoints[@]}"; do
        read -r x y <<<"$point"
        e2e_pointer_to "$x" "$y"
        assert_eventually_eq "$dpi dpi: with the pointer at $x,$y every square shows its pixel, the middle one framed" \
            5 ok magnifier_shows "$x" "$y"
    done
}

# The last point of check_pixels stays under the pointer.
check_follow_and_hold() {
    local dpi=$1 x y
    read -r x y <<<"${kPoints[1]}"
    xsetroot -solid "$kSolidA"
    assert_eventually_eq "$dpi dpi: it follows the screen" 5 ok magnifier_shows "$x" "$y" "$kSolidA"
    e2e_press_enter || e2e_fail "$dpi dpi: the picker takes the keyboard focus"
    assert_eventually_eq "$dpi dpi: Enter in the picker still holds the colour" 3 "$E2E_STATUS_HELD" probe text "$kStatusId"
    xsetroot -solid "$kSolidB"
    assert_eventually_eq "$dpi dpi: the screen turns $kSolidB" 3 "$kSolidB" probe pixel "$x" "$y"
    assert_stays_eq "$dpi dpi: held, it stays on what was under the pointer" 1 ok magnifier_shows "$x" "$y" "$kSolidA"
    e2e_press_enter || e2e_fail "$dpi dpi: the picker takes the keyboard focus"
    assert_eventually_eq "$dpi dpi: Enter resumes the sampling" 3 "$E2E_STATUS_SAMPLING" probe text "$kStatusId"
    assert_eventually_eq "$dpi dpi: resumed, it follows again" 5 ok magnifier_shows "$x" "$y" "$kSolidB"
}

# Ctrl+Alt+Enter while a window of another program has the keyboard focus.
check_hotkey_from_another_program() {
    local dpi=$1 x y window
    read -r x y <<<"${kPoints[1]}"
    e2e_probe_in_background "$E2E_RUN_DIR/focus-window.txt" focus-window 120
    wait_until 20 grep -qs . "$E2E_RUN_DIR/focus-window.txt" || e2e_abort "the probe's window did not appear"
    window=$(xdotool search --name '^probe focus$' | head -n 1)
    timeout 10 xdotool windowfocus --sync "$window" || e2e_fail "$dpi dpi: the probe's window takes the focus"
    e2e_pointer_to "$x" "$y"
    xdotool key ctrl+alt+Return
    assert_eventually_eq "$dpi dpi: Ctrl+Alt+Enter from another program holds the colour" 3 "$E2E_STATUS_HELD" \
        probe text "$kStatusId"
    xsetroot -solid "$kSolidA"
    assert_stays_eq "$dpi dpi: held by the hotkey, the code stays" 1 "$kSolidB" probe text "$kCodeId"
    assert_eq "$dpi dpi: held by the hotkey, the magnifier stays" ok "$(magnifier_shows "$x" "$y" "$kSolidB")"
    xdotool key ctrl+alt+Return
    assert_eventually_eq "$dpi dpi: Ctrl+Alt+Enter again resumes the sampling" 3 "$E2E_STATUS_SAMPLING" \
        probe text "$kStatusId"
    assert_eventually_eq "$dpi dpi: resumed by the hotkey, the magnifier follows" 5 ok magnifier_shows "$x" "$y" "$kSolidA"
    assert_eq "$dpi dpi: the other program keeps the activation" "probe focus" "$(probe foreground)"
    kill "$E2E_BACKGROUND_PID" 2>/dev/null || true
    wait "$E2E_BACKGROUND_PID" 2>/dev/null || true
}

# expect_closed DPI HOW SHOT: HOW, just done, closed the magnifier, and the window menu's item
# looks unchecked again, as in the picture taken before it was first opened.
expect_closed() {
    local dpi=$1 how=$2 shot=$E2E_RUN_DIR/$3-$1.png
    if wait_until 5 magnifier_closed; then
        e2e_pass "$dpi dpi: $how closes the magnifier"
    else
        e2e_fail "$dpi dpi: $how should close the magnifier"
    fi
    menu_shot "$shot" >/dev/null || true
    if same_picture "$E2E_RUN_DIR/menu-closed-$dpi.png" "$shot"; then
        e2e_pass "$dpi dpi: after $how the window menu shows the item unchecked"
    else
        e2e_fail "$dpi dpi: after $how the window menu should look as it did before opening"
    fi
}

check_closing() {
    local dpi=$1 box_x box_y
    toggle_from_menu || e2e_fail "$dpi dpi: Alt+Space opens the window menu"
    expect_closed "$dpi" "Alt+Space, Z again" menu-closed-again

    toggle_from_menu || true
    wait_until 5 magnifier_open || e2e_abort "$dpi dpi: the magnifier does not open again"
    read -r box_x box_y <<<"$(probe magnifier-close-box)"
    e2e_pointer_to "$box_x" "$box_y"
    xdotool click 1
    expect_closed "$dpi" "its close box" menu-after-close-box
    e2e_assert_alive "$dpi dpi, after closing the magnifier"
}

check_at_dpi() {
    local dpi=$1
    square=$(((9 * dpi + 48) / 96))
    e2e_prepare_prefix "$dpi"
    show_tile
    e2e_pointer_to 1000 700
    e2e_start_tintavo
    assert_eventually_eq "$dpi dpi: the picker starts sampling" 5 "$kLight" probe text "$kCodeId"
    assert_eq "$dpi dpi: the magnifier is closed at start" 0 "$(magnifier_closed && echo 0 || echo 1)"
    check_opening_and_placement "$dpi"
    check_pixels "$dpi"
    check_follow_and_hold "$dpi"
    check_hotkey_from_another_program "$dpi"
    check_closing "$dpi"
    e2e_stop_tintavo
}

# Another program has Ctrl+Alt+Enter: the picker starts and runs without it, Enter works, and
# its window menu has one more line.
check_taken_hotkey() {
    local free_size taken_size
    e2e_prepare_prefix 96
    xsetroot -solid "$kSolidA"
    e2e_pointer_to 1000 700
    e2e_start_tintavo
    free_size=$(menu_shot "$E2E_RUN_DIR/menu-hotkey-free.png") || true
    e2e_stop_tintavo

    e2e_probe_in_background "$E2E_RUN_DIR/hold-hotkey.txt" hold-hotkey 120
    wait_until 20 grep -qs held "$E2E_RUN_DIR/hold-hotkey.txt" || e2e_abort "the probe could not take Ctrl+Alt+Enter"
    e2e_start_tintavo
    assert_eventually_eq "taken hotkey: the picker samples" 5 "$kSolidA" probe text "$kCodeId"
    taken_size=$(menu_shot "$E2E_RUN_DIR/menu-hotkey-taken.png") || true
    local free_h=${free_size#* } taken_h=${taken_size#* }
    if [[ -n $free_size && -n $taken_size ]] && ((taken_h > free_h)); then
        e2e_pass "taken hotkey: the window menu has a line more (height $free_h -> $taken_h)"
    else
        e2e_fail "taken hotkey: the window menu should have a line more ('$free_size' -> '$taken_size')"
    fi
    e2e_press_enter || e2e_fail "taken hotkey: the picker takes the keyboard focus"
    assert_eventually_eq "taken hotkey: Enter still holds the colour" 3 "$E2E_STATUS_HELD" probe text "$kStatusId"
    e2e_stop_tintavo
    kill "$E2E_BACKGROUND_PID" 2>/dev/null || true
    wait "$E2E_BACKGROUND_PID" 2>/dev/null || true
}

write_tile "$tile_file"
for ((ty = 0; ty < kTile; ty++)); do
    for ((tx = 0; tx < kTile; tx++)); do
        if tile_bit "$tx" "$ty"; then tile_bits+=1; else tile_bits+=0; fi
    done
done
e2e_start_xvfb
e2e_acquire_prefix
check_at_dpi 96
check_at_dpi 144
check_taken_hotkey
e2e_finish
