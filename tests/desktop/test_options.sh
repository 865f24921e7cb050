#!/usr/bin/env bash
# F3 on the bar opens the Options dialog. Ctrl + Alt + key Q chosen there with the mouse and the
# keyboard is the global hotkey as soon as OK is pressed, the old Win+Q is let go, and set.set
# keeps the new hotkey after exit.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\ncopyas=HEX with #\r\n' \
    >"$user_folder/set.set"
printf 'clWhite\r\n' >"$user_folder/colorset.dat"
start_program
bar=$(wait_for_bar)
[ -n "$bar" ] || fail "the main bar did not appear"
xdotool windowfocus --sync "$bar" key F3
options=$(wait_for_window '^Options$')
[ -n "$options" ] || fail "F3 on the bar did not open the Options dialog"
check "the dialog is named Options" test "$(xdotool getwindowname "$options")" = Options
check "the dialog is 568 x 371" test "$(window_size "$options")" = "568 371 "

# Places inside the dialog: the page names from 16, 16 in 20-pixel rows; the pages at 134, 15
# inside a frame of at most 2 pixels; on the hotkey page its group at 8, 72, the four boxes on a
# row 60 pixels down it and the key field at 254, 58; OK at 392, 334.
read -r dx dy <<<"$(window_position "$options")"
click_at() { xdotool mousemove --sync $((dx + $1)) $((dy + $2)) click 1; }
click_at 60 46
group_x=$((134 + 2 + 8)) group_y=$((15 + 2 + 72))
for box_x in 12 72 134; do # Win (ticked for Win+Q) off, Ctrl and Alt on
    click_at $((group_x + box_x + 8)) $((group_y + 60 + 8))
done
click_at $((group_x + 254 + 40)) $((group_y + 58 + 10))
xdotool key q
click_at $((392 + 37)) $((334 + 12))
wait_for 5 '[ "$(map_state "$options")" != IsViewable ]' "OK to close the dialog"

# The old hotkey, pressed first, must add nothing; the new one adds and copies the colour under
# the pointer.
xdotool mousemove --sync 1000 900
xdotool key super+q
xdotool key ctrl+alt+q
poll 5 '[ "$(clipboard)" = "#336699" ]'
check "Ctrl+Alt+Q picks the colour under the pointer (got '$(clipboard)')" \
    test "$(clipboard)" = "#336699"
check "closing ends the program" close_program

palette=$(tr -d '\r' <"$user_folder/colorset.dat" | paste -sd ' ')
check "only the new hotkey added a colour (palette '$palette')" \
    test "$palette" = '$00996633 clWhite'
check "set.set holds the new hotkey" grep -qx $'hotkey=Ctrl+Alt+Q\r' "$user_folder/set.set"
finish
