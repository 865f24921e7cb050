#!/usr/bin/env bash
# The Debian package unpacked into a folder of its own, as if installed there: the program
# answers --version and --help without a display, and on a desktop finds its help pages,
# layouts and named colours in ../share/tintwell from itself, keeping its files in --config-dir.
# Usage: test_installed_package.sh PATH-TO-tintwell.deb PROJECT-VERSION
deb=${1:?usage: test_installed_package.sh PACKAGE.deb VERSION}
version=${2:?usage: test_installed_package.sh PACKAGE.deb VERSION}
source "$(dirname "$0")/../desktop/lib.sh" "$deb"

dpkg-deb -x "$deb" "$work/root" || fail "the package unpacks"
program=$work/root/usr/bin/tintwell
data=$work/root/usr/share/tintwell
check "the program is in usr/bin" test -x "$program"
check "its data is in usr/share/tintwell" test -f "$data/namedcolors.txt"

check "--version prints the version without a display" \
    test "$(env -u DISPLAY "$program" --version)" = "Tintwell $version.0"
check "--help names --config-dir" bash -c "env -u DISPLAY '$program' --help | grep -q -- --config-dir"
check "a wrong option ends with status 1" bash -c "! '$program' --no-such-option 2>/dev/null"

# The desktop opens help pages through xdg-open: this one writes down what it was asked.
mkdir -p "$work/path"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/path/xdg-open"
chmod +x "$work/path/xdg-open"
export PATH=$work/path:$PATH

config=$work/portable
user_folder=$config/Vantrel/TWL
mkdir -p "$user_folder"
printf '$000000FF\r\n$0000FF00\r\n$00FF0000\r\n$0000FFFF\r\n$00FF00FF\r\n' >"$user_folder/colorset.dat"
printf 'program=twl\r\nLastTL=vertical-bands.tl\r\nsnapTest=0\r\n' >"$user_folder/set.set"

start_desktop
xsetroot -solid '#336699'
"$program" --config-dir "$config" >>"$work/program.log" 2>&1 &
twl_pid=$!
started_pids+=($twl_pid)
bar=$(wait_for_bar)
check "the installed program shows its bar" test -n "$bar"
read -r left top <<<"$(window_position "$bar")"

# F1: the help index, from the installed data folder.
xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key --delay 80 F1
poll 10 '[ -s "$work/opened" ]'
opened=$(head -n 1 "$work/opened" 2>/dev/null)
check "F1 opens the installed help index (got $opened)" \
    test "$opened" = "file://$data/help/index.htm" -a -f "$data/help/index.htm"

# F6: the shipped layout "Vertical Bands" puts slot n's colour in stripe n.
xdotool windowactivate --sync "$bar" 2>/dev/null || xdotool windowfocus --sync "$bar"
xdotool key --delay 80 F6
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Test Layouts$' | head -n 1)
check "F6 shows the Test Layouts window" test -n "$window"
read -r wleft wtop <<<"$(window_position "$window")"
shown=""
for n in 0 1 2 3 4; do
    shown+="$(screen_pixel $((wleft + 10 + n * 29 + 14)) $((wtop + 27 + 70))) "
done
check "the shipped layout shows the palette (got $shown)" \
    test "$shown" = "255,0,0 0,255,0 0,0,255 255,255,0 255,0,255 "
xdotool key --delay 80 Escape

# "Named Colors" from the main menu: "TOMATO" in the search box, its row, Ctrl+Enter.
xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3 sleep 0.5
xdotool key --delay 100 Down Down Down Return
quick=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quick Color Palette$' | head -n 1)
check "\"Named Colors\" shows the Quick Color Palette" test -n "$quick"
read -r qx qy <<<"$(window_position "$quick")"
xdotool mousemove --sync $((qx + 3 + 73 + 20)) $((qy + 27 + 229 + 7)) click 1 sleep 0.3
xdotool type --delay 50 "TOMATO"
xdotool sleep 0.3 mousemove --sync $((qx + 3 + 6 + 30)) $((qy + 27 + 8)) click 1 sleep 0.3
xdotool keydown ctrl sleep 0.1 key Return sleep 0.1 keyup ctrl sleep 0.3

check "the program ends" close_program
check "tomato, from the installed named colours, is slot 1" \
    bash -c "sed -n 1p '$user_folder/colorset.dat' | grep -qx \$'\\\$004763FF\\r'"
check "the settings are saved in --config-dir" grep -q $'^LastTL=vertical-bands.tl\r$' \
    "$user_folder/set.set"
check "nothing is written to the usual configuration folder" test ! -e "$XDG_CONFIG_HOME/Vantrel"
finish
