#!/usr/bin/env bash
# Picks on a Wayland desktop: a headless sway with XWayland, a native background and a native
# checkerboard window of the tests' own, and a virtual pointer. The windows run on XWayland and
# the pixels come through the compositor's screen copy: picks from the bar's button add the
# exact pixels at output scales 1 and 2, `tintwell --pick` picks on the overlay (also through a
# key the compositor binds), on each of two outputs; with no way to read the screen a pick gives
# a message and no colour. sway will not run as root: the desktop runs as a user of its own.
source "$(dirname "$0")/lib.sh"
helpers=$(dirname "$program")
for needed in sway swaybg wtype "$helpers/twl_wl_pointer" "$helpers/twl_wl_checker" \
    "$helpers/twl_shortcuts_portal"; do
    command -v "$needed" >/dev/null || fail "$needed is not installed"
done
[ "$(id -u)" -eq 0 ] || fail "the Wayland desktop needs root to run as a user of its own"
user=twl-wayland
id "$user" >/dev/null 2>&1 || useradd --system --create-home --home-dir /var/lib/$user "$user" ||
    fail "cannot make the user $user"
chmod 755 "$work"
# The desktop's user may not reach the build folder (a checkout under /root): the program, its
# data and the helpers are copied where it can.
mkdir -p "$work/bin"
cp "$program" "$helpers"/twl_wl_pointer "$helpers"/twl_wl_checker "$helpers"/twl_shortcuts_portal \
    "$work/bin/"
for data in help TLs namedcolors.txt; do
    [ -e "$helpers/$data" ] && cp -r "$helpers/$data" "$work/bin/"
done
chmod -R a+rX "$work/bin"
program=$work/bin/$(basename "$program")
helpers=$work/bin
run=$work/wl-run
config=$work/wl-config
install -d -m 700 -o "$user" -g "$user" "$run"
install -d -m 755 -o "$user" -g "$user" "$config"
user_folder=$config/Vantrel/TWL

