#!/usr/bin/env bash
# The command line for scripts and key bindings: --pick through the screen pick overlay, alone and
# through the running bar, exact to the pixel at scales 1 and 2 and with the arrow keys;
# --add, --palette, --show and --quit; and clients of the bar's socket that misbehave.
source "$(dirname "$0")/lib.sh"
start_desktop
xsetroot -solid '#336699'
printf '#define c_width 2\n#define c_height 2\nstatic char c_bits[] = {\n  0x01, 0x02, };\n' \
    >"$work/checker.xbm"

overlay_shows() { xdotool search --onlyvisible --name '^Pick a colour$' >/dev/null 2>&1; }
# Starts `tintwell --pick ARGS...` in the background, its output going to $work/pick.out, and
# waits for the overlay.
start_pick() {
    "$program" --pick "$@" >"$work/pick.out" 2>>"$work/program.log" &
    pick_pid=$!
    started_pids+=($pick_pid)
    wait_for 10 overlay_shows "the screen pick overlay"
}
# Waits for the pick to end; its exit status is in $pick_status.
end_pick() {
    wait "$pick_pid"
    pick_status=$?
}
listing() { find "$XDG_CONFIG_HOME" -type f -printf '%p %s %T@\n' 2>/dev/null | sort; }
# The checkerboard's colour at (x, y): (x + y) even red, odd blue.
checker_at() { [ $((($1 + $2) % 2)) -eq 0 ] && echo '#FF0000' || echo '#0000FF'; }
# Picks at each "X Y [KEYS]" point: the pointer goes to (X, Y), KEYS move it on, a click picks;
# the value printed must be the checkerboard's at (EX, EY), the point the keys lead to.
checker_overlay_picks() { # LABEL "X Y EX EY [KEYS...]"...
    local label=$1 point x y ex ey keys expected
    shift
    for point in "$@"; do
        read -r x y ex ey keys <<<"$point"
        expected=$(checker_at "$ex" "$ey")
        start_pick
        xdotool mousemove --sync "$x" "$y"
        [ -n "$keys" ] && xdotool key --delay 60 $keys
        xdotool sleep 0.2 click 1
        end_pick
        check "$label: at ($x, $y)${keys:+ then $keys} the overlay picks ($ex, $ey), $expected (got $(cat "$work/pick.out"))" \
            test "$pick_status" = 0 -a "$(cat "$work/pick.out")" = "$expected"
    done
}

# No bar: the command picks by itself and writes no file.
before=$(listing)
start_pick
xdotool mousemove --sync 300 300 sleep 0.2 click 1
end_pick
check "alone, a click on the overlay prints #336699 and exits 0" \
    test "$pick_status" = 0 -a "$(cat "$work/pick.out")" = '#336699'
check "alone, the pick wrote no file" test "$before" = "$(listing)"
start_pick
xdotool key Escape
end_pick
check "Esc cancels: exit 1 and no output" test "$pick_status" = 1 -a ! -s "$work/pick.out"
xsetroot -bitmap "$work/checker.xbm" -fg '#FF0000' -bg '#0000FF'
checker_overlay_picks "alone at 1" "101 203 101 203" "102 203 102 203" \
    "500 500 501 500 Right" "500 500 500 510 shift+Down" "1279 1023 1279 1023"
xsetroot -solid '#336699'

# No bar: --add writes the palette file whole, the first colour on top.
"$program" --add '#00ff00' '#0000FF'
check "alone, --add puts the colours on top of colorset.dat" \
    test "$(head -n 2 "$user_folder/colorset.dat" | od -An -c | tr -s ' \n' ' ')" = \
    "$(printf 'clLime\r\nclBlue\r\n' | od -An -c | tr -s ' \n' ' ')"

