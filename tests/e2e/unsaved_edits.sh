#!/usr/bin/env bash
# Nothing typed is lost: a note being written when the window manager closes the notes window
# is asked about, and the default answer, Keep, stores it.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-07 08:00:00'
main=$(wait_for_window "$main_title")

xdotool windowactivate --sync "$main" key ctrl+n
notes=$(wait_for_window '^Daily Notes$')
# From the list of dates, past the note's box, to "Add Note"; then the note.
xdotool key --delay 100 Tab Tab space
xdotool type --delay 50 'Buy bread'
wmctrl -i -c "$notes"
eventually 'question=$(xdotool getactivewindow) && [ "$question" != "$notes" ] &&
    [ "$(xdotool getwindowname "$question")" = "Daily Notes" ]' 5 ||
    fail "closing the notes while a note was typed asked nothing"
[ -z "$(stored Notes Text1)" ] || fail "the note was stored before the answer"
xdotool key Return
eventually '[ "$(stored Notes Text1)" = "Buy bread" ]' 5 || fail "Keep stored '$(stored Notes Text1)'"
[ "$(stored Notes Day1)" = 46363 ] || fail "the note was stored for day $(stored Notes Day1), not 7 December"
eventually '! xdotool search --onlyvisible --name "^Daily Notes$" >/dev/null 2>&1' 5 ||
    fail "the notes stayed open after Keep"
echo "PASS: a note typed and its window closed by the window manager was asked about and kept"
