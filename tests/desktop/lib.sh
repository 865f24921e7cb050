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
    sleep 0.2
    for pid in "${started_pids[@]}"; do
        kill -9 "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb on a free display (it picks the number itself) and openbox on it.
start_desktop() {
    local fd_file=$work/display
    # -noreset: the root keeps its colour when the last client leaves.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" \
        2>"$work/xvfb.log" &
    started_pids+=($!)
    local i
    for i in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    export DISPLAY=:$(head -n 1 "$fd_file")
    start_wm
}

# Starts openbox and waits until it manages the screen.
start_wm() {
    openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    wm_pid=$!
    started_pids+=($wm_pid)
    local i
    for i in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    echo "openbox did not come up"
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

# Prints the id of the program's visible main bar, waiting up to 10 s for it.
wait_for_bar() {
    local i id
    for i in $(seq 200); do
        id=$(xdotool search --onlyvisible --name '^TWL$' 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# True once the main bar shows (waits up to 10 s).
bar_shows() { wait_for_bar >/dev/null; }

# Waits up to $2 seconds (default 10) for process $1 to end; false if it is still running.
wait_for_exit() {
    local i limit=$((${2:-10} * 20))
    for i in $(seq "$limit"); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.05
    done
    return 1
}

# Waits up to 10 s for a file to exist.
wait_for_file() {
    local i
    for i in $(seq 200); do
        [ -e "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

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

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "--- program output"
        tail -n 40 "$work/program.log" 2>/dev/null
        echo "--- openbox output"
        tail -n 20 "$work/openbox.log" 2>/dev/null
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
window_size() { xwininfo -id "$1" | sed -nE 's/^ *(Width|Height): ([0-9]+)/\2/p' | tr '\n' ' '; }
window_position() {
    xwininfo -id "$1" | sed -nE 's/^ *Absolute upper-left (X|Y): +(-?[0-9]+)/\2/p' | tr '\n' ' '
}
