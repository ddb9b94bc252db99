#!/usr/bin/env bash
# A second start while the clock runs brings the minimised clock back to the front and
# exits 0 without a window of its own; after a SIGKILL the next start runs normally.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_program
first_pid=$app_pid
main=$(wait_for_window "$main_title")
xdotool windowminimize --sync "$main"

start_program
wait_for_exit 10
kill -0 "$first_pid" || fail "the first clock ended"
for _ in $(seq 150); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ] && break
    sleep 0.1
done
[ "$(xdotool getactivewindow)" = "$main" ] || fail "the running clock was not brought to the front"
[ "$(xdotool search --onlyvisible --name "$main_title" | wc -l)" = 1 ] ||
    fail "a second clock window is open"

kill -9 "$first_pid"
wait "$first_pid" 2>/dev/null || true
start_program
wait_for_window "$main_title" >/dev/null
echo "PASS: the second start raised the first and exited 0; a killed clock's lock was taken over"
