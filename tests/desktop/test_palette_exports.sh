#!/usr/bin/env bash
# The palette leaves the program through the real menus: .aco and .cll files through the real
# save dialog, HEX text and a swatch picture on the X clipboard, and with Auto Copy and
# "AutoCopySwatch" on a hotkey pick offers its text and its swatch together.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'

mkdir -p "$user_folder" "$work/out"
printf '$00563412\r\nclWhite\r\n$000A0500\r\n' >"$user_folder/colorset.dat"
printf 'program=twl\r\ncaptureandcopy=1\r\nACopyonHotkey=1\r\nAutoCopySwatch=1\r\ncopyas=HEX with #\r\n' \
    >"$user_folder/set.set"
start_program_and_bar

# Opens the main menu with a right-click on the title and presses the keys given.
main_menu() {
    # No --sync: it waits for a move that does not come when the pointer is there already; the
    # pause lets the pointer come to rest on the title before the click.
    xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
    wait_for 5 menu_shows "the main menu"
    xdotool key --delay 100 "$@"
}
# How many "Save As" windows show: the dialog, and its question before replacing a file.
save_windows() { xdotool search --onlyvisible --name '^Save As' 2>/dev/null | wc -l; }
# Answers the save dialog: types the name (when given) and confirms.
save_as() {
    local dialog=
    wait_for 10 'dialog=$(xdotool search --onlyvisible --name "^Save As" | head -n 1)
                 [ -n "$dialog" ] && [ "$(xdotool getwindowfocus)" = "$dialog" ]' \
        "the Save As dialog to take the keyboard"
    [ -n "$1" ] && xdotool key --delay 50 ctrl+a && xdotool type --delay 20 "$1"
    xdotool key --delay 80 Return
}
clipboard() { xclip -o -selection clipboard "$@" 2>/dev/null; }

main_menu c h
poll 5 'clipboard | grep -q 00050A'
check "Copy Palette as > HEX gives the lines with CR LF after each" \
    test "$(clipboard | od -An -c | tr -s ' \n' ' ')" = \
    "$(printf '123456\r\nFFFFFF\r\n00050A\r\n' | od -An -c | tr -s ' \n' ' ')"

main_menu c Return
poll 5 'clipboard -t TARGETS | grep -qx image/png'
clipboard -t image/png >"$work/swatches.png"
check "Copy Palette as > Color Swatches offers a 109 x 50 PNG" \
    test "$(identify -format '%wx%h' "$work/swatches.png" 2>/dev/null)" = 109x50
check "the first square holds the first colour" \
    test "$(convert "$work/swatches.png" -crop 1x1+2+20 -depth 8 txt:- | sed -nE '2s/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p')" = 18,52,86

# Save Palette as (10 items down) > Color Swatches > Photoshop Swatches (the fourth).
main_menu Down Down Down Down Down Down Down Down Down Down Right Right Down Down Down Return
save_as "$work/out/palette.aco"
poll 10 '[ -s "$work/out/palette.aco" ]'
printf '\x00\x01\x00\x03\x00\x00\x12\x12\x34\x34\x56\x56\x00\x00\x00\x00\xff\xff\xff\xff\xff\xff\x00\x00\x00\x00\x00\x00\x05\x05\x0a\x0a\x00\x00' \
    >"$work/expected.aco"
check "the .aco file holds the palette's bytes" cmp -s "$work/out/palette.aco" "$work/expected.aco"
"$program" --export "$work/out/command-line.aco"
check "--export to .aco writes the menu's bytes" cmp -s "$work/out/command-line.aco" "$work/out/palette.aco"

# Again: the dialog keeps the name, and asks before replacing the file; "No" keeps it.
printf 'old' >"$work/out/palette.aco"
main_menu Down Down Down Down Down Down Down Down Down Down Right Right Down Down Down Return
save_as ""
wait_for 10 '[ "$(save_windows)" -ge 2 ]' "the question before replacing the file"
xdotool key --delay 80 n
wait_for 10 '[ "$(save_windows)" -eq 1 ]' "the question to go"
xdotool key --delay 80 Escape
wait_for 10 '[ "$(save_windows)" -eq 0 ]' "the dialog to close"
check "refusing to replace keeps the old file" test "$(cat "$work/out/palette.aco")" = old
main_menu Down Down Down Down Down Down Down Down Down Down Right Right Down Down Down Return
save_as ""
wait_for 10 '[ "$(save_windows)" -ge 2 ]' "the question before replacing the file"
xdotool key --delay 80 y
poll 10 'cmp -s "$work/out/palette.aco" "$work/expected.aco"'
check "agreeing replaces it" cmp -s "$work/out/palette.aco" "$work/expected.aco"

# Save Palette as > VT Orlin Color List...; a name typed without extension gets ".cll".
main_menu Down Down Down Down Down Down Down Down Down Down Right Down Return
save_as "$work/out/list"
poll 10 '[ -s "$work/out/list.cll" ]'
check "the .cll file holds #RRGGBB lines with CR LF" \
    test "$(od -An -c "$work/out/list.cll" | tr -s ' \n' ' ')" = \
    "$(printf '#123456\r\n#FFFFFF\r\n#00050A\r\n' | od -An -c | tr -s ' \n' ' ')"

# A hotkey pick with Auto Copy and the swatch on: text and picture in one offer.
xdotool mousemove --sync 700 600
xdotool key super+q
poll 5 '[ "$(clipboard)" = "#336699" ]'
targets=$(clipboard -t TARGETS)
check "the pick offers text (got '$(clipboard)')" test "$(clipboard)" = "#336699"
check "the pick offers image/png too" grep -qx image/png <<<"$targets"
clipboard -t image/png >"$work/pick.png"
check "the picked colour's swatch is 37 x 50" \
    test "$(identify -format '%wx%h' "$work/pick.png" 2>/dev/null)" = 37x50

check "the program ends" close_program
check "the palette is untouched by the exports" \
    test "$(head -n 3 "$user_folder/colorset.dat" | tail -n 2 | tr -d '\r' | tr '\n' ' ')" = '$00563412 clWhite '
finish
