#!/usr/bin/env bash
# Hostile input: files and clipboard text far larger than any real one, each loaded by the
# program's own readers. Prints the time (wall clock, and CPU, which a busy machine does not
# stretch) and the peak resident memory of each load, and what
# was loaded (or refused by a size limit; see README). Figures only: it never fails on them.
#
# usage: bench/hostile.sh [SCALE]   SCALE divides every size (default 1: the full sizes)
# BUILD_DIR   the folder holding bin/twl_bench_hostile (default: build-cc)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="${BUILD_DIR:-$root/build-cc}"
probe="$build/bin/twl_bench_hostile"
scale=${1:-1}
[ -x "$probe" ] || { echo "hostile: build $probe first (-DTWL_BUILD_BENCH=ON)" >&2; exit 2; }

work=$(mktemp -d /tmp/twl-hostile.XXXXXX)
trap 'rm -rf "$work"' EXIT
mb=$((1048576 / scale))

# measure NAME KIND FILE: one load, timed by /usr/bin/time.
measure() {
    local name=$1 kind=$2 file=$3 out
    out=$(/usr/bin/time -f '%e %U %S %M' "$probe" "$kind" "$file" 2>"$work/time") || true
    read -r seconds user system kb <"$work/time"
    printf '%-34s %6.2f s %6.2f s %8d KB   %s\n' "$name" "$seconds" \
        "$(awk "BEGIN { print $user + $system }")" "$kb" "$out"
}

# The generators end on a closed pipe by design.
set +o pipefail
mkdir -p "$work/palette" "$work/settings" "$work/paste" "$work/named" "$work/layout"
yes 'clRed' | head -c $((100 * mb)) >"$work/palette/colorset.dat"
{ printf 'program=twl\r\nzoom=3\r\nhuge='; head -c $((100 * mb)) /dev/zero | tr '\0' x;
  printf '\r\n'; } >"$work/settings/set.set"
yes '#FF8000' | head -c $((50 * mb)) >"$work/paste/clipboard.txt"
seq 1 $((1000000 / scale)) | sed 's/.*/#FF8000=colour &/' >"$work/named/namedcolors.txt"
{ printf 'name='; head -c $((10 * mb)) /dev/zero | tr '\0' n; printf '\n';
  printf 's1.left='; head -c $((10 * mb)) /dev/zero | tr '\0' 7; printf '\n'; } \
    >"$work/layout/hostile.tl"
set -o pipefail

printf '%-34s %8s %8s %11s   %s\n' case wall CPU "peak RSS" result
measure "colorset.dat of $((100 / scale)) MB" palette "$work/palette/colorset.dat"
measure "set.set with a $((100 / scale)) MB line" settings "$work/settings/set.set"
measure "clipboard text of $((50 / scale)) MB" paste "$work/paste/clipboard.txt"
measure "namedcolors.txt, $((1000000 / scale)) lines" named "$work/named/namedcolors.txt"
measure ".tl with $((10 / scale)) MB values" layout "$work/layout/hostile.tl"
