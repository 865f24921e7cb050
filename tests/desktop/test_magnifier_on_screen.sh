#!/usr/bin/env bash
# What the Eye Dropper's magnified picture shows on the screen itself: during a pick it follows
# the desktop under the pointer, and once the pick is over, a menu opened over it and closed
# again uncovers the last picture, not an older one.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
start_program_and_bar

# The picture starts at (12, 29) in the Eye Dropper. Picture pixel (41, 41) lies inside a grid
# cell at every zoom, well away from the sample's frame in the middle.
magnifier_pixel() { screen_pixel $((eye_x + 12 + 41)) $((eye_y + 29 + 41)); }

xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
eye=$(wait_for_window '^Eye Dropper$')
check "the Eye Dropper shows during the pick" test -n "$eye"
read -r eye_x eye_y <<<"$(window_position "$eye")"
xdotool mousemove --sync 900 800
poll 5 '[ "$(magnifier_pixel)" = 51,102,153 ]'
check "during the pick the picture shows the desktop under the pointer (got $(magnifier_pixel))" \
    test "$(magnifier_pixel)" = 51,102,153
# The desktop changes under the resting pointer.
xsetroot -solid '#993366'
poll 5 '[ "$(magnifier_pixel)" = 153,51,102 ]'
check "the picture follows the desktop while the pointer rests (got $(magnifier_pixel))" \
    test "$(magnifier_pixel)" = 153,51,102
xdotool mouseup 1

# The picture's menu opens at the pointer, over the picture, and closes again.
xdotool mousemove --sync $((eye_x + 12 + 20)) $((eye_y + 29 + 20)) click 3
wait_for 5 menu_shows "the picture's menu"
xdotool key Escape
wait_for 5 '! menu_shows' "the picture's menu to close"
xdotool mousemove 900 800
poll 5 '[ "$(magnifier_pixel)" = 153,51,102 ]'
check "uncovered, the picture shows the last desktop again (got $(magnifier_pixel))" \
    test "$(magnifier_pixel)" = 153,51,102
check "the program ends" close_program
finish
