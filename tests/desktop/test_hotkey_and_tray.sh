#!/usr/bin/env bash
# The global hotkey picks the colour under the pointer; the tray icon brings a hidden bar back;
# Exit from the main menu ends the program; a hotkey another program holds is refused quietly.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
start_tray

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\ncopyas=HEX with #\r\n' \
    >"$user_folder/set.set"
start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"
xdotool mousemove --sync 700 600
was=$(clipboard)
xdotool key super+q
poll 5 '[ "$(clipboard)" != "$was" ]'
got=$(clipboard)
check "the hotkey copies the colour under the pointer (got '$got')" test "$got" = "#336699"

# The tray icon sits in trayer's panel.
tray_icon() {
    xdotool search --classname tintwell 2>/dev/null | while read -r w; do
        read -r width height <<<"$(window_size "$w")"
        [ "$width" -le 32 ] && [ "$height" -le 32 ] && echo "$w"
    done | head -n 1
}
icon=
poll 4 'icon=$(tray_icon); [ -n "$icon" ]'
check "the tray icon shows in the tray" test -n "$icon"

xdotool windowfocus --sync "$bar" key Escape
check "Esc hides the bar" poll 5 bar_hidden
if [ -n "$icon" ]; then
    read -r ix iy <<<"$(window_position "$icon")"
    xdotool mousemove --sync $((ix + 5)) $((iy + 5)) click 1
fi
check "a click on the tray icon shows the bar again" bar_shows

# Exit from the main menu: a right-click on the title opens it; Exit is its last item.
bar=$(wait_for_bar)
read -r left top <<<"$(window_position "$bar")"
xdotool mousemove --sync $((left + 15)) $((top + 12)) click 3
wait_for 5 menu_shows "the main menu"
xdotool key --delay 100 Up Return
check "Exit from the main menu ends the program" wait_for_exit "$twl_pid" 10
check "the hotkey's colour was added as slot 1" \
    bash -c "head -n 1 '$user_folder/colorset.dat' | grep -qx \$'\\\$00996633\\r'"
check "set.set is written at exit" grep -qx $'firstrun=0\r' "$user_folder/set.set"

# With Auto Copy off the hotkey adds nothing.
lines_before=$(wc -l <"$user_folder/colorset.dat")
sed -i 's/^captureandcopy=1/captureandcopy=0/' "$user_folder/set.set"
start_program
bar=$(wait_for_bar)
# The hotkey brings a hidden bar back: once it shows again, the key has been handled.
xdotool windowfocus --sync "$bar" key Escape
wait_for 5 '[ "$(map_state "$bar")" = IsUnMapped ]' "Esc to hide the bar"
xdotool key super+q
wait_for 5 '[ "$(map_state "$bar")" = IsViewable ]' "the hotkey to bring the bar back"
check "closing ends the program" close_program
check "with Auto Copy off the hotkey adds nothing" \
    test "$(wc -l <"$user_folder/colorset.dat")" = "$lines_before"

# Another program holds the hotkey: the program starts all the same and the key does nothing.
python3 "$(dirname "$0")/grab_key.py" q 64 >"$work/grab.log" 2>&1 &
started_pids+=($!)
wait_for 5 'grep -qs grabbed "$work/grab.log"' "grab_key.py to hold the hotkey"
sed -i 's/^captureandcopy=0/captureandcopy=1/' "$user_folder/set.set"
start_program
check "the program starts though another program holds its hotkey" bar_shows
xdotool key super+q
wait_for 5 'grep -qs pressed "$work/grab.log"' "the hotkey to reach grab_key.py"
check "the program still runs" kill -0 "$twl_pid"
check "closing ends the program again" close_program
check "the held hotkey added nothing" test "$(wc -l <"$user_folder/colorset.dat")" = "$lines_before"
finish
