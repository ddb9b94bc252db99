#!/usr/bin/env bash
# The alarm settings are the clock's dialog: minimised, the clock goes with them, and the clock
# opened again from the task bar, or by a second start, brings them back in front.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_program
main=$(wait_for_window "$main_title")
xdotool windowactivate --sync "$main" key ctrl+a
settings=$(wait_for_window '^Vintrel Clock & Alarm - Alarm Settings$')
[ "$(xprop -id "$settings" WM_TRANSIENT_FOR | awk '{ print $NF }')" = "$(printf '0x%x' "$main")" ] ||
    fail "the settings are not the clock's dialog: $(xprop -id "$settings" WM_TRANSIENT_FOR)"

iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }
in_front() { ! iconic "$settings" && [ "$(xdotool getactivewindow)" = "$settings" ]; }
xdotool windowminimize --sync "$settings"
eventually 'iconic "$main"' 5 || fail "the settings were minimised without the clock"
xdotool windowactivate "$main" # as a task bar does
eventually in_front 5 || fail "the clock came back without its settings in front"

xdotool windowminimize --sync "$settings"
first_pid=$app_pid
start_program
wait_for_exit
app_pid=$first_pid
eventually in_front 5 || fail "a second start did not bring the settings back in front"
echo "PASS: the settings went with the clock, and came back in front with it, from the task bar and a second start"
