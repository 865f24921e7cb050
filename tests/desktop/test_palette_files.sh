#!/usr/bin/env bash
# Palette files of other programs through the real menus and dialogs: the twelve colours of a
# fresh palette saved as .gpl and .ase and opened again come back in order; files dragged from a
# file manager onto the bar add their colours in order; a truncated .ase shows one message and adds
# nothing, as --import says on the command line.
source "$(dirname "$0")/lib.sh"
helpers=$(dirname "$program")
start_desktop
mkdir -p "$work/out"
start_program_and_bar
palette() { "$program" --palette 2>/dev/null; }
wait_for 10 '[ "$(palette | wc -l)" = 12 ]' "the twelve colours of a fresh palette"
twelve=$(palette)

main_menu() {
    xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
    wait_for 5 menu_shows "the main menu"
    xdotool key --delay 100 "$@"
}
# Types the path into the dialog named $1 once it has the keyboard, and confirms.
answer_dialog() { # answer_dialog NAME PATH
    local title=$1 dialog=
    wait_for 10 'dialog=$(xdotool search --onlyvisible --name "^$title" | head -n 1)
                 [ -n "$dialog" ] && [ "$(xdotool getwindowfocus)" = "$dialog" ]' \
        "the $title dialog to take the keyboard"
    xdotool key --delay 50 ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key --delay 80 Return
}
# "Save Palette as" is the tenth item; GIMP Palette the third of it, Adobe Swatch Exchange the
# fourth. "Open Palette..." follows it.
main_menu Down Down Down Down Down Down Down Down Down Down Right Down Down Return
answer_dialog 'Save As' "$work/out/twelve.gpl"
wait_for 10 '[ -s "$work/out/twelve.gpl" ]' "the .gpl file"
check "the .gpl file starts as GIMP's do" test "$(head -n 1 "$work/out/twelve.gpl")" = "GIMP Palette"
main_menu Down Down Down Down Down Down Down Down Down Down Right Down Down Down Return
answer_dialog 'Save As' "$work/out/twelve.ase"
wait_for 10 '[ -s "$work/out/twelve.ase" ]' "the .ase file"

# A palette of one other colour, then each file opened in turn puts its twelve on top.
close_program
printf '$00010101\r\n' >"$user_folder/colorset.dat"
start_program_and_bar
for file in twelve.gpl twelve.ase; do
    main_menu Down Down Down Down Down Down Down Down Down Down Down Return
    answer_dialog 'Open' "$work/out/$file"
    wait_for 10 '[ "$(palette | head -n 12)" = "$twelve" ]' "the colours of $file on top"
    check "$file opened gives the twelve colours in order" test "$(palette | head -n 12)" = "$twelve"
done
check "the palette holds the files' colours and the one before, at most twenty" \
    test "$(palette | wc -l)" = 20

# A file manager's drag of two files onto the bar.
printf '#102030\r\n' >"$work/out/one.cll"
printf '["#405060", "rgb(7 8 9)"]\n' >"$work/out/two.json"
"$helpers/twl_drag_source" 900 700 "$work/out/one.cll" "$work/out/two.json" &
started_pids+=($!)
source_window=$(wait_for_window '^twl drag source$')
[ -n "$source_window" ] || fail "the drag source shows no window"
xdotool mousemove --sync 950 750 mousedown 1
for step in 4 3 2 1 0; do
    xdotool mousemove --sync $((left + 20 + step * 100)) $((top + 12 + step * 50))
    sleep 0.15
done
xdotool mouseup 1
wait_for 10 'palette | head -n 1 | grep -qx "#102030"' "the dropped files' colours"
check "the dropped files add their colours in order, the first on top" \
    test "$(palette | head -n 3 | tr '\n' ' ')" = "#102030 #405060 #070809 "

# A truncated .ase: one message box, the palette as it was.
before=$(palette)
head -c 60 "$work/out/twelve.ase" >"$work/out/cut.ase"
main_menu Down Down Down Down Down Down Down Down Down Down Down Return
answer_dialog 'Open' "$work/out/cut.ase"
poll 10 '[ "$(xdotool search --onlyvisible --name "^TWL$" | wc -l)" -ge 2 ]'
check "a truncated .ase shows a message box beside the bar" \
    test "$(xdotool search --onlyvisible --name '^TWL$' | wc -l)" -ge 2
xdotool key --delay 80 Return
check "the truncated file adds nothing" test "$(palette)" = "$before"
message=$("$program" --import "$work/out/cut.ase" 2>&1)
status=$?
check "--import names the file and the damage, exit status 2 (got $status: $message)" \
    test "$status" = 2 -a "$message" = "tintwell: Cannot read palette file 'cut.ase': block 2 runs past the end of the file."
"$program" --import "$work/out/twelve.gpl"
check "--import of the .gpl puts its twelve on top" test "$(palette | head -n 12)" = "$twelve"
finish
