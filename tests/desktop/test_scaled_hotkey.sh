#!/usr/bin/env bash
# With the widgets scaled by 2, the hotkey picks the very pixel under the pointer: on a root
# painted as a checkerboard of one-pixel cells, neighbouring points give the two colours in turn.
source "$(dirname "$0")/lib.sh"
start_desktop
printf '#define c_width 2\n#define c_height 2\nstatic char c_bits[] = {\n  0x01, 0x02, };\n' \
    >"$work/checker.xbm"
# (x + y) even: red; odd: blue.
xsetroot -bitmap "$work/checker.xbm" -fg '#FF0000' -bg '#0000FF'

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\ncopyas=HEX with #\r\nsampling=0\r\n' \
    >"$user_folder/set.set"
QT_SCALE_FACTOR=2 start_program
bar=$(wait_for_window '^TWL$')
check "the main bar appears" test -n "$bar"
read -r left top <<<"$(window_position "$bar")"
wait_for 10 '[ "$(screen_pixel $((left + 5)) $((top + 60)))" = 75,75,75 ]' "the bar's first paint"

for point in "101 203" "102 203" "102 204" "1001 778" "1278 1023" "0 0"; do
    read -r x y <<<"$point"
    expected='#FF0000'
    [ $(((x + y) % 2)) -eq 1 ] && expected='#0000FF'
    xdotool mousemove --sync "$x" "$y" key super+q
    poll 5 '[ "$(clipboard)" = "$expected" ]'
    check "the hotkey at ($x, $y) copies the pixel there, $expected (got $(clipboard))" \
        test "$(clipboard)" = "$expected"
done
check "the program ends" close_program
finish
