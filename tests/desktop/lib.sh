# Shared by the desktop tests: a private X server with a window manager, the program under test
# with its own configuration folder, and small checks. Each test cleans up only what it started.
# Usage: source lib.sh; start_desktop; ...; finish

set -u
program=${1:?usage: test_x.sh PATH-TO-tintwell}
work=$(mktemp -d /tmp/twl-desktop.XXXXXX)
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
user_folder=$XDG_CONFIG_HOME/Vantrel/TWL
started_pids=()
failures=0

cleanup() {
    local pid
    for pid in "${started_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    if ! poll 2 all_ended; then
        for pid in "${started_pids[@]}"; do
            kill -9 "$pid" 2>/dev/null
        done
    fi
    rm -rf "$work"
}

# True once every process the test started has ended.
all_ended() {
    local pid
    for pid in "${started_pids[@]}"; do
        ! kill -0 "$pid" 2>/dev/null || return 1
    done
}
trap cleanup EXIT

# Runs the shell command $2 every 0.05 s until it succeeds; false if it still fails after $1
# (whole) seconds. The command is evaluated anew each time, so it may read windows and files.
# Before a check of what it waits for, a timeout is left to the check to report.
poll() {
    local poll_end=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
    until eval "$2"; do
        [ "${EPOCHREALTIME//[!0-9]/}" -lt "$poll_end" ] || return 1
        sleep 0.05
    done
}

# As poll, but running out of time fails the test at once: for the steps the rest depends on.
wait_for() { # wait_for SECONDS 'command' ['what it waits for']
    poll "$1" "$2" || fail "gave up after $1 s waiting for ${3:-$2}"
}

# Waits up to 10 s for a process started in the background to be ready; the test fails if it
# ends first or is not ready in time.
wait_started() { # wait_started PID NAME 'ready-command'
    wait_for 10 "$3 || ! kill -0 $1 2>/dev/null" "$2 to start"
    kill -0 "$1" 2>/dev/null || fail "$2 ended as it started"
}

# Starts Xvfb on a free display (it picks the number itself) and openbox on it.
start_desktop() {
    local fd_file=$work/display
    # -noreset: the root keeps its colour when the last client leaves.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" \
        2>"$work/xvfb.log" &
    started_pids+=($!)
    wait_started $! Xvfb '[ -s "$fd_file" ]'
    export DISPLAY=:$(head -n 1 "$fd_file")
    start_wm
}

# Starts Xorg with the dummy video driver on a free display, and openbox on it: unlike Xvfb it
# has outputs that show as separate monitors. Only the first, 1920 x 1080, is on at the start;
# two_monitors adds the second. Xorg needs root.
start_xorg_desktop() {
    local fd_file=$work/display
    Xorg -displayfd 3 -config "$(dirname "${BASH_SOURCE[0]}")/two_monitors.xorg.conf" -noreset \
        -nolisten tcp -logfile "$work/xorg.log" 3>"$fd_file" 2>/dev/null &
    started_pids+=($!)
    wait_started $! Xorg '[ -s "$fd_file" ]'
    export DISPLAY=:$(head -n 1 "$fd_file")
    xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 || fail "the first monitor cannot be set"
    start_wm
}

# Turns on the second monitor, 1280 x 1024, right of the first: the desktop is 3200 wide.
two_monitors() {
    xrandr --addmode DUMMY1 1280x1024 2>/dev/null
    xrandr --output DUMMY1 --mode 1280x1024 --pos 1920x0 || fail "the second monitor cannot be set"
}

# Starts openbox and waits until it manages the screen.
start_wm() {
    openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    wm_pid=$!
    started_pids+=($wm_pid)
    wait_started "$wm_pid" openbox \
        "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
}

# Starts trayer as a panel at the top right and waits until it shows.
start_tray() {
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        >"$work/trayer.log" 2>&1 &
    started_pids+=($!)
    wait_started $! trayer 'xdotool search --onlyvisible --class trayer >/dev/null 2>&1'
}

# Starts openbox again if it has gone, so the window-manager steps of a test still work.
ensure_wm() {
    if ! kill -0 "$wm_pid" 2>/dev/null; then
        echo "openbox had ended; starting it again"
        start_wm
    fi
}

