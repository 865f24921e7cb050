#!/usr/bin/env bash
# The fonts preview on a real desktop: Ctrl+F on the bar shows it, Esc closes it, and the
# program's exit leaves the sample texts in "fonttextsamples.txt".
source "$(dirname "$0")/lib.sh"
start_desktop

start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"

xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key --delay 80 ctrl+f
window=$(wait_for_window '^RudazA$')
check "Ctrl+F on the bar shows the fonts preview" test -n "$window"
check "its client area is 462 x 479" test "$(window_size "$window")" = "462 479 "

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --delay 80 Escape
check "Esc closes it" poll 10 '[ "$(map_state "$window")" != IsViewable ]'

close_program
samples=$user_folder/fonttextsamples.txt
check "the exit writes fonttextsamples.txt" test -f "$samples"
check "with the six samples, each line ended by CR LF" \
    test "$(grep -c $'\r$' "$samples" 2>/dev/null)" = 6
check "the first of them shows each font by its name" \
    test "$(head -n 1 "$samples" 2>/dev/null)" = $'(Font Name)\r'
finish
