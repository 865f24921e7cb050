#!/usr/bin/env bash
# CPU used by Tintwell during a 10-second pick (the 50 ms timer redrawing the magnifier) and
# during 10 idle seconds before it, both after a first short pick, on a private Xvfb with openbox.
# Several programs (two builds, say) are measured in turn on the same desktop, each with a fresh
# configuration folder.
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

# CPU time of the program so far, in us: the run time of each of its threads, which the kernel
# counts in ns (the user and system times of /proc/PID/stat come in 10 ms clock ticks, as coarse
# as a whole pick's difference between two builds). Where the kernel keeps no such count, the
# clock ticks.
cpu_us() {
    local schedstats=(/proc/"$twl_pid"/task/*/schedstat)
    if [ -r "${schedstats[0]}" ]; then
        cat "${schedstats[@]}" 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum / 1000 }'
    else
        awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000000 / hz }' "/proc/$twl_pid/stat"
    fi
}
threads() { ls "/proc/$twl_pid/task" 2>/dev/null | tr '\n' ' '; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

for program in "${programs[@]}"; do
    export XDG_CONFIG_HOME=$work/config-$RANDOM
    mkdir -p "$XDG_CONFIG_HOME"
    start_program
    bar=$(wait_for_bar) || { echo "$program: the bar did not appear"; continue; }
    sleep 2
    read -r left top <<<"$(window_position "$bar")"
    # The Eye Dropper is built, and the fonts read, at the first pick: a short pick first keeps
    # that once-only work out of the figures, which are of the program warm.
    xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
    xdotool mousemove --sync 700 500
    sleep 1
    xdotool mouseup 1
    sleep 2
    idle_start=$(cpu_us)
    sleep 10
    idle=$(($(cpu_us) - idle_start))

    xdotool mousemove --sync $((left + 20)) $((top + 36)) mousedown 1
    xdotool mousemove --sync 700 500
    pick_threads=$(threads) pick_note=
    pick_start=$(cpu_us)
    start=$(date +%s%N)
    # The pointer wanders a little, as a hand does, so every tick has something new to draw.
    for i in $(seq 100); do
        xdotool mousemove 700 $((500 + i % 7))
        sleep 0.1
    done
    elapsed_ms=$((($(date +%s%N) - start) / 1000000))
    pick=$(($(cpu_us) - pick_start))
    [ "$(threads)" = "$pick_threads" ] || pick_note=" (threads came or went: the time of those gone is missing)"
    xdotool mouseup 1

    echo "$program"
    printf '  idle, 10 s:            %7s ms CPU (target 0)\n' "$(ms "$idle")"
    printf '  pick, %5d ms:        %7s ms CPU = %s%% of a core (target <= 0.7%%)%s\n' \
        "$elapsed_ms" "$(ms "$pick")" \
        "$(awk -v a="$pick" -v b="$elapsed_ms" 'BEGIN { printf "%.2f", a / b / 10 }')" "$pick_note"
    kill "$twl_pid"
    poll 10 "! kill -0 $twl_pid 2>/dev/null"
done
