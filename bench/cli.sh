#!/usr/bin/env bash
# Command-line benchmark: how long `tintwell --palette` takes to its exit, with no bar and with a
# bar running, and how long `tintwell --pick` takes until its overlay shows, each beside
# `tintwell --version` (which starts, prints and ends) measured in the same run, on a private
# Xvfb with openbox.
#
# usage: bench/cli.sh [TINTWELL] [--runs N]
#   TINTWELL   the program (default: the newest build*/bin/tintwell in the source tree)
# BUILD_DIR    the folder holding bin/twl_bench_startup (default: the program's build folder)
#
# It prints figures only; it never fails because of them.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
runs=15
program=""
while (($#)); do
    case "$1" in
    --runs)
        runs="$2"
        shift 2
        ;;
    -h | --help)
        sed -n '2,11p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        program="$1"
        shift
        ;;
    esac
done
[[ -n "$program" ]] || program="$(ls -t "$root"/build*/bin/tintwell 2>/dev/null | head -n 1 || true)"
program="$(realpath "$program")"
probe="${BUILD_DIR:-$(dirname "$(dirname "$program")")}/bin/twl_bench_startup"
for needed in "$program" "$probe"; do
    [[ -x "$needed" ]] || {
        echo "cli: missing '$needed'; build tintwell and twl_bench_startup (-DTWL_BUILD_BENCH=ON)" >&2
        exit 2
    }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/twl-bench-cli-XXXXXX")"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
fi

now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }
# The median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Runs the two commands in turn, runs times each, and prints their median wall times (ms) and
# the ratio of the second to the first.
pair() { # pair LABEL "BASE COMMAND" "COMMAND"
    local label=$1 base=$2 measured=$3 i start
    : >"$work/base.ms"
    : >"$work/measured.ms"
    for ((i = 0; i <= runs; i++)); do
        start=$(now_us)
        eval "$base" >/dev/null 2>&1 || true
        ((i == 0)) || echo "$((($(now_us) - start) / 1000)).$(((($(now_us) - start) % 1000) / 100))" >>"$work/base.ms"
        start=$(now_us)
        eval "$measured" >/dev/null 2>&1 || true
        ((i == 0)) || echo "$((($(now_us) - start) / 1000)).$(((($(now_us) - start) % 1000) / 100))" >>"$work/measured.ms"
    done
    awk -v label="$label" -v b="$(median <"$work/base.ms")" -v m="$(median <"$work/measured.ms")" \
        'BEGIN { printf "%-40s %10.1f %10.1f %8.2fx\n", label, b, m, (b > 0 ? m / b : 0) }'
}

echo "Command-line benchmark on Xvfb $DISPLAY (1920x1080x24), $runs runs after one warm-up, medians."
printf '%-40s %10s %10s %9s\n' "" "--version" "command" "ratio"
pair "--palette, no bar (ms)" "'$program' --version" "'$program' --palette"
"$program" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    "$program" --palette >/dev/null 2>&1 && break
    sleep 0.1
done
pair "--palette, bar running (ms)" "'$program' --version" "'$program' --palette"
"$program" --quit >/dev/null 2>&1 || true

# The pick until its overlay is mapped, as the start-up probe times a window (fork to MapNotify),
# through a wrapper that becomes the pick; each run in fresh folders, so no bar runs.
printf '#!/bin/sh\nexec "%s" --pick\n' "$program" >"$work/pick"
chmod +x "$work/pick"
"$probe" --runs "$runs" --warmup 1 --settle 0.2 --idle 0.2 "$work/pick" >"$work/probe.txt" 2>&1 || true
pickMs=$(awk '$1 == "median" { print $2; exit }' "$work/probe.txt")
: >"$work/version.ms"
for ((i = 0; i < runs; i++)); do
    start=$(now_us)
    "$program" --version >/dev/null
    echo "$((($(now_us) - start) / 1000)).$(((($(now_us) - start) % 1000) / 100))" >>"$work/version.ms"
done
awk -v b="$(median <"$work/version.ms")" -v m="${pickMs:-0}" \
    'BEGIN { printf "%-40s %10.1f %10.1f %8.2fx\n", "--pick to overlay shown, no bar (ms)", b, m, (b > 0 ? m / b : 0) }'
