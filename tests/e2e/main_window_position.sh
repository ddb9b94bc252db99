#!/usr/bin/env bash
# The clock opens, is moved by the user, closes through the window manager, and opens
# again where it was left.
source "$(dirname "$0")/lib.sh"
start_window_manager

start_program
window=$(wait_for_window "$main_title")
xdotool windowmove --sync "$window" 300 200
sleep 0.5
read -r x y _ < <(outer_geometry "$window")
wmctrl -i -c "$window"
wait_for_exit 10

top=$(stored Main top)
left=$(stored Main left)
[ -n "$top" ] && [ -n "$left" ] || fail "no position in the settings file"
# The outer corner, frame included, in twips: 15 to a pixel.
[ "$left,$top" = "$((x * 15)),$((y * 15))" ] ||
    fail "stored position $left,$top twips for a window at $x,$y"

start_program
window=$(wait_for_window "$main_title")
sleep 0.5
read -r x2 y2 _ < <(outer_geometry "$window")
[ "$x2,$y2" = "$x,$y" ] || fail "reopened at $x2,$y2, left at $x,$y"
wmctrl -i -c "$window"
wait_for_exit 10
echo "PASS: position $left,$top twips kept across a restart"
