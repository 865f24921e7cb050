#!/usr/bin/env bash
# A drag from the bar's eye-dropper button picks the colour under the pointer; the magnified
# picture is saved as PNG, GIF and BMP files that other programs read.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
start_program_and_bar
bar_height() { window_size "$bar" | cut -d ' ' -f 2 | grep . || echo 0; }

# Press on the eye-dropper button, drag over the desktop, release there.
height=$(bar_height)
xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
eye=$(wait_for_window '^Eye Dropper$')
# A hand's drag: the pointer rests a moment at each step and before the release, for the
# Eye Dropper's ticks (50 ms) to sample there.
for x in 700 750 800; do
    xdotool mousemove --sync "$x" 600
    sleep 0.15
done
sleep 0.2
xdotool mouseup 1
# The picked colour makes the bar one slot longer.
poll 5 '[ "$(bar_height)" -gt "$height" ]'
check "the bar stays where it was while it grows" test "$(window_position "$bar")" = "$left $top "
check "the Eye Dropper window shows during the pick" test -n "$eye"
check "the Eye Dropper opens on the right of the bar, 40 below its top" \
    test "$(window_position "$eye")" = "$((left + 42)) $((top + 40)) "

# Save the picture through the window menu: Shift+F10, "Save Image as", then a format.
save_picture() { # ITEM-NUMBER PATH
    local item=$1 file=$2 dialog=
    xdotool windowactivate --sync "$eye" 2>/dev/null || xdotool windowfocus --sync "$eye"
    xdotool key shift+F10
    wait_for 5 menu_shows "the Eye Dropper's menu"
    xdotool key --delay 80 Down Down Down Down Down Down Down Down Right
    for _ in $(seq "$item"); do xdotool key --delay 80 Down; done
    xdotool key --delay 80 Up Return
    wait_for 10 'dialog=$(xdotool search --onlyvisible --name "^Save As" | head -n 1)
                 [ -n "$dialog" ] && [ "$(xdotool getwindowfocus)" = "$dialog" ]' \
        "the Save As dialog to take the keyboard"
    xdotool type --delay 20 "$file"
    xdotool key --delay 80 Return
    wait_for 10 '[ -e "$file" ]' "${file##*/} to be written"
}
save_picture 1 "$work/shot.png"
save_picture 2 "$work/shot.bmp"
save_picture 3 "$work/shot.gif"
check "the PNG reads back as a 289 x 289 picture" \
    bash -c "pngcheck '$work/shot.png' | grep -q '289x289'"
check "the GIF is a GIF whatever its colours" bash -c "giftext '$work/shot.gif' | grep -q 'Width = 289'"
check "the BMP opens in ImageMagick" \
    bash -c "identify '$work/shot.bmp' | grep -q 'BMP3 289x289'"
check "the saved picture shows the desktop colour" \
    test "$(convert "$work/shot.png" -crop 1x1+250+41 -depth 8 txt:- | sed -nE '2s/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p')" = 51,102,153

# A press and release on the bar's button without moving: the bar itself is never sampled.
height=$(bar_height)
xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
# Held over the bar for several Eye Dropper ticks, which must not sample it.
sleep 0.4
xdotool mouseup 1
poll 5 '[ "$(bar_height)" -gt "$height" ]'

check "the program ends" close_program
check "the picked colour is slot 1" bash -c "head -n 1 '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"
check "a pick released over the bar adds the last desktop colour, not the bar's" \
    bash -c "sed -n 2p '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"
check "magnified.bmp is written at exit" \
    bash -c "identify '$user_folder/magnified.bmp' | grep -q 'BMP3 289x289'"
finish
