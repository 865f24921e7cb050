#!/usr/bin/env bash
# On a desktop of two monitors: a bar stored beyond the only monitor there comes back onto it;
# with both on, the hotkey picks the very pixel under the pointer on either monitor, and the
# Eye Dropper opens beside a bar on the second monitor, on that monitor. The picks again with the
# second monitor's widgets scaled by 2, where the Eye Dropper docked by F4 comes wholly onto it.
source "$(dirname "$0")/lib.sh"
start_xorg_desktop

settings() { # settings LEFT TOP
    rm -rf "$user_folder"
    mkdir -p "$user_folder"
    printf 'program=twl\r\nleft=%d\r\ntop=%d\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\n' "$1" "$2" \
        >"$user_folder/set.set"
    printf 'copyas=HEX with #\r\nsampling=0\r\n' >>"$user_folder/set.set"
}

# Stored at left=3000 while only the first monitor, 1920 wide, is on.
settings 3000 300
start_program
bar=$(wait_for_bar)
check "the bar stored beyond the desktop appears" test -n "$bar"
read -r left top <<<"$(window_position "$bar")"
read -r width height <<<"$(window_size "$bar")"
check "it lies wholly on the monitor ($left $top, $width x $height)" \
    test "$left" -ge 0 -a $((left + width)) -le 1920 -a "$top" -ge 0 -a $((top + height)) -le 1080
check "the program ends" close_program

two_monitors
printf '#define c_width 2\n#define c_height 2\nstatic char c_bits[] = {\n  0x01, 0x02, };\n' \
    >"$work/checker.xbm"
# A checkerboard of one-pixel cells: (x + y) even red, odd blue.
xsetroot -bitmap "$work/checker.xbm" -fg '#FF0000' -bg '#0000FF'
settings 2500 300
start_program
bar=$(wait_for_bar)
check "the bar appears on the second monitor" test "$(window_position "$bar")" = "2500 300 "

# Both monitors, their edges where they meet, and the far corner of the second.
hotkey_picks() { # hotkey_picks WHEN
    checker_picks "$1" "101 203" "1918 500" "1919 500" "1920 500" "1921 500" "2700 777" \
        "3199 1023"
}
hotkey_picks unscaled

# A drag from the bar's eye-dropper button opens the Eye Dropper; the bar is right of the
# middle of the desktop, so the window opens on its left, 40 below its top.
xdotool mousemove --sync 2520 336 mousedown 1
eye=$(wait_for_window '^Eye Dropper$')
for x in 2900 2950 3000; do
    xdotool mousemove --sync "$x" 900
    sleep 0.15
done
xdotool mouseup 1
check "the Eye Dropper shows" test -n "$eye"
read -r eye_width _ <<<"$(window_size "$eye")"
check "the Eye Dropper opens beside the bar, on the second monitor ($(window_position "$eye"))" \
    test "$(window_position "$eye")" = "$((2500 - eye_width)) 340 " -a $((2500 - eye_width)) -ge 1920
check "the program ends again" close_program

# The second monitor's widgets scaled by 2: the bar stored at (2000, 100) in its scaled units
# is at (1920 + 2 x 80, 2 x 100) of its pixels.
settings 2000 100
QT_SCREEN_SCALE_FACTORS='1;2' start_program
bar=$(wait_for_window '^TWL$')
check "the bar appears on the scaled monitor ($(window_position "$bar"))" \
    test "$(window_position "$bar")" = "2080 200 "
# The frame's grey shows somewhere in the bar's first columns once it is painted (how many
# physical pixels in it starts depends on the rounding of the monitor's ratio).
frame_painted() {
    import -window root -crop "16x1+2080+260" -depth 8 txt:- 2>/dev/null | grep -q '(75,75,75)'
}
wait_for 20 frame_painted "the scaled bar's first paint"
hotkey_picks "with the second monitor scaled"

# F4 docks the Eye Dropper (626 x 756 of the scaled monitor's pixels) left of the bar, 40 below
# its top, which would leave part of it on the first monitor: it comes onto the bar's 1280 x 1024
# monitor whole, by the least move.
xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key F4
eye=$(wait_for_window '^Eye Dropper$')
poll 5 '[ "$(window_size "$eye")" = "626 756 " ]'
read -r ex ey <<<"$(window_position "$eye")"
read -r ew eh <<<"$(window_size "$eye")"
check "the Eye Dropper docked beside the scaled bar lies wholly on its monitor ($ex,$ey ${ew}x$eh)" \
    test "$ex" -ge 1920 -a $((ex + ew)) -le 3200 -a "$ey" -ge 0 -a $((ey + eh)) -le 1024
check "the program ends a third time" close_program
finish
