#!/usr/bin/env bash
# A second copy brings the first forward and ends without writing; a killed copy does not block
# the next start; SIGTERM saves the settings.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program
first=$twl_pid
check "the first copy shows its bar" bar_shows

listing() { find "$XDG_CONFIG_HOME" -type f -printf '%p %s %T@\n' | sort; }
before=$(listing)
start_program
second=$twl_pid
check "a second copy ends within a few seconds" wait_for_exit "$second" 5
check "the second copy wrote no file" test "$before" = "$(listing)"
check "the first copy still runs" kill -0 "$first"

kill -9 "$first"
wait "$first" 2>/dev/null
start_program
check "after the first copy was killed, a new start shows its bar" bar_shows

kill -TERM "$twl_pid"
check "SIGTERM ends the program" wait_for_exit "$twl_pid" 10
check "SIGTERM saved set.set" grep -qx $'firstrun=0\r' "$user_folder/set.set"
finish
