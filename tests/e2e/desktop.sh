#!/usr/bin/env bash
# A day on an X desktop: a bad option without a display, every window from the keyboard, the
# calendar unfolding in place in the window manager's frame, Start at Login on, renewed and off,
# a second start raising the first, the clock reopening where it was left, a killed one's lock.
source "$(dirname "$0")/lib.sh"

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@"; }
no_display --alarm >"$work/out" 2>"$work/err" && fail "an unknown option was taken"
[ ! -s "$work/out" ] && grep -q '^Usage: ' "$work/err" || fail "no usage on stderr"

start_window_manager
start_program
main=$(wait_for_window "$main_title")

keys() { xdotool windowactivate --sync "$main" key --delay 100 "$@"; }
# opens_and_closes TITLE KEY...: the keys open TITLE; the window manager closes it again.
opens_and_closes() {
    local title=$1
    shift
    keys "$@"
    wmctrl -i -c "$(wait_for_window "$title")"
    eventually '! xdotool search --onlyvisible --name "$title" >/dev/null 2>&1' || fail "'$title' stays"
}
opens_and_closes '^Vintrel Clock & Alarm - Alarm Settings$' ctrl+a
opens_and_closes '^Daily Notes$' ctrl+n
opens_and_closes '^About Vintrel Clock & Alarm$' alt+m Right Return

# outer: "X Y WIDTH HEIGHT" of the clock with the window manager's frame around it.
outer() {
    xwininfo -id "$(xwininfo -id "$main" -children | awk '/Parent window id/ { print $4 }')" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}
eventually 'read -r x y size < <(outer) && [ "$size" = "181 111" ]' || fail "the clock is $(outer)"
keys ctrl+s
eventually '[ "$(outer)" = "$x $y 310 319" ]' || fail "unfolded at $x $y, the clock is $(outer)"
keys ctrl+h
eventually '[ "$(outer)" = "$x $y 181 111" ]' || fail "folded at $x $y, the clock is $(outer)"

entry=$XDG_CONFIG_HOME/autostart/vintrel-clock.desktop
# start_at_login CONDITION: chooses Menu → Start at Login, then waits for CONDITION to hold.
start_at_login() {
    keys alt+m l
    eventually "$1" || fail "after Start at Login, not: $1"
}
start_at_login '[ -f "$entry" ]'
desktop-file-validate "$entry" || fail "the autostart entry is not valid"
grep -qx "Exec=$(realpath "$program")" "$entry" || fail "the entry starts: $(grep ^Exec "$entry")"
echo 'Hidden=true' >>"$entry"
start_at_login '[ -f "$entry" ] && ! grep -q Hidden "$entry"'
start_at_login '[ ! -e "$entry" ]'

xdotool windowminimize --sync "$main"
first_pid=$app_pid
start_program
wait_for_exit
app_pid=$first_pid
eventually '[ "$(xdotool getactivewindow)" = "$main" ]' || fail "the clock was not brought back"

xdotool windowmove --sync "$main" 300 200
read -r x y _ < <(outer)
wmctrl -i -c "$main"
wait_for_exit
# The outer corner, frame included, in twips: 15 to a pixel.
[ "$(stored Main left),$(stored Main top)" = "$((x * 15)),$((y * 15))" ] ||
    fail "stored $(stored Main left),$(stored Main top) twips for a window at $x,$y"
start_program
main=$(wait_for_window "$main_title")
eventually '[ "$(outer)" = "$x $y 181 111" ]' || fail "reopened at $(outer), left at $x $y"

kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
start_program
wait_for_window "$main_title" >/dev/null
echo "PASS: a day on the desktop, from the command line to a killed clock's lock taken over"
