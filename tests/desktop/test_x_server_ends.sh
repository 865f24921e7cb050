#!/usr/bin/env bash
# Colours reach colorset.dat a second after they are added, with no exit; and when the X server
# goes away the program ends without a crash and leaves every file whole.
source "$(dirname "$0")/lib.sh"
start_desktop
xvfb_pid=${started_pids[0]}

mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=0\r\n' >"$user_folder/set.set"
start_program
bar=$(wait_for_bar)
printf '#FF0000\n336699\n' | xclip -selection clipboard 2>/dev/null
wait_for 5 '[ "$(clipboard)" = "$(printf "#FF0000\n336699")" ]' "xclip to hold the clipboard"
xdotool windowfocus --sync "$bar" key ctrl+v
check "the pasted colours are saved while the program runs" \
    poll 10 '[ "$(head -n 1 "$user_folder/colorset.dat" 2>/dev/null)" = $'"'"'clRed\r'"'"' ]'

kill -9 "$xvfb_pid"
check "the program ends when the X server goes away" wait_for_exit "$twl_pid" 10
wait "$twl_pid"
status=$?
check "it ends by itself, not by a signal (status $status)" test "$status" -lt 128
check "no crash report" bash -c "! grep -qiE 'segmentation|abort|sanitizer|core dumped|error report' '$work/program.log'"
check "colorset.dat is whole: 14 lines, each ending in CR LF" \
    test "$(grep -c $'\r$' "$user_folder/colorset.dat")" = 14
check "colorset.dat holds the pasted colours on top" \
    test "$(sed -n 2p "$user_folder/colorset.dat" | tr -d '\r')" = '$00996633'
check "set.set is whole" grep -qx $'program=twl\r' "$user_folder/set.set"
check "no temporary file is left" bash -c "! ls '$user_folder' | grep -q tmp"
finish
