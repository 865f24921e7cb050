#!/usr/bin/env bash
# Start-up benchmark: time to the first mapped window, resident memory, idle CPU and shared
# libraries of Tintwell, against a minimal Qt Widgets program showing the same bar, all measured
# in this run on a private Xvfb with openbox (no window manager when openbox is missing).
#
# usage: bench/startup.sh [TINTWELL...] [--runs N] [--warmup N] [--settle S] [--idle S] [--timeout S]
#   TINTWELL  the programs to measure (two builds side by side, say); default:
#             build-bench/bin/tintwell, else the newest build*/bin/tintwell in the source tree
# BUILD_DIR   the folder holding bin/twl_bench_startup and bin/twl_bench_minimal_bar
#             (default: build-bench)
#
# It prints figures only; it never fails because of them.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="${BUILD_DIR:-$root/build-bench}"

programs=()
idle=10
probeArgs=()
while (($#)); do
    case "$1" in
    --runs | --warmup | --settle | --idle | --timeout)
        [[ "$1" == --idle ]] && idle="$2"
        probeArgs+=("$1" "$2")
        shift 2
        ;;
    -h | --help)
        sed -n '2,12p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    -*)
        echo "startup: unknown option $1 (see --help)" >&2
        exit 2
        ;;
    *)
        programs+=("$1")
        shift
        ;;
    esac
done

if ((${#programs[@]} == 0)); then
    if [[ -x "$build/bin/tintwell" ]]; then
        programs=("$build/bin/tintwell")
    else
        programs=("$(ls -t "$root"/build*/bin/tintwell 2>/dev/null | head -n 1 || true)")
    fi
fi
probe="$build/bin/twl_bench_startup"
minimal="$build/bin/twl_bench_minimal_bar"
for program in "${programs[@]}" "$probe" "$minimal"; do
    if [[ -z "$program" || ! -x "$program" ]]; then
        echo "startup: missing program '${program:-tintwell}'; build the targets tintwell," \
            "twl_bench_startup and twl_bench_minimal_bar (-DTWL_BUILD_BENCH=ON) first" >&2
        exit 2
    fi
done
command -v Xvfb >/dev/null || {
    echo "startup: Xvfb is not installed" >&2
    exit 2
}

work="$(mktemp -d "${TMPDIR:-/tmp}/twl-bench-startup-XXXXXX")"
xvfbPid=""
wmPid=""
probePid=""
cleanup() {
    # The probe ends the program it is measuring and removes its folders; then the server goes.
    if [[ -n "$probePid" ]]; then
        kill "$probePid" 2>/dev/null || true
        wait "$probePid" 2>/dev/null || true
    fi
    if [[ -n "$wmPid" ]]; then
        kill "$wmPid" 2>/dev/null || true
        wait "$wmPid" 2>/dev/null || true
    fi
    if [[ -n "$xvfbPid" ]]; then
        kill "$xvfbPid" 2>/dev/null || true
        wait "$xvfbPid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfbPid=$!
display=""
for _ in $(seq 100); do
    display="$(tr -dc '0-9' <"$work/display")"
    [[ -n "$display" ]] && break
    kill -0 "$xvfbPid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z "$display" ]]; then
    echo "startup: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

# Same environment for both programs: the display we started, the X platform plugin, and a
# session bus address that leads nowhere, so neither talks to (or puts a tray icon on) the desktop
# this script runs from, and no bus gets auto-launched.
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY

desktop="no window manager"
if command -v openbox >/dev/null; then
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wmPid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    desktop="openbox"
fi

echo "Start-up benchmark on Xvfb $DISPLAY (1920x1080x24), $desktop."
echo "map ms: fork/exec to the first MapNotify of a top-level window; map CPU: the program's CPU"
echo "time until then (steadier than wall time on a busy machine). RSS: VmRSS after the settle"
echo "time. CPU ms: utime+stime while idle (clock ticks); CPU us: its threads' run time then."
echo "libs: shared libraries mapped at the map, and after the settle time."
echo
# Both programs in one probe, taken in turn, so a change in the machine's load falls on both.
"$probe" "${probeArgs[@]}" "$minimal" "${programs[@]}" >"$work/probe.txt" &
probePid=$!
tail -n +1 -f --pid="$probePid" "$work/probe.txt" &
tailPid=$!
wait "$probePid" || true
probePid=""
wait "$tailPid" || true
echo

# The probe's summary lines, one per program in the order given: "median" with map ms, map CPU
# ms, RSS MiB, anon MiB, CPU ms, CPU us, wakeups, exit ms, libraries at the map and after the
# settle time; "best" with the best map ms and map CPU.
summary() { awk -v want="$1" -v n="$2" '$1 == want && ++seen == n { print $0 }' "$work/probe.txt"; }
baseLine="$(summary median 1)"
baseBest="$(summary best 1)"
if [[ -z "$baseLine" ]]; then
    echo "startup: no complete run of the minimal bar; no table" >&2
    exit 1
fi
for ((n = 0; n < ${#programs[@]}; n++)); do
    twlLine="$(summary median $((n + 2)))"
    twlBest="$(summary best $((n + 2)))"
    if [[ -z "$twlLine" ]]; then
        echo "startup: no complete run of ${programs[n]}; no table for it" >&2
        continue
    fi
    echo "[$((n + 2))] ${programs[n]}"
    awk -v base="$baseLine" -v twl="$twlLine" -v baseBest="$baseBest" -v twlBest="$twlBest" \
        -v idle="$idle" 'BEGIN {
        split(base, b); split(twl, t); split(baseBest, bb); split(twlBest, tb)
        row = "%-28s %9.1f %9.1f %8.2fx%s\n"
        target = "   target <= 1.30x"
        printf "%-28s %9s %9s %9s\n", "", "minimal", "Tintwell", "ratio"
        printf row, "map time, median (ms)", b[2], t[2], (b[2] > 0 ? t[2] / b[2] : 0), target
        printf row, "map time, best (ms)", bb[2], tb[2], (bb[2] > 0 ? tb[2] / bb[2] : 0), ""
        printf row, "CPU until map, median (ms)", b[3], t[3], (b[3] > 0 ? t[3] / b[3] : 0), ""
        printf row, "RSS, median (MiB)", b[4], t[4], (b[4] > 0 ? t[4] / b[4] : 0), target
        printf "%-28s %9.1f %9.1f\n", "  of it anonymous (MiB)", b[5], t[5]
        printf "%-28s %9d %9d %9s   target 0 ms\n", "idle CPU per " idle " s (ms)", b[6], t[6], ""
        printf "%-28s %9d %9d\n", "  thread run time (us)", b[7], t[7]
        printf "%-28s %9d %9d\n", "  context switches", b[8], t[8]
        printf "%-28s %9.1f %9.1f\n", "SIGTERM to exit (ms)", b[9], t[9]
        printf row, "libraries at the map", b[10], t[10], (b[10] > 0 ? t[10] / b[10] : 0), ""
        printf row, "libraries after settle", b[11], t[11], (b[11] > 0 ? t[11] / b[11] : 0), ""
    }'
done
