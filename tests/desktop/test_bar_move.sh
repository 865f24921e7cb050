#!/usr/bin/env bash
# Dragging the bar by its title moves it; the Eye Dropper docks beside it again when it comes
# to rest, and the new place is saved at exit.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"

# The very first thing done: a short drag by the title moves the bar by just that much.
read -r left top <<<"$(window_position "$bar")"
xdotool mousemove --sync $((left + 15)) $((top + 12)) mousedown 1
xdotool mousemove --sync $((left + 35)) $((top + 22))
poll 2 'test "$(window_position "$bar")" = "$((left + 20)) $((top + 10)) "'
xdotool mouseup 1
check "a first drag moves the bar by the drag alone (got $(window_position "$bar"))" \
    test "$(window_position "$bar")" = "$((left + 20)) $((top + 10)) "

xdotool windowfocus --sync "$bar" key F4
eye=$(wait_for_window '^Eye Dropper$')
check "F4 opens the Eye Dropper" test -n "$eye"

read -r left top <<<"$(window_position "$bar")"
xdotool mousemove --sync $((left + 15)) $((top + 12)) mousedown 1
# Each step waits for the window manager to bring the bar under the pointer, as a hand would.
for step in 1 2 3 4 5; do
    xdotool mousemove --sync $((left + 15 + 20 * step)) $((top + 12 + 10 * step))
    poll 2 'test "$(window_position "$bar")" = "$((left + 20 * step)) $((top + 10 * step)) "'
done
xdotool mouseup 1
# The Eye Dropper docks once the bar has been still for a moment (it may dock on the way too).
poll 5 'test "$(window_position "$eye")" = "$((left + 100 + 42)) $((top + 50 + 40)) "'
read -r newLeft newTop <<<"$(window_position "$bar")"
check "the bar follows the drag ($left,$top -> $newLeft,$newTop)" \
    test "$newLeft,$newTop" = "$((left + 100)),$((top + 50))"
# Still left of three Quick Color Palette widths (588): the Eye Dropper opens on the right.
check "the Eye Dropper docks beside the bar again" \
    test "$(window_position "$eye")" = "$((newLeft + 42)) $((newTop + 40)) "

close_program
check "the new place is saved" grep -qx $'left='$((left + 100))$'\r' "$user_folder/set.set"
finish
