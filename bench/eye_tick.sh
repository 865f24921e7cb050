#!/usr/bin/env bash
# Times one Eye Dropper tick on a private Xvfb against the raw screen read of the same run. Several
# probes (two builds, say) run in turn on the same server.
# Usage: bench/eye_tick.sh [path/to/twl_bench_eye_tick...]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
probes=("$@")
if [ ${#probes[@]} -eq 0 ]; then
    probes=("$root/build-bench/bin/twl_bench_eye_tick")
    [ -x "${probes[0]}" ] || probes=("$root/build-test/bin/twl_bench_eye_tick")
fi
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb
xsetroot -solid '#336699'
for probe in "${probes[@]}"; do
    echo "$probe"
    "$probe"
done
