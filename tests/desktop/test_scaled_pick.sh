#!/usr/bin/env bash
# With the widgets scaled by 2 and by 1.5, a drag from the bar's eye-dropper button picks the
# colour under the pointer and leaves the bar where it was, with the Eye Dropper beside it, or,
# where beside it would run past the screen's edges, moved the least way onto the screen.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'

# One run of the program at a scale factor; the other numbers are the server's pixels for
# the scaled ones: the bar's width, its eye-dropper button (8 + 12, 24 + 12), a point of its
# grey frame strip (2 + 1, 30), and the Eye Dropper's place on the screen.
pick_at() { # pick_at FACTOR WIDTH BUTTON-X BUTTON-Y FRAME-X FRAME-Y EYE-LEFT EYE-TOP
    local factor=$1 width=$2 frame_x=$5 frame_y=$6 height bar eye left top x
    rm -rf "$user_folder"
    mkdir -p "$user_folder"
    # Two colours: the bar, 2 x 22 + 65 scaled pixels high, keeps well inside the screen.
    printf '$000000FF\r\n$0000FF00\r\n' >"$user_folder/colorset.dat"
    QT_SCALE_FACTOR=$factor start_program
    bar=$(wait_for_window '^TWL$')
    check "at $factor the main bar appears" test -n "$bar"
    check "at $factor the bar is $width pixels wide" \
        poll 10 '[ "$(window_size "$bar" | cut -d " " -f 1)" = "$width" ]'
    read -r left top <<<"$(window_position "$bar")"
    wait_for 10 '[ "$(screen_pixel $((left + frame_x)) $((top + frame_y)))" = 75,75,75 ]' \
        "the bar's first paint at $factor"
    height=$(window_size "$bar" | cut -d ' ' -f 2)

    xdotool mousemove --sync $((left + $3)) $((top + $4)) mousedown 1
    eye=$(wait_for_window '^Eye Dropper$')
    # Away from the bar and from the Eye Dropper beside it.
    for x in 300 350 400; do
        xdotool mousemove --sync "$x" 900
        sleep 0.15
    done
    sleep 0.2
    xdotool mouseup 1
    poll 5 '[ "$(window_size "$bar" | cut -d " " -f 2)" -gt "$height" ]'
    check "at $factor the bar stays where it was ($left $top: $(window_position "$bar"))" \
        test "$(window_position "$bar")" = "$left $top "
    check "at $factor the Eye Dropper opens at $7 $8 (got $(window_position "$eye"))" \
        test "$(window_position "$eye")" = "$7 $8 "
    check "at $factor the program ends" close_program
    check "at $factor the picked colour is the desktop's" \
        bash -c "head -n 1 '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"
}

# At 2 the screen is 640 x 512 scaled pixels: beside the bar at (437, 249) the 313 x 378 Eye
# Dropper would run past its right and bottom edges, so it comes to (327, 134), (654, 268).
pick_at 2 84 40 72 5 60 654 268
# The bar's corner (395, 209) becomes (593, 314) and the Eye Dropper's (437, 249) (656, 374).
pick_at 1.5 63 30 54 4 45 656 374
finish
