#!/usr/bin/env bash
# Which of the program's windows a pick sees: a pick started on the magnified picture takes a
# palette slot's colour from the bar; a drag from the bar's own button never sees the bar. The
# Eye Dropper's bold title is drawn with stems two pixels wide, and every window's name is its
# caption alone.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
mkdir -p "$user_folder"
printf '$000000FF\r\n$0000FF00\r\n' >"$user_folder/colorset.dat" # slot 1 red, slot 2 green
start_program_and_bar
bar_height() { window_size "$bar" | cut -d ' ' -f 2 | grep . || echo 0; }
slot1_x=$((left + 21)) slot1_y=$((top + 65)) # the middle of slot 1's swatch

# Presses key on window and prints the id of the window named name that it shows.
key_shows() { # key_shows WINDOW KEY NAME
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    xdotool key --delay 80 "$2"
    wait_for_window "^$3\$"
}

# Moves the held pointer in a few steps, resting at each for the Eye Dropper's ticks (50 ms).
drag_to() { # drag_to X Y
    local step
    for step in 3 2 1 0; do
        xdotool mousemove --sync $(($1 + step * 20)) $(($2 + step * 10))
        sleep 0.15
    done
    sleep 0.2
}

eye=$(key_shows "$bar" F4 'Eye Dropper')
check "F4 shows the Eye Dropper" test -n "$eye"
poll 5 '[ "$(window_size "$eye")" = "313 378 " ]'
read -r eye_x eye_y <<<"$(window_position "$eye")"

# A pick started on the magnified picture (at (12, 29) in the window) released over slot 1.
height=$(bar_height)
xdotool mousemove --sync $((eye_x + 150)) $((eye_y + 150)) mousedown 1
drag_to "$slot1_x" "$slot1_y"
xdotool mouseup 1
poll 5 '[ "$(bar_height)" -gt "$height" ]'

# A drag from the bar's eye-dropper button over the desktop, released over slot 1.
height=$(bar_height)
xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
drag_to 700 600
sleep 0.6 # a few more ticks over the desktop, for a slow machine
drag_to "$slot1_x" "$slot1_y"
xdotool mouseup 1
poll 5 '[ "$(bar_height)" -gt "$height" ]'

# The title's silver letters on the dark title picture: the width of every horizontal run of
# ink, as "narrowest count".
title_stems() {
    xdotool mousemove 700 600
    import -window root -crop "120x14+$((eye_x + 11))+$((eye_y + 4))" -depth 8 txt:- 2>/dev/null |
        awk -F '[,:() ]+' 'NR > 1 {
            ink = ($3 + $4 + $5) / 3 > 150
            if ($1 == 0 || !ink) { if (run) { n++; if (!min || run < min) min = run }; run = 0 }
            if (ink) run++
        }
        END { if (run) { n++; if (!min || run < min) min = run }; print min + 0, n + 0 }'
}
read -r narrowest runs <<<"$(title_stems)"
check "the Eye Dropper's bold title has stems two pixels wide (narrowest $narrowest of $runs)" \
    test "$narrowest" -ge 2 -a "$runs" -gt 30

# Each window's X name is its caption alone.
check "the bar is named \"TWL\"" test "$(xdotool getwindowname "$bar")" = TWL
check "the Eye Dropper is named \"Eye Dropper\"" \
    test "$(xdotool getwindowname "$eye")" = "Eye Dropper"
for entry in "F7:Color Properties" "F5:Quick Color Palette" "F6:Test Layouts" "F3:Options"; do
    window=$(key_shows "$bar" "${entry%%:*}" "${entry#*:}")
    check "${entry%%:*} shows a window named exactly \"${entry#*:}\"" test -n "$window"
done

check "the program ends" close_program
palette=$(tr -d '\r' <"$user_folder/colorset.dat" | head -n 4 | tr '\n' ' ')
check "the pick from the picture took slot 1's red; the drag from the bar took the desktop ($palette)" \
    test "$palette" = '$00996633 clRed $000000FF $0000FF00 '
finish
