#!/usr/bin/env bash
# SIGKILL right after "Save Settings" loses nothing and leaves the file private; kills at
# random moments during saves leave a whole file every time.
source "$(dirname "$0")/lib.sh"
start_window_manager
next_alarm='\(Next Alarm\)$'

# kill_now WHAT: SIGKILL for the clock, which has just saved WHAT; the file stays private.
kill_now() {
    kill -9 "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    [ "$(stat -c %a "$settings_file" 2>&1)" = 600 ] ||
        fail "after $1, the file's mode: $(stat -c %a "$settings_file" 2>&1)"
}

# The first row switched on, then "Save Settings", at its place in the window.
start_program
settings=$(open_from_main "$(wait_for_window "$main_title")" ctrl+a 'Alarm Settings$')
xdotool windowactivate --sync "$settings" key space mousemove --window "$settings" 296 448 click 1
while xdotool search --onlyvisible --name 'Alarm Settings$' >/dev/null 2>&1; do sleep 0.01; done
kill_now "saving the alarms"
[ "$(stored AlarmSetting 'chkOn%200')" = 1 ] || fail "the alarm switched on was not saved"
[ "$(grep -c '^DateTime%20' "$settings_file")" = 15 ] || fail "not every slot was saved"

# Kills at random moments while the alarms are saved: the file is always whole.
RANDOM=6
for round in $(seq 8); do
    start_program
    settings=$(open_from_main "$(wait_for_window "$next_alarm")" ctrl+a 'Alarm Settings$')
    xdotool mousemove --window "$settings" 296 448 click 1
    sleep "0.0$((RANDOM % 10))"
    kill_now "round $round"
    keys=$(grep -c '%20' "$settings_file")
    [ "$keys" = 90 ] || fail "round $round: the file holds $keys slot keys after a kill"
    ls "$(dirname "$settings_file")" | grep -qv -e '\.conf$' -e '\.conf\.lock$' &&
        fail "round $round left $(ls "$(dirname "$settings_file")")"
done
echo "PASS: SIGKILL after a save and at random during saves: nothing lost, the file whole and private"