# The headless compositor draws the pointer into its captures, even while a button is held (when
# it does not hide it): the desktop and the program show a cursor theme of clear pictures.
blank_cursors() {
    local folder=$work/icons/twl-blank/cursors name
    mkdir -p "$folder"
    le32() { printf "$(printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
    # One 24 x 24 picture: the file's header and its one entry, then the picture's header.
    {
        printf Xcur
        for word in 16 65536 1 0xfffd0002 24 28 36 0xfffd0002 24 1 24 24 0 0 0; do le32 "$word"; done
        head -c $((24 * 24 * 4)) /dev/zero
    } >"$folder/left_ptr"
    for name in default arrow top_left_arrow left_arrow pointer hand2 pointing_hand; do
        ln -sf left_ptr "$folder/$name"
    done
    chmod -R a+rX "$work/icons"
}
blank_cursors
cursors="XCURSOR_PATH=$work/icons XCURSOR_THEME=twl-blank XCURSOR_SIZE=24"

cat >"$work/sway.conf" <<'CONF'
xwayland enable
default_border none
seat seat0 xcursor_theme twl-blank 24
output * bg #336699 solid_color
for_window [instance="tintwell"] floating enable
for_window [instance="tintwell" title="^TWL$"] move position 20 20
CONF
chmod 644 "$work/sway.conf"

# Runs a command as the desktop's user, in its session.
as_user() {
    runuser -u "$user" -- env HOME=/var/lib/$user XDG_RUNTIME_DIR="$run" XDG_CONFIG_HOME="$config" \
        WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(ls "$run"/sway-ipc.*.sock 2>/dev/null | head -n 1)" \
        DISPLAY="${xdisplay:-}" PATH=/usr/bin:/bin $cursors ${capture_env:-} "$@"
}
runuser -u "$user" -- env -i HOME=/var/lib/$user XDG_RUNTIME_DIR="$run" XDG_CONFIG_HOME="$config" \
    PATH=/usr/bin:/bin $cursors WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
started_pids+=($!)
wait_started $! sway '[ -S "$run/wayland-1" ] && ls "$run"/sway-ipc.*.sock >/dev/null 2>&1'
# XWayland starts with the first X client; sway tells its display to the commands it runs.
as_user swaymsg exec "echo \$DISPLAY > $run/display" >/dev/null
wait_for 10 '[ -s "$run/display" ]' "XWayland's display"
xdisplay=$(cat "$run/display")
wait_for 10 'as_user xdpyinfo >/dev/null 2>&1' "XWayland"
# The compositor draws its pointer into captures: it hides it once the pointer rests.
as_user swaymsg seat seat0 hide_cursor 100 >/dev/null

pointer_in=$work/pointer.in
mkfifo "$pointer_in"
chmod 666 "$pointer_in"
start_pointer() {
    as_user "$helpers/twl_wl_pointer" 1280 720 <"$pointer_in" \
        >"$work/pointer.out" 2>&1 &
    pointer_pid=$!
    started_pids+=($pointer_pid)
    exec 7>"$pointer_in"
    pointer_sent=0
}
# Sends the pointer its commands, one an argument, and waits until it has carried them out.
# Positions are in the desktop's logical pixels.
pointer() {
    local command
    for command in "$@"; do
        echo "$command" >&7
        pointer_sent=$((pointer_sent + 1))
    done
    wait_for 20 '[ "$(grep -c "^ok" "$work/pointer.out")" -ge "$pointer_sent" ]' "the pointer"
}
start_pointer
overlay_shows() { as_user xdotool search --onlyvisible --name '^Pick a colour$' >/dev/null 2>&1; }
# `tintwell --pick` at (X, Y): prints what it printed and its status.
pick_at() { # pick_at X Y [TINTWELL-ARGS...]
    local x=$1 y=$2
    shift 2
    # The still picture is taken as the pick opens: the compositor's pointer, which it draws
    # into captures, is hidden by then (it hides after 100 ms of rest).
    pointer "sleep 300"
    as_user "$program" --pick "$@" >"$work/pick.out" 2>"$work/pick.err" &
    local pid=$!
    started_pids+=($pid)
    poll 10 overlay_shows
    pointer "move $x $y" "sleep 300" click
    poll 10 '! overlay_shows'
    wait "$pid"
    local status=$?
    echo "$(cat "$work/pick.out") $status"
}
checker_at() { [ $((($1 + $2) % 2)) -eq 0 ] && echo '#FF0000' || echo '#0000FF'; }

check "--diagnose names the screen copy" sh -c "$(declare -f as_user); user=$user run=$run config=$config xdisplay=$xdisplay; as_user '$program' --diagnose | grep -qx 'capture: wlroots screen copy'"
check "alone, --pick on the overlay prints the native background" \
    test "$(pick_at 300 300)" = "#336699 0"

as_user "$helpers/twl_wl_checker" >>"$work/checker.log" 2>&1 &
started_pids+=($!)
wait_for 10 'as_user swaymsg -t get_tree | grep -q "\"twl-checker\""' "the checkerboard window"
sleep 0.5
# The desktop portal's Screenshot, forced: a session bus, PipeWire (the wlr portal needs it) and
# the portal, which the bus starts when asked.
bus=unix:path=$run/bus
as_user dbus-daemon --session --fork --address="$bus" >/dev/null
as_user env DBUS_SESSION_BUS_ADDRESS="$bus" XDG_CURRENT_DESKTOP=sway \
    dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR
as_user env DBUS_SESSION_BUS_ADDRESS="$bus" pipewire >>"$work/pipewire.log" 2>&1 &
started_pids+=($!)
sleep 1
# The wlr portal writes its picture to a fixed file, which a stale one of another user blocks.
rm -f /tmp/out.png
for point in "301 301" "500 201"; do
    read -r x y <<<"$point"
    got=$(capture_env="DBUS_SESSION_BUS_ADDRESS=$bus TWL_CAPTURE=portal" pick_at "$x" "$y")
    check "through the portal, --pick at ($x, $y) prints the pixel there, $(checker_at "$x" "$y") (got $got)" \
        test "$got" = "$(checker_at "$x" "$y") 0"
done

mkdir -p "$user_folder"
printf 'program=twl\r\nsampling=0\r\ncopyas=HEX with #\r\n' >"$user_folder/set.set"
printf 'clWhite\r\n' >"$user_folder/colorset.dat"
chown -R "$user" "$config"
as_user "$program" >>"$work/program.log" 2>&1 &
twl_pid=$!
started_pids+=($twl_pid)
wait_for 10 'as_user xdotool search --onlyvisible --name "^TWL$" >/dev/null 2>&1' "the bar"
sleep 1
# A drag from the bar's eye-dropper button to (X, Y), where the button comes up: X goes on
# telling the pointer's place to the bar while its button is held, and the screen copy is read
# each tick. sway 1.7 centres a floating X window whenever it asks for a new size or place: the
# Eye Dropper shows in the middle of the output, and so does the bar once it has grown, so the
# bar is moved back to the corner first, as a person would drag it.
bar_pick() { # bar_pick X Y
    local bar left top count
    as_user swaymsg '[instance="tintwell" title="^TWL$"] move position 20 20' >/dev/null
    bar=$(as_user xdotool search --onlyvisible --name '^TWL$' | head -n 1)
    read -r left top <<<"$(as_user xwininfo -id "$bar" | sed -nE 's/^ *Absolute upper-left (X|Y): +(-?[0-9]+)/\2/p' | tr '\n' ' ')"
    count=$(as_user "$program" --palette | wc -l)
    pointer "move $((left + 20)) $((top + 36))" "sleep 300" press "sleep 300"
    pointer "move $(($1 + 40)) $(($2 + 30))" "sleep 150" "move $1 $2" "sleep 300" release
    ! overlay_shows || fail "a drag from the bar's button opened the overlay"
    # The headless compositor draws in software: the release takes a moment to come through.
    poll 10 '[ "$(as_user "$program" --palette | wc -l)" -gt "$count" ]'
}
newest() { as_user "$program" --palette | head -n 1; }
for point in "301 301" "302 301" "101 203" "1279 719"; do
    read -r x y <<<"$point"
    bar_pick "$x" "$y"
    check "at scale 1 a pick from the bar's button at ($x, $y) adds the pixel there, $(checker_at "$x" "$y") (got $(newest))" \
        test "$(newest)" = "$(checker_at "$x" "$y")"
done

as_user swaymsg output HEADLESS-1 scale 2 >/dev/null
pointer "extent 640 360"
sleep 1
for point in "101 203" "102 203" "639 359"; do
    read -r x y <<<"$point"
    bar_pick "$x" "$y"
    check "at scale 2 a pick from the bar's button at ($x, $y) adds the pixel there, $(checker_at "$x" "$y") (got $(newest))" \
        test "$(newest)" = "$(checker_at "$x" "$y")"
done
check "at scale 2 the overlay through the bar picks (600, 301)" \
    test "$(pick_at 600 301)" = "$(checker_at 600 301) 0"

# The key a person binds in the compositor, as on desktops where no program may grab one.
as_user swaymsg "bindsym F8 exec '$program' --pick" >/dev/null
count=$(as_user "$program" --palette | wc -l)
as_user wtype -s 1200 -k F8 &
started_pids+=($!)
wait_for 15 overlay_shows "the overlay after F8"
pointer "move 601 50" "sleep 300" click
poll 10 '! overlay_shows'
poll 10 '[ "$(as_user "$program" --palette | wc -l)" -gt "$count" ]'
check "F8 bound in sway picks through the overlay into the palette (got $(newest), $count colours before)" \
    test "$(newest)" = "$(checker_at 601 50)"
# A second output right of the first, at a scale of 1: the desktop is 1920 x 720 now.
as_user swaymsg create_output >/dev/null
as_user swaymsg output HEADLESS-2 resolution 1280x720 pos 640 0 >/dev/null
as_user swaymsg output HEADLESS-1 pos 0 0 >/dev/null
pointer "extent 1920 720"
wait_for 10 '[ "$(as_user xdpyinfo | sed -nE "s/ *dimensions: *([0-9]+x[0-9]+).*/\1/p")" = 1920x720 ]' \
    "the X screen to take in the second output"
sleep 1
# Neighbouring picks come apart in time, so the pointer the compositor draws into its captures
# is not beside the next one's pixel.
check "with two outputs the overlay picks on the second, across their edge (got $(pick_at 640 359))" \
    test "$(cat "$work/pick.out")" = "#336699"
check "and far on the second (got $(pick_at 1900 700))" test "$(cat "$work/pick.out")" = "#336699"
check "and on the first, at scale 2" test "$(pick_at 601 301)" = "$(checker_at 601 301) 0"
check "and on the last pixel of the first" test "$(pick_at 639 359)" = "$(checker_at 639 359) 0"
as_user "$program" --quit
wait_for_exit "$twl_pid" 10

# Global shortcuts, as KDE Plasma's portal offers them (a portal of the tests' own, on a bus of
# its own): the hotkey is bound there, and the shortcut's Activated picks on the overlay.
shortcuts_bus=unix:path=$run/shortcuts-bus
as_user dbus-daemon --session --fork --address="$shortcuts_bus" >/dev/null
mkfifo "$work/shortcuts.in"
chmod 666 "$work/shortcuts.in"
as_user env DBUS_SESSION_BUS_ADDRESS="$shortcuts_bus" "$helpers/twl_shortcuts_portal" \
    <"$work/shortcuts.in" >"$work/shortcuts.log" 2>&1 &
started_pids+=($!)
exec 8>"$work/shortcuts.in"
wait_for 10 'grep -q "^ready" "$work/shortcuts.log"' "the shortcuts portal"
shortcuts_diagnosis() {
    as_user env DBUS_SESSION_BUS_ADDRESS="$shortcuts_bus" "$program" --diagnose |
        grep -qx 'hotkey: desktop portal GlobalShortcuts'
}
check "--diagnose names the desktop's global shortcuts" shortcuts_diagnosis
printf 'program=twl\r\nsampling=0\r\ncaptureandcopy=1\r\nhotkey=Win+Shift+P\r\n' >"$user_folder/set.set"
as_user env DBUS_SESSION_BUS_ADDRESS="$shortcuts_bus" "$program" >>"$work/program.log" 2>&1 &
twl_pid=$!
started_pids+=($twl_pid)
wait_for 10 'as_user xdotool search --onlyvisible --name "^TWL$" >/dev/null 2>&1' "the bar"
poll 10 'grep -q "^bound" "$work/shortcuts.log"'
check "the hotkey is bound as the shortcut pick, Win+Shift+P preferred as SHIFT+LOGO+p" \
    grep -qx "bound pick SHIFT+LOGO+p" "$work/shortcuts.log"
count=$(as_user "$program" --palette | wc -l)
echo "activate pick" >&8
wait_for 10 overlay_shows "the overlay after the shortcut"
pointer "move 203 101" "sleep 300" click
poll 10 '[ "$(as_user "$program" --palette | wc -l)" -gt "$count" ]'
check "the shortcut picks through the overlay into the palette (got $(newest))" \
    test "$(newest)" = "$(checker_at 203 101)"
as_user "$program" --quit
wait_for_exit "$twl_pid" 10
check "quitting closes the shortcuts' session" grep -qx closed "$work/shortcuts.log"

# With no way to read the screen (the portal forced where none runs), a pick gives no colour.
as_user env TWL_CAPTURE=portal DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus \
    "$program" --pick >"$work/pick.out" 2>"$work/pick.err"
status=$?
check "with no capture, --pick exits 1 and prints no colour" test "$status" = 1 -a ! -s "$work/pick.out"
check "and says what is missing" grep -q 'no way to read the screen' "$work/pick.err"
finish
