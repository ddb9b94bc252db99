#!/usr/bin/env bash
# Set from the keyboard in the alarm settings: a Monday-Wednesday-Friday alarm rings on
# Wednesday and then shows Friday. A one-off on the date three weeks ahead, chosen in the
# calendar, is named by its date in the status line, rings on that date after a restart, and
# is off after it.
source "$(dirname "$0")/lib.sh"
start_window_manager

# open_settings KEYS...: opens the alarm settings from the clock and types the keys there.
open_settings() {
    xdotool windowactivate --sync "$main" key ctrl+a
    settings=$(wait_for_window '^Vintrel Clock & Alarm - Alarm Settings$')
    xdotool windowactivate --sync "$settings" key --delay 100 "$@"
}
# The rows below are off, so Tab passes from one row's name to the next row's check box.
to_save_from_row() { for _ in $(seq "$1" 14); do echo Tab; done; echo Tab; }

# Wednesday 9 December 2026, forty seconds before 07:30.
start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-09 07:29:20'
main=$(wait_for_window "$main_title")
# Row 1 on, regular, its last day entry; Monday is ticked, as the row's day was.
open_settings space Tab Down Tab End
wait_for_window '^Chosen Days$' >/dev/null
# Sunday comes first in an American week: Wednesday and Friday ticked.
xdotool key --delay 100 Tab Tab Tab space Tab Tab space Return
xdotool key --delay 100 Tab 0 7 Tab 3 0 Tab $(to_save_from_row 1) space
wait_for_window '^Wednesday 07:30 \(Next Alarm\)$' 5 >/dev/null
[ "$(stored AlarmSetting 'comFreq%200') $(stored AlarmSetting 'comDays%200') $(stored AlarmSetting 'days%200')" = "1 0 135" ] ||
    fail "row 1 stored as $(grep '%200=' "$settings_file" | tr '\n' ' ')"
wait_for_window '^Alarm Notification$' 45 >/dev/null
sleep 1 # keys in the notification's first second are taken for typing meant elsewhere
xdotool key Return
wait_for_window '^Friday 07:30 \(Next Alarm\)$' >/dev/null
wmctrl -i -c "$main" && wait_for_exit

# Thursday 10 December: row 1 off, row 2 once only on its last day entry, three weeks on.
start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-10 12:00:00'
main=$(wait_for_window '^Friday 07:30 \(Next Alarm\)$')
open_settings space Tab space Tab Tab End
wait_for_window '^Alarm Date$' >/dev/null
xdotool key --delay 100 Down Down Down Return
xdotool key --delay 100 Tab 0 7 Tab 3 0 Tab $(to_save_from_row 2) space
wait_for_window '^31 Dec 2026 07:30 \(Next Alarm\)$' 5 >/dev/null
[ "$(stored AlarmSetting 'comDays%201') $(stored AlarmSetting 'date%201')" = "3 46387" ] ||
    fail "row 2 stored as $(grep '%201=' "$settings_file" | tr '\n' ' ')"
wmctrl -i -c "$main" && wait_for_exit

start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-31 07:29:55'
main=$(wait_for_window '^Thursday 07:30 \(Next Alarm\)$')
wait_for_window '^Alarm Notification$' 20 >/dev/null
sleep 1
xdotool key Return
wait_for_window "$main_title" >/dev/null
[ "$(stored AlarmSetting 'chkOn%201')" = 0 ] || fail "the one-off on a date is still on"
echo "PASS: Monday, Wednesday and Friday rang on Wednesday and moved on to Friday;" \
    "a date three weeks on was named in the status line and rang once on it"
