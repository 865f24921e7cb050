#!/usr/bin/env bash
# With the widgets scaled by 2, the magnified picture leaves out the Eye Dropper itself where it
# really is on the screen, in the server's pixels: a pick that rests just inside the window's
# right edge shows the window silver and the desktop beyond it, and keeps the desktop's colour
# it saw last rather than one of the window's own pixels.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
mkdir -p "$user_folder"
printf 'program=twl\r\nsampling=0\r\nzoom=4\r\nEyeSize=0\r\nShowGrid=0\r\n' >"$user_folder/set.set"
printf '$000000FF\r\n' >"$user_folder/colorset.dat"
QT_SCALE_FACTOR=2 start_program
bar=$(wait_for_window '^TWL$')
check "the main bar appears" test -n "$bar"
read -r left top <<<"$(window_position "$bar")"
wait_for 10 '[ "$(screen_pixel $((left + 5)) $((top + 60)))" = 75,75,75 ]' "the bar's first paint"
xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key --delay 80 F4
eye=$(wait_for_window '^Eye Dropper$')
check "F4 shows the Eye Dropper" test -n "$eye"
# The smallest Eye Dropper, 169 x 234 scaled pixels, moved to where the desktop lies right of it.
poll 5 '[ "$(window_size "$eye")" = "338 468 " ]'
check "the Eye Dropper is 338 x 468 pixels ($(window_size "$eye"))" \
    test "$(window_size "$eye")" = "338 468 "
xdotool windowmove --sync "$eye" 200 100
read -r eye_x eye_y <<<"$(window_position "$eye")"
right=$((eye_x + 338)) middle=$((eye_y + 200))

# A pick started on the magnified picture rests on the desktop right of the window, then four
# pixels inside its right edge.
xdotool mousemove --sync $((eye_x + 84)) $((eye_y + 118)) mousedown 1
for x in $((right + 60)) $((right + 40)) $((right - 4)); do
    xdotool mousemove --sync "$x" "$middle"
    sleep 0.15
done
sleep 0.4
xdotool mouseup 1
check "the program ends" close_program
check "the pick kept the desktop's colour, not the window's ($(head -n 1 "$user_folder/colorset.dat"))" \
    bash -c "head -n 1 '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"

# The saved picture, 145 x 145 at 8 picture pixels a screen pixel, is centred on the pointer:
# the window's edge, four screen pixels right of it, falls at column 72 + 32. Along its top and
# bottom rows (clear of the pointer's mark) every column left of the edge is silver and every
# one right of it the desktop's blue.
row_runs() { # row_runs ROW: "first-column colour" for each run of one colour
    convert "$user_folder/magnified.bmp" -crop "145x1+0+$1" txt:- 2>/dev/null |
        awk 'NR > 1 { split($1, at, ","); if ($3 != last) print at[1], $3; last = $3 }' |
        tr '\n' ' '
}
for row in 0 144; do
    runs=$(row_runs "$row")
    check "row $row of the picture: silver up to the window's edge, the desktop beyond ($runs)" \
        test "$runs" = "0 #C0C0C0 104 #336699 "
done
finish
