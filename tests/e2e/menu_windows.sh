#!/usr/bin/env bash
# Every window is reached from the clock by the keyboard alone, and the calendar unfolds
# and folds back to the window's outer sizes with the window manager's real frame.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_program
main=$(wait_for_window "$main_title")

# keys KEY...: types on the main window, as a user with the clock in front would.
keys() {
    xdotool windowactivate --sync "$main"
    xdotool key --delay 100 "$@"
}

# opens_and_closes TITLE KEY...: the keys open the window TITLE; Escape or the window
# manager's close closes it again.
opens_and_closes() {
    local title=$1 window
    shift
    keys "$@"
    window=$(wait_for_window "$title")
    wmctrl -i -c "$window"
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "'$title' did not close"
}

opens_and_closes '^Vintrel Clock & Alarm - Alarm Settings$' ctrl+a
opens_and_closes '^Daily Notes$' ctrl+n
opens_and_closes '^About Vintrel Clock & Alarm$' alt+m Right Return

# expect_outer SIZE: the clock's outer size, frame included, and its place unchanged.
expect_outer() {
    sleep 0.5
    read -r x2 y2 width height < <(outer_geometry "$main")
    [ "$width x $height" = "$1" ] || fail "the clock is $width x $height, expected $1"
    [ "$x2,$y2" = "${x:-$x2},${y:-$y2}" ] || fail "the window moved from $x,$y to $x2,$y2"
    x=$x2 y=$y2
}
expect_outer "181 x 111"
keys ctrl+s
expect_outer "310 x 319"
keys ctrl+h
expect_outer "181 x 111"

wmctrl -i -c "$main"
wait_for_exit 10
echo "PASS: every window opened from the keyboard; the calendar kept the window in place"
