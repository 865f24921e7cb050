#!/usr/bin/env bash
# The Contrast window on a real desktop: F8 on the bar opens "Contrast" beside the bar with the
# palette's two newest colours, Ctrl+C copies the report, a drag from its text eye-dropper
# button picks the desktop's colour as the text, and its place and colours are in set.set.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#c03020'
mkdir -p "$user_folder"
printf '$00996633\r\nclWhite\r\n' >"$user_folder/colorset.dat" # #336699 on top, white second
start_program_and_bar
read -r bar_width _ <<<"$(window_size "$bar")"

xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key F8
window=$(wait_for_window '^Contrast$')
[ -n "$window" ] || fail "F8 on the bar shows no window named Contrast"
check "the window is 300 x 354" test "$(window_size "$window")" = "300 354 "
read -r wx wy <<<"$(window_position "$window")"
check "it opens 40 below the bar's top, beside it (at $wx,$wy; bar at $left,$top)" \
    test "$wy" = $((top + 40)) -a \( "$wx" = $((left + bar_width)) -o "$wx" = $((left - 300)) \)

printf 'unchanged' | xclip -selection clipboard 2>/dev/null
wait_for 5 '[ "$(clipboard)" = unchanged ]' "xclip to hold the clipboard"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key ctrl+c
poll 5 '[ "$(clipboard)" != unchanged ]'
expected='Text: #336699
Background: #FFFFFF
Contrast ratio: 5.99:1
AA normal text (4.5:1): pass
AA large text (3:1): pass
AAA normal text (7:1): fail
AAA large text (4.5:1): pass
Non-text (3:1): pass
APCA Lc: 79.8'
got=$(clipboard)
check "Ctrl+C copies the report of #336699 on white (got '$got')" test "$got" = "$expected"

# The text's eye-dropper button is at (112, 30) in the window, 25 pixels square; the drag goes
# over the desktop, away from the program's windows, resting for the Eye Dropper's ticks.
xdotool mousemove --sync $((wx + 124)) $((wy + 42)) mousedown 1
for step in 3 2 1 0; do
    xdotool mousemove --sync $((40 + step * 20)) $((900 + step * 10))
    sleep 0.2
done
sleep 0.4
xdotool mouseup 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
poll 5 'xdotool key ctrl+c; clipboard | grep -q "^Text: #C03020$"'
check "a drag from the text's eye-dropper button picks the desktop as the text ($(clipboard | head -n 1))" \
    test "$(clipboard | head -n 1)" = "Text: #C03020"
check "the pick does not go to the palette" test "$(head -c 9 "$user_folder/colorset.dat")" = '$00996633'

close_program
check "ContrastTop is written at exit" grep -q $'^ContrastTop='"$wy"$'\r$' "$user_folder/set.set"
check "the picked text colour is kept" grep -q $'^ContrastText=$002030C0\r$' "$user_folder/set.set"
finish
