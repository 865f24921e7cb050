#!/usr/bin/env bash
# The HTML quick reference from the main menu: it opens with the Characters section, a click on
# an entity copies the entity as written, a header opens its section and resizes the window,
# and the place it was left at is in set.set after exit.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program_and_bar

# The main menu on the title; "HTML Quick Reference" is its sixth item.
xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
poll 5 menu_shows
xdotool key --delay 100 Down Down Down Down Down Down Return
window=$(wait_for_window '^Quick Reference$')
[ -n "$window" ] || fail "the bar's HTML Quick Reference item shows no window named Quick Reference"
check "the window is 204 wide, 166 + 207 high with Characters open" \
    test "$(window_size "$window")" = "204 373 "
read -r wx wy <<<"$(window_position "$window")"

# The sections start 30 below the window's top and 10 from its left, 24 apart while closed;
# the Characters' rows are 16 apart under their 17-pixel header, "&amp;" is the fifth.
printf 'unchanged' | xclip -selection clipboard 2>/dev/null
wait_for 5 '[ "$(clipboard)" = unchanged ]' "xclip to hold the clipboard"
xdotool mousemove --sync $((wx + 10 + 16)) $((wy + 30 + 7 * 24 + 17 + 4 * 16 + 6)) click 1
poll 5 '[ "$(clipboard)" != unchanged ]'
got=$(clipboard)
check "a click on &amp; copies the entity as written (got '$got')" test "$got" = "&amp;"

# " + Lists", the fourth header: the window becomes 118 + 207 high.
xdotool mousemove --sync $((wx + 10 + 30)) $((wy + 30 + 3 * 24 + 8)) click 1
poll 5 '[ "$(window_size "$window")" = "204 325 " ]'
check "opening Lists makes the window 325 high" test "$(window_size "$window")" = "204 325 "
read -r nx ny <<<"$(window_position "$window")"
check "the window keeps its place as it shrinks ($nx,$ny)" test "$nx $ny" = "$wx $wy"
# "<ul></ul>", Lists' second entry: two lines and a 7-pixel gap below the first.
xdotool mousemove --sync $((wx + 10 + 16)) $((wy + 30 + 3 * 24 + 17 + 33 + 6)) click 1
poll 5 '[ "$(clipboard)" = "<ul></ul>" ]'
check "a click on <ul></ul> copies it (got '$(clipboard)')" test "$(clipboard)" = "<ul></ul>"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key Escape
poll 5 '[ "$(map_state "$window")" != IsViewable ]'
check "Esc closes the window" test "$(map_state "$window")" != IsViewable
close_program
check "QRefTop is written at exit" grep -q $'^QRefTop='"$wy"$'\r$' "$user_folder/set.set"
check "QRefLeft is written at exit" grep -q $'^QRefLeft='"$wx"$'\r$' "$user_folder/set.set"
finish
