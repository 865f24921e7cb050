#!/usr/bin/env bash
# The program starts as a borderless 42-pixel bar, and closing it writes the settings file.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"

width=$(window_info "$bar" | sed -nE 's/^ *Width: ([0-9]+)/\1/p')
check "the bar is 42 pixels wide (got $width)" test "$width" = 42
position=$(window_info "$bar" | sed -nE 's/^ *Absolute upper-left (X|Y): +(-?[0-9]+)/\2/p' | tr '\n' ,)
check "the bar stands at its built-in place 395,209 (got $position)" test "$position" = 395,209,
extents=$(xprop -id "$bar" _NET_FRAME_EXTENTS 2>/dev/null)
check "the window manager draws no frame ($extents)" \
    bash -c "[[ '$extents' == *'= 0, 0, 0, 0' || '$extents' == *'not found'* ]]"

check "closing the bar ends the program" close_program
settings=$user_folder/set.set
check "set.set is written" test -f "$settings"
check "set.set has the 45 lines of a save" test "$(wc -l <"$settings")" = 45
check "the first run is over" grep -qx $'firstrun=0\r' "$settings"
check "lines end in CR LF" grep -qx $'program=twl\r' "$settings"
check "the bar's place is saved" grep -qx $'top=209\r' "$settings"
check "the bar's left is saved" grep -qx $'left=395\r' "$settings"
finish
