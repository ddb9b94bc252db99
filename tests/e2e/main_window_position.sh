#!/usr/bin/env bash
# The clock opens, is moved by the user, closes through the window manager, and opens
# again where it was left.
source "$(dirname "$0")/lib.sh"
start_window_manager

start_program
window=$(wait_for_window "$main_title")
xdotool windowmove --sync "$window" 300 200
sleep 0.5
before=$(xdotool getwindowgeometry "$window" | grep Position)
wmctrl -i -c "$window"
wait_for_exit 10

top=$(stored Main top)
left=$(stored Main left)
[ -n "$top" ] && [ -n "$left" ] || fail "no position in the settings file"
# The outer corner, frame included, in twips: 15 to a pixel.
[ "$left,$top" = "4500,3000" ] || fail "stored position $left,$top twips, expected 4500,3000"

start_program
window=$(wait_for_window "$main_title")
sleep 0.5
after=$(xdotool getwindowgeometry "$window" | grep Position)
[ "$before" = "$after" ] || fail "reopened at '$after', left at '$before'"
wmctrl -i -c "$window"
wait_for_exit 10
echo "PASS: position $left,$top twips kept across a restart"
