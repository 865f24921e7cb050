#!/usr/bin/env bash
# The Test Layouts window on a real desktop: it opens with the layout "LastTL" names from the
# user's "TLs" folder, and "Copy Image" offers the preview as a 144 x 144 PNG in the palette's
# first five colours.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'

mkdir -p "$user_folder/TLs"
printf '$000000FF\r\n$0000FF00\r\n$00FF0000\r\n$0000FFFF\r\n$00FF00FF\r\n$00808080\r\n' \
    >"$user_folder/colorset.dat"
printf 'program=twl\r\nLastTL=columns.tl\r\nsnapTest=0\r\n' >"$user_folder/set.set"
printf 'name=Whole\r\ns1.left=0\r\ns1.top=0\r\ns1.width=145\r\ns1.height=145\r\ns1.visible=1\r\n' \
    >"$user_folder/TLs/whole.tl"
{
    printf 'name=Columns\r\n'
    for n in 1 2 3 4 5; do
        printf 's%d.left=%d\r\ns%d.top=0\r\ns%d.width=30\r\ns%d.height=145\r\ns%d.visible=1\r\n' \
            "$n" $(((n - 1) * 29)) "$n" "$n" "$n" "$n"
    done
} >"$user_folder/TLs/columns.tl"
start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"

# F6 on the bar: the Test Layouts command.
xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key --delay 80 F6
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Test Layouts$' | head -n 1)
check "F6 on the bar shows the Test Layouts window" test -n "$window"
check "the window's client area is 165 x 200" test "$(window_size "$window")" = "165 200 "
read -r wleft wtop <<<"$(window_position "$window")"

# The preview lies at (10, 27) in the window; "Columns" puts slot n's colour in column n.
expected=("255,0,0" "0,255,0" "0,0,255" "255,255,0" "255,0,255")
shown=""
for n in 0 1 2 3 4; do
    shown+="$(screen_pixel $((wleft + 10 + n * 29 + 14)) $((wtop + 27 + 70))) "
done
check "the window shows the layout LastTL names (got $shown)" \
    test "$shown" = "${expected[*]} "

clipboard() { xclip -o -selection clipboard "$@" 2>/dev/null; }
# Shift+F10: the window menu; "Copy Image" is the fourth item.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --delay 80 shift+F10 Down Down Down Down Return
poll 5 'clipboard -t TARGETS | grep -q image/png'
clipboard -t image/png >"$work/layout.png"
check "Copy Image offers a 144 x 144 PNG" \
    test "$(identify -format '%wx%h' "$work/layout.png" 2>/dev/null)" = 144x144
pixel() {
    convert "$work/layout.png" -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -nE '2s/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p'
}
copied=""
for n in 0 1 2 3 4; do
    copied+="$(pixel $((n * 29 + 14)) 100) "
done
check "its columns hold the first five slots' colours (got $copied)" \
    test "$copied" = "${expected[*]} "

close_program
check "LastTL stays the layout shown" grep -q $'^LastTL=columns.tl\r$' "$user_folder/set.set"
finish
