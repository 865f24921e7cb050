#!/usr/bin/env bash
# Times one Eye Dropper tick on a private Xvfb against the raw screen read of the same run.
# Usage: bench/eye_tick.sh [path/to/twl_bench_eye_tick]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
probe=${1:-$root/build-bench/bin/twl_bench_eye_tick}
[ -x "$probe" ] || probe=$root/build-test/bin/twl_bench_eye_tick
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
DISPLAY=:$(head -n 1 "$work/display") xsetroot -solid '#336699'
DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb "$probe"
