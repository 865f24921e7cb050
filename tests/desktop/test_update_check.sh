#!/usr/bin/env bash
# The update check against a web server on this machine: the program's own version gives "the
# latest version" and keeps update.txt; a newer one is offered and, answered No, update.txt goes;
# a server that takes the connection and never answers ends in "Cannot connect to server." while
# the bar keeps answering the user.
source "$(dirname "$0")/lib.sh"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
version=$(sed -nE 's/^project\(Tintwell VERSION ([0-9]+)\.([0-9]+)\.([0-9]+).*/\1.\2.\3.0/p' \
    "$(dirname "$0")/../../CMakeLists.txt")
site=$work/site
mkdir -p "$site/products/twl"

python3 -u -m http.server --bind 127.0.0.1 0 --directory "$site" >"$work/http.log" 2>&1 &
started_pids+=($!)
server=$!
# Takes connections and never says a word.
python3 -u -c '
import socket
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen()
print(server.getsockname()[1])
held = []
while True:
    held.append(server.accept()[0])
' >"$work/silent.log" 2>&1 &
started_pids+=($!)
silent=$!
# Python may be slow to start on a busy machine.
wait_for 60 'grep -q " port [0-9]" "$work/http.log" && [ -s "$work/silent.log" ] ||
             ! kill -0 $server $silent 2>/dev/null' "the web servers"
port=$(sed -nE 's/.* port ([0-9]+).*/\1/p' "$work/http.log" | head -n 1)
silent_port=$(head -n 1 "$work/silent.log")
[ -n "$port" ] && [ -n "$silent_port" ] || fail "a web server did not start"

start_desktop
export TWL_UPDATE_URL=http://127.0.0.1:$port
start_program_and_bar

main_menu() {
    xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
    wait_for 5 menu_shows "the main menu"
    xdotool key --delay 100 "$@"
}
# Help > Online Resources > Check for New Version.
check_for_updates() { main_menu e Down Down Down Right c; }
# The id of a shown message box: captioned like the bar, but not the bar.
message_box() { xdotool search --onlyvisible --name '^TWL$' 2>/dev/null | grep -vx "$bar" | head -n 1; }
update_window() { xdotool search --onlyvisible --name '^Check for updates$' 2>/dev/null | head -n 1; }
# Waits for a message box, selects its text with a triple click and prints the selection.
message_text() {
    local box= x y width
    poll "$1" 'box=$(message_box); [ -n "$box" ]' || return 1
    poll 5 'read -r x y <<<"$(window_position "$box")"; read -r width _ <<<"$(window_size "$box")"
            [ -n "$y" ] && [ -n "$width" ]'
    printf '' | xclip -selection primary >/dev/null 2>&1
    poll 5 'xdotool mousemove --sync $((x + width / 2)) $((y + 22)) click --repeat 3 --delay 60 1
            xclip -o -selection primary 2>/dev/null | grep -q .'
    xclip -o -selection primary 2>/dev/null
}

# Answers the message box with a key; the box and the update window both close.
answer() {
    xdotool key "$1"
    wait_for 10 '[ -z "$(message_box)" ] && [ -z "$(update_window)" ]' "the box and the window to close"
}

printf 'name=TWL\r\nupdate=%s\r\n' "$version" >"$site/products/twl/update.txt"
check_for_updates
text=$(message_text 20)
check "the same version: \"You have the latest version. Thanks for checking!\"" \
    grep -qx 'You have the latest version. Thanks for checking!' <<<"$text"
answer Return
check "update.txt is left in the data folder as served" \
    cmp -s "$user_folder/update.txt" "$site/products/twl/update.txt"

printf 'update=%s\r\n' 99.0.0.0 >"$site/products/twl/update.txt"
check_for_updates
text=$(message_text 20)
check "a newer version is offered" \
    grep -qx 'There is a newer version. Would you like to download?' <<<"$text"
answer n
check "answered No, update.txt is deleted" test ! -e "$user_folder/update.txt"

# No file on the server (404), then a file longer than 64 KB: both cannot connect.
rm "$site/products/twl/update.txt"
for served in missing long; do
    if [ $served = long ]; then
        { printf 'update=99.0.0.0\r\n'; head -c 70000 /dev/zero | tr '\0' x; } \
            >"$site/products/twl/update.txt"
    fi
    check_for_updates
    text=$(message_text 20)
    check "a $served update.txt: \"Sorry, cannot connect to 127.0.0.1 right now.\"" \
        grep -qx 'Sorry, cannot connect to 127.0.0.1 right now.' <<<"$text"
    answer Return
    check "and writes no update.txt" test ! -e "$user_folder/update.txt"
done

close_program
export TWL_UPDATE_URL=http://127.0.0.1:$silent_port
start_program
bar=$(wait_for_bar)
check_for_updates
wait_for 10 '[ -n "$(update_window)" ]' "the update window"
xdotool mousemove $((left + 15)) $((top + 12)) sleep 0.2 click 3
check "while the server is silent the bar still opens its menu" poll 5 menu_shows
xdotool key Escape
check "and the check is still waiting" test -n "$(update_window)" -a -z "$(message_box)"
text=$(message_text 40)
check "the silent server ends in \"Sorry, cannot connect to 127.0.0.1 right now.\"" \
    grep -qx 'Sorry, cannot connect to 127.0.0.1 right now.' <<<"$text"
answer Return
close_program
finish
