#!/usr/bin/env bash
# With the widgets scaled by 2, a drag from the bar's eye-dropper button picks the colour under
# the pointer and leaves the bar where it was, with the Eye Dropper beside it.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
# Two colours: the bar, 2 x 22 + 65 scaled pixels high, keeps well inside the halved screen.
mkdir -p "$user_folder"
printf '$000000FF\r\n$0000FF00\r\n' >"$user_folder/colorset.dat"
export QT_SCALE_FACTOR=2
start_program
bar=$(wait_for_window '^TWL$')
check "the main bar appears" test -n "$bar"
check "the bar is 84 pixels wide" poll 10 '[ "$(window_size "$bar" | cut -d " " -f 1)" = 84 ]'
read -r left top <<<"$(window_position "$bar")"
# Painted: its grey frame strip, 2 scaled pixels in from the edge, shows.
wait_for 10 '[ "$(screen_pixel $((left + 5)) $((top + 60)))" = 75,75,75 ]' "the bar's first paint"
bar_height() { window_size "$bar" | cut -d ' ' -f 2 | grep . || echo 0; }
height=$(bar_height)

# The button lies at (8, 24), 25 x 25, in scaled units: twice that in the server's pixels.
xdotool mousemove --sync $((left + 40)) $((top + 72)) mousedown 1
eye=$(wait_for_window '^Eye Dropper$')
for x in 300 350 400; do
    xdotool mousemove --sync "$x" 900
    sleep 0.15
done
sleep 0.2
xdotool mouseup 1
poll 5 '[ "$(bar_height)" -gt "$height" ]'
check "the bar stays where it was ($left $top -> $(window_position "$bar"))" test "$(window_position "$bar")" = "$left $top "
check "the Eye Dropper opens on the right of the bar, 40 scaled pixels below its top" \
    test "$(window_position "$eye")" = "$((left + 84)) $((top + 80)) "

check "the program ends" close_program
check "the picked colour is the desktop's" \
    bash -c "head -n 1 '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"
finish
