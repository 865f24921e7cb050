#!/usr/bin/env bash
# The screen read on a headless sway (wlroots) desktop against its baselines in the same run: the
# screen copy tick beside the X11 tick on an Xvfb of the same size, and the still picture of the
# desktop beside grim capturing the same output. sway will not run as root, so as root the desktop
# runs as a user of its own (made when missing); it needs sway, xwayland and grim.
# Usage: bench/wayland.sh [BUILD_DIR]   (default build-test)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build-test}/bin
work=$(mktemp -d /tmp/twl-bench-wayland.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$bin/twl_bench_wayland_capture" "$bin/twl_bench_eye_tick" "$work/"
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    user=twl-wayland
    id "$user" >/dev/null 2>&1 || useradd --system --create-home --home-dir /var/lib/$user "$user"
fi
run=$work/run
install -d -m 700 -o "$user" "$run"
printf 'xwayland enable\noutput * bg #336699 solid_color\n' >"$work/sway.conf"
chmod 644 "$work/sway.conf"
as_user() {
    runuser -u "$user" -- env XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY=wayland-1 PATH=/usr/bin:/bin \
        SWAYSOCK="$(ls "$run"/sway-ipc.*.sock 2>/dev/null | head -n 1)" DISPLAY="${xdisplay:-}" "$@"
}
runuser -u "$user" -- env -i XDG_RUNTIME_DIR="$run" PATH=/usr/bin:/bin WLR_BACKENDS=headless \
    WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do ls "$run"/sway-ipc.*.sock >/dev/null 2>&1 && break; sleep 0.05; done
as_user swaymsg output HEADLESS-1 resolution 1280x720 >/dev/null
as_user swaymsg exec "echo \$DISPLAY > $run/display" >/dev/null
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.05; done
xdisplay=$(cat "$run/display")
for _ in $(seq 100); do as_user xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

as_user env QT_QPA_PLATFORM=xcb "$work/twl_bench_wayland_capture"
start=${EPOCHREALTIME//[!0-9]/}
for _ in $(seq 15); do as_user grim -t ppm - >/dev/null; done
echo "  grim of the same output, a whole process (ms) $(((${EPOCHREALTIME//[!0-9]/} - start) / 15000))"

Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/x11display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/x11display" ] && break; sleep 0.05; done
echo "X11 on Xvfb 1280x720, the same tick:"
DISPLAY=:$(head -n 1 "$work/x11display") QT_QPA_PLATFORM=xcb "$work/twl_bench_eye_tick" | sed 's/^/  /'
