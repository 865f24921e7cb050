#!/usr/bin/env bash
# With the widgets scaled by 2 and by 1.5, the hotkey picks the very pixel under the pointer: on
# a root painted as a checkerboard of one-pixel cells, neighbouring points give the two colours
# in turn. At 2 the magnified picture saved at exit is centred on the pixel under the pointer
# and keeps its size in pixels.
source "$(dirname "$0")/lib.sh"
start_desktop
printf '#define c_width 2\n#define c_height 2\nstatic char c_bits[] = {\n  0x01, 0x02, };\n' \
    >"$work/checker.xbm"
# One set pixel, (7, 7), in a tile of 50 x 50: rows of 7 bytes, the lowest bit leftmost.
{
    printf '#define d_width 50\n#define d_height 50\nstatic char d_bits[] = {\n'
    for ((i = 0; i < 350; i++)); do
        if [ "$i" -eq 49 ]; then printf '0x80,'; else printf '0x00,'; fi
    done
    printf '};\n'
} >"$work/dot.xbm"

# Starts the program at a scale factor, the bar's grey frame strip at (FRAME-X, FRAME-Y).
start_scaled() { # start_scaled FACTOR FRAME-X FRAME-Y
    local frame_x=$2 frame_y=$3
    rm -rf "$user_folder"
    mkdir -p "$user_folder"
    printf 'program=twl\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\ncopyas=HEX with #\r\n' \
        >"$user_folder/set.set"
    printf 'sampling=0\r\nzoom=4\r\nEyeSize=0\r\nShowGrid=0\r\n' >>"$user_folder/set.set"
    QT_SCALE_FACTOR=$1 start_program
    bar=$(wait_for_window '^TWL$')
    check "at $1 the main bar appears" test -n "$bar"
    read -r left top <<<"$(window_position "$bar")"
    wait_for 10 '[ "$(screen_pixel $((left + frame_x)) $((top + frame_y)))" = 75,75,75 ]' \
        "the bar's first paint at $1"
}

hotkey_picks() { # hotkey_picks FACTOR
    xsetroot -bitmap "$work/checker.xbm" -fg '#FF0000' -bg '#0000FF'
    checker_picks "at $1" "101 203" "102 203" "102 204" "1001 778" "1278 1023" "0 0"
}

start_scaled 2 5 60
hotkey_picks 2
# A drag from the bar's eye-dropper button (scaled 20, 36) shows the Eye Dropper; the pointer
# rests on the one green pixel, at (657, 357), for several of its ticks.
xsetroot -bitmap "$work/dot.xbm" -fg '#00FF00' -bg '#000080'
# The picked colours have made the bar longer, and it moved up to stay on the screen.
read -r left top <<<"$(window_position "$bar")"
xdotool mousemove --sync $((left + 40)) $((top + 72)) mousedown 1
eye=$(wait_for_window '^Eye Dropper$')
for x in 600 640 657; do
    xdotool mousemove --sync "$x" 357
    sleep 0.15
done
sleep 0.3
xdotool mouseup 1
check "at 2 the Eye Dropper shows" test -n "$eye"
check "at 2 the program ends" close_program
picture=$user_folder/magnified.bmp
check "the magnified picture keeps its 145 x 145 pixels" \
    test "$(identify -format '%w %h' "$picture" 2>/dev/null)" = "145 145"
# The green cell, 8 x 8 picture pixels at a zoom of 4, holds the picture's centre (72, 72).
green=$(convert "$picture" txt:- 2>/dev/null | sed -nE 's/^([0-9]+),([0-9]+):.*#00FF00.*/\1 \2/p' |
    awk 'NR == 1 { l = r = $1; t = b = $2 }
         { l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b }
         END { if (NR) print l, t, r, b }')
read -r gl gt gr gb <<<"$green"
check "the magnified picture is centred on the pixel under the pointer (green at $green)" \
    test -n "$gb" -a "${gl:-1}" -le 72 -a "${gr:-0}" -ge 72 -a "${gt:-1}" -le 72 -a "${gb:-0}" -ge 72 \
    -a $((${gr:-0} - ${gl:-0})) -le 8 -a $((${gb:-0} - ${gt:-0})) -le 8

start_scaled 1.5 4 45
hotkey_picks 1.5
check "at 1.5 the program ends" close_program
finish
