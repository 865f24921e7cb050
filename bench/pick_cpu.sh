#!/usr/bin/env bash
# CPU used by Tintwell during a 10-second pick (the 50 ms timer redrawing the magnifier) and
# during 10 idle seconds before it, on a private Xvfb with openbox. Several programs (two builds,
# say) are measured in turn on the same desktop, each with a fresh configuration folder.
# Usage: bench/pick_cpu.sh [path/to/tintwell...]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
    programs=("$root/build-bench/bin/tintwell")
    [ -x "${programs[0]}" ] || programs=("$root/build-test/bin/tintwell")
fi
source "$root/tests/desktop/lib.sh" "${programs[0]}"
start_desktop
xsetroot -solid '#336699'

cpu_ms() { # user + system time of the program so far, in ms
    awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000 / hz }' "/proc/$twl_pid/stat"
}

for program in "${programs[@]}"; do
    export XDG_CONFIG_HOME=$work/config-$RANDOM
    mkdir -p "$XDG_CONFIG_HOME"
    start_program
    bar=$(wait_for_bar) || { echo "$program: the bar did not appear"; continue; }
    sleep 2
    read -r left top <<<"$(window_position "$bar")"
    idle_start=$(cpu_ms)
    sleep 10
    idle=$(($(cpu_ms) - idle_start))

    xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
    xdotool mousemove --sync 700 500
    pick_start=$(cpu_ms)
    start=$(date +%s%N)
    # The pointer wanders a little, as a hand does, so every tick has something new to draw.
    for i in $(seq 100); do
        xdotool mousemove 700 $((500 + i % 7))
        sleep 0.1
    done
    elapsed_ms=$((($(date +%s%N) - start) / 1000000))
    pick=$(($(cpu_ms) - pick_start))
    xdotool mouseup 1

    echo "$program"
    printf '  idle, 10 s:            %5d ms CPU (target 0)\n' "$idle"
    printf '  pick, %5d ms:        %5d ms CPU = %s%% of a core (target <= 0.7%%)\n' "$elapsed_ms" \
        "$pick" "$(awk -v a="$pick" -v b="$elapsed_ms" 'BEGIN { printf "%.2f", 100 * a / b }')"
    kill "$twl_pid"
    poll 10 "! kill -0 $twl_pid 2>/dev/null"
done
