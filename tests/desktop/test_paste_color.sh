#!/usr/bin/env bash
# Colour text on the X clipboard, one colour a line, goes into the palette with Ctrl+V on the
# bar, the first line on top, and stays there after exit.
source "$(dirname "$0")/lib.sh"
start_desktop

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=0\r\n' >"$user_folder/set.set"
start_program
bar=$(wait_for_bar)
printf '#FF0000\n336699\n' | xclip -selection clipboard 2>/dev/null
wait_for 5 '[ "$(clipboard)" = "$(printf "#FF0000\n336699")" ]' "xclip to hold the clipboard"
xdotool windowfocus --sync "$bar" key ctrl+v
# Twelve default colours and two pasted ones: 14 × 22 + 65 pixels.
wait_for 5 '[ "$(window_size "$bar")" = "42 373 " ]' "the bar to grow by two slots"
close_program

first=$(sed -n 1p "$user_folder/colorset.dat" | tr -d '\r')
second=$(sed -n 2p "$user_folder/colorset.dat" | tr -d '\r')
check "the first line's colour is slot 1 (got '$first')" test "$first" = "clRed"
check "the second line's colour is slot 2 (got '$second')" test "$second" = '$00996633'
check "the palette holds 14 colours" test "$(wc -l <"$user_folder/colorset.dat")" = 14
finish