# Closes the main bar as the window manager's close button would, and waits for the end.
close_program() {
    ensure_wm
    wmctrl -c TWL
    wait_for_exit "$twl_pid" 10
}

# Starts the program in the background; its pid is in $twl_pid.
start_program() {
    "$program" >>"$work/program.log" 2>&1 &
    twl_pid=$!
    started_pids+=($twl_pid)
}

# Starts the program and waits for its bar, which must appear: its id is in $bar, its place in
# $left and $top.
start_program_and_bar() {
    start_program
    bar=$(wait_for_bar)
    check "the main bar appears" test -n "$bar"
    read -r left top <<<"$(window_position "$bar")"
}

# Prints the id of a shown window whose name matches $1, waiting up to 10 s for it.
wait_for_window() {
    local name=$1 id=
    poll 10 'id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
             [ -n "$id" ]'
    [ -n "$id" ] && echo "$id"
}

# Prints the id of the program's main bar once it shows and has been painted, waiting up to
# 10 s for each: keys and clicks reach the program's commands only from its first paint on.
wait_for_bar() {
    local id
    id=$(wait_for_window '^TWL$') && poll 10 'bar_painted "$id"' && echo "$id"
}

# True once the bar has been painted: its left border strip shows grey.
bar_painted() {
    local x y
    read -r x y <<<"$(window_position "$1")"
    [ -n "$y" ] && [ "$(screen_pixel $((x + 3)) $((y + 30)))" = 75,75,75 ]
}

# True once the main bar shows and has been painted.
bar_shows() { wait_for_bar >/dev/null; }

# True while the main bar is not shown.
bar_hidden() { ! xdotool search --onlyvisible --name '^TWL$' 2>/dev/null | grep -q .; }

# True while one of the program's popup menus shows: unlike its other windows, the window
# manager leaves them as children of the root.
menu_shows() { xdotool search --maxdepth 1 --onlyvisible --classname tintwell >/dev/null 2>&1; }

# Waits up to $2 seconds (default 10) for process $1 to end; false if it is still running.
wait_for_exit() { poll "${2:-10}" "! kill -0 $1 2>/dev/null"; }

# Prints the text on the X clipboard.
clipboard() { xclip -o -selection clipboard 2>/dev/null; }

check() { # check "what" command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

# Ends the test as failed.
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
    finish
}

finish() {
    if [ "$failures" -gt 0 ]; then
        local log
        for log in "$work"/*.log; do
            [ -s "$log" ] || continue
            echo "--- ${log##*/}"
            tail -n 40 "$log"
        done
        exit 1
    fi
    exit 0
}

# Prints the colour of screen pixel (x, y) as "R,G,B".
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -nE '2s/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p'
}

# Prints the window's "width height" and "x y".
window_size() { window_info "$1" | sed -nE 's/^ *(Width|Height): ([0-9]+)/\2/p' | tr '\n' ' '; }
window_position() {
    window_info "$1" | sed -nE 's/^ *Absolute upper-left (X|Y): +(-?[0-9]+)/\2/p' | tr '\n' ' '
}
# Prints the window's map state: IsViewable, IsUnMapped or IsUnviewable; nothing if it is gone.
map_state() { window_info "$1" 2>/dev/null | sed -nE 's/^ *Map State: //p'; }
# Without an id xwininfo would wait for a click on a window.
window_info() { [ -n "$1" ] && xwininfo -id "$1"; }

# On a root painted as a checkerboard of one-pixel cells ((x + y) even red, odd blue), the
# hotkey at each "X Y" point copies exactly that pixel's colour; LABEL starts each check.
checker_picks() { # checker_picks LABEL "X Y"...
    local label=$1 point x y expected
    shift
    for point in "$@"; do
        read -r x y <<<"$point"
        expected='#FF0000'
        [ $(((x + y) % 2)) -eq 1 ] && expected='#0000FF'
        xdotool mousemove --sync "$x" "$y" key super+q
        poll 5 '[ "$(clipboard)" = "$expected" ]'
        check "$label the hotkey at ($x, $y) copies the pixel there, $expected (got $(clipboard))" \
            test "$(clipboard)" = "$expected"
    done
}
