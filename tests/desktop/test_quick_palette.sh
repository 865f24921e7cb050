#!/usr/bin/env bash
# The Quick Color Palette from the main menu: a named colour found through the search box and
# added with Ctrl+Enter, and a click on the web-safe grid's red cell; both are in colorset.dat
# after exit.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
start_program_and_bar

# Opens the main menu with a right-click on the title and presses the keys given.
main_menu() {
    xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
    sleep 0.5
    xdotool key --delay 100 "$@"
    sleep 0.5
}

main_menu Down Down Down Return
quick=$(xdotool search --onlyvisible --name '^Quick Color Palette$' | head -n 1)
check "\"Named Colors\" shows the window" test -n "$quick"
read -r qx qy <<<"$(window_position "$quick")"

# The search box, then the list's first row, then Ctrl+Enter.
xdotool mousemove --sync $((qx + 3 + 73 + 20)) $((qy + 27 + 229 + 7)) click 1
sleep 0.3
xdotool type --delay 50 "TOMATO"
sleep 0.3
xdotool mousemove --sync $((qx + 3 + 6 + 30)) $((qy + 27 + 8)) click 1
sleep 0.3
# Ctrl is still held when Return comes up, as a hand holds it.
xdotool keydown ctrl sleep 0.1 key Return sleep 0.1 keyup ctrl
sleep 0.3

# The palette mode; the web-safe picture starts at (12, 134) in the window, red is column 0,
# row 6.
main_menu Down Down Return
xdotool mousemove --sync $((qx + 12 + 4)) $((qy + 134 + 9 * 6 + 5)) click 1
sleep 0.3
xdotool mousemove --sync $((qx + 12 + 9)) $((qy + 134 + 20)) click 1
sleep 0.3

check "the program ends" close_program
palette=$user_folder/colorset.dat
check "the red cell's colour is slot 1" bash -c "sed -n 1p '$palette' | grep -qx \$'clRed\\r'"
check "tomato, the filter's only match, is slot 2" \
    bash -c "sed -n 2p '$palette' | grep -qx \$'\\\$004763FF\\r'"
finish
