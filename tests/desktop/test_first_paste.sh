#!/usr/bin/env bash
# The first key after a click on a title: with a fresh configuration folder, a left click on the
# bar's title and Ctrl+V paste the clipboard's colour the first time, as they do every time
# after; so does Ctrl+C after a click on a tool window's title.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program_and_bar
palette() { "$program" --palette 2>/dev/null; }
printf '#ff0000\n' | xclip -selection clipboard -i 2>/dev/null
wait_for 5 '[ "$(xclip -o -selection clipboard 2>/dev/null)" = "#ff0000" ]' "xclip to hold the clipboard"
before=$(palette | wc -l)

xdotool mousemove --sync $((left + 15)) $((top + 12)) click 1
sleep 0.5
check "the bar has the focus after the click" test "$(xdotool getwindowfocus)" = "$bar"
xdotool key ctrl+v
poll 5 '[ "$(palette | head -n 1)" = "#FF0000" ]'
check "the first Ctrl+V after a click on the title pastes (top: $(palette | head -n 1))" \
    test "$(palette | head -n 1)" = "#FF0000"
check "it pastes one colour" test "$(palette | wc -l)" = $((before + 1))

xdotool key F8
window=$(wait_for_window '^Contrast$')
read -r wx wy <<<"$(window_position "$window")"
xdotool mousemove --sync $((wx + 40)) $((wy + 10)) click 1
sleep 0.5
xdotool key ctrl+c
poll 5 'xclip -o -selection clipboard 2>/dev/null | grep -q "^Contrast ratio"'
check "the first Ctrl+C after a click on the Contrast window's title copies its report" \
    test "$(xclip -o -selection clipboard 2>/dev/null | head -n 1)" = "Text: #FF0000"
finish
