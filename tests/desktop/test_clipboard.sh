#!/usr/bin/env bash
# Colour text copied by the program can be pasted in another program; with Auto Copy off the
# clipboard is left alone.
source "$(dirname "$0")/lib.sh"
start_desktop

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=1\r\ncopyas=RGB\r\n' >"$user_folder/set.set"
start_program
bar=$(wait_for_bar)
was=$(clipboard)
xdotool windowfocus --sync "$bar" key ctrl+c
poll 5 '[ "$(clipboard)" != "$was" ]'
got=$(clipboard)
check "Ctrl+C puts slot 1 as RGB on the X clipboard (got '$got')" test "$got" = "RGB(255,0,128)"
close_program

printf 'keep me' | xclip -selection clipboard 2>/dev/null
wait_for 5 '[ "$(clipboard)" = "keep me" ]' "xclip to hold the clipboard"
printf 'program=twl\r\ncaptureandcopy=0\r\ncopyas=RGB\r\n' >"$user_folder/set.set"
start_program
bar=$(wait_for_bar)
# Esc after Ctrl+C: once the bar hides, the program has handled both keys.
xdotool windowfocus --sync "$bar" key ctrl+c Escape
wait_for 5 '[ "$(map_state "$bar")" = IsUnMapped ]' "the bar to hide"
got=$(clipboard)
check "with Auto Copy off the clipboard keeps its text (got '$got')" test "$got" = "keep me"
finish