# With the bar running, a pick joins its palette and follows the automatic copy.
mkdir -p "$user_folder"
printf 'program=twl\r\ncaptureandcopy=1\r\ncopyas=RGB\r\n' >"$user_folder/set.set"
printf 'clWhite\r\n$00000080\r\n' >"$user_folder/colorset.dat"
start_program_and_bar
start_pick
xdotool mousemove --sync 600 700 sleep 0.2 click 1
end_pick
check "through the bar, the pick prints the copyas format's value" \
    test "$pick_status" = 0 -a "$(cat "$work/pick.out")" = 'RGB(51,102,153)'
check "the palette grew by exactly the picked colour" \
    test "$("$program" --palette | tr '\n' ' ')" = '#336699 #FFFFFF #800000 '
check "the automatic copy put the value on the clipboard" test "$(clipboard)" = 'RGB(51,102,153)'
start_pick --format 'hex with #'
xdotool key Escape
end_pick
check "Esc through the bar: exit 1, no output" test "$pick_status" = 1 -a ! -s "$work/pick.out"
check "a cancelled pick adds nothing" test "$("$program" --palette | wc -l)" = 3

"$program" --add '#ff0000' 'RGB(0,255,0)'
check "--add exits 0" test $? = 0
check "--add puts red on top of green" \
    test "$("$program" --palette --format RGB | head -n 2 | tr '\n' ' ')" = \
    'RGB(255,0,0) RGB(0,255,0) '
"$program" --add '#0000ff' bogus 2>"$work/add.err"
check "--add with a text that is no colour exits 2" test $? = 2
check "the message names the text" grep -q '"bogus"' "$work/add.err"
check "nothing at all was added" test "$("$program" --palette | wc -l)" = 5
"$program" --palette --format Nonesuch 2>"$work/format.err"
check "an unknown --format exits 2" test $? = 2
check "the message lists the formats" grep -qx '  HEX with #' "$work/format.err"

# Clients that misbehave: a 10 MB request, binary junk, and one that connects and says nothing.
socket=$(ls "$XDG_RUNTIME_DIR"/tintwell-*.socket)
python3 - "$socket" <<'PY' &
import socket, sys, time
def client(data):
    s = socket.socket(socket.AF_UNIX)
    s.connect(sys.argv[1])
    try:
        s.sendall(data)
        s.settimeout(10)
        s.recv(4096)
    except OSError:
        pass
    s.close()
silent = socket.socket(socket.AF_UNIX)
silent.connect(sys.argv[1])
client(b"TWL1 add\n" + b"A#ff00ff\n" * 1200000)
client(bytes(range(256)) * 64)
client(b"TWL1 add\nA#ff00ff\n")  # truncated: no end line, then the connection ends
time.sleep(7)
silent.close()
PY
hostile=$!
started_pids+=($hostile)
sleep 1
check "while a silent client waits, the bar still answers" \
    test "$("$program" --palette | wc -l)" = 5
wait "$hostile"
check "after the hostile clients the bar still runs" kill -0 "$twl_pid"
check "and they changed nothing" test "$("$program" --palette | wc -l)" = 5
check "--show with a bar running exits 0" "$program" --show

"$program" --quit
check "--quit exits 0" test $? = 0
check "--quit ends the bar" wait_for_exit "$twl_pid" 10
check "--quit saved the palette as an exit does" \
    test "$(head -n 2 "$user_folder/colorset.dat" | tr -d '\r' | tr '\n' ' ')" = 'clRed clLime '
"$program" --show 2>/dev/null
check "--show with no bar running exits 1" test $? = 1

# The bar at a scale of 2 runs the overlay on the server's pixels.
printf 'program=twl\r\nsampling=0\r\ncopyas=HEX with #\r\n' >"$user_folder/set.set"
QT_SCALE_FACTOR=2 start_program
bar=$(wait_for_window '^TWL$')
check "at 2 the bar appears" test -n "$bar"
sleep 1
xsetroot -bitmap "$work/checker.xbm" -fg '#FF0000' -bg '#0000FF'
checker_overlay_picks "through the bar at 2" "101 203 101 203" "102 203 102 203" \
    "700 401 699 401 Left" "1279 1023 1279 1023"
finish
