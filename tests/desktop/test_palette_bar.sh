#!/usr/bin/env bash
# The bar shows the default palette on the real screen and writes it back at exit; an empty
# palette file gives the bare 65-pixel bar.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#000000'
start_program
bar=$(wait_for_bar)
check "the main bar appears" test -n "$bar"
read -r width height <<<"$(window_size "$bar")"
check "twelve colours make the bar 329 pixels high (got $height)" test "$height" = 329
read -r left top <<<"$(window_position "$bar")"
expected=(255,0,128 255,0,255 128,0,255 0,0,255 0,128,255 0,255,255
          0,255,128 0,255,0 128,255,0 255,255,0 255,128,0 255,0,0)
for n in $(seq 12); do
    x=$((left + 12 + 2 + 7))
    y=$((top + 56 + 22 * (n - 1) + 2 + 7))
    got=$(screen_pixel "$x" "$y")
    check "slot $n shows ${expected[n - 1]} (got $got)" test "$got" = "${expected[n - 1]}"
done
check "slot frames are white around the swatch" test "$(screen_pixel $((left + 13)) $((top + 57)))" = 255,255,255
check "the border strip is grey" test "$(screen_pixel $((left + 3)) $((top + 100)))" = 75,75,75

check "the program ends" close_program
palette=$user_folder/colorset.dat
printf -v want '%s\r\n' '$008000FF' clFuchsia '$00FF0080' clBlue '$00FF8000' clAqua \
    '$0080FF00' clLime '$0000FF80' clYellow '$000080FF' clRed
check "colorset.dat holds the twelve colours in order with CR LF" test "$(cat "$palette")" = "${want%$'\n'}"

: >"$palette"
start_program
bar=$(wait_for_bar)
read -r width height <<<"$(window_size "$bar")"
check "an empty palette gives a 65-pixel bar (got $height)" test "$height" = 65
finish
