#!/usr/bin/env bash
# A weekday alarm stored for 07:30 rings on Monday morning: the notification comes up by
# itself, "Okay" closes it, and the slot moves on to Tuesday in the settings file.
source "$(dirname "$0")/lib.sh"
start_window_manager

start_before_weekday_alarm '2026-12-07 07:29:52'
wait_for_window '^Monday 07:30 \(Next Alarm\)$' >/dev/null
notification=$(wait_for_window '^Alarm Notification$' 30)
xdotool windowactivate --sync "$notification" key space

wait_for_window '^Tuesday 07:30 \(Next Alarm\)$' >/dev/null
# 8 December 2026, 07:30
[ "$(stored AlarmSetting 'DateTime%200')" = "46364.3125" ] ||
    fail "slot 0 stored for $(stored AlarmSetting 'DateTime%200'), expected Tuesday 07:30"
[ "$(stored AlarmSetting 'chkOn%200')" = "1" ] || fail "the regular alarm was switched off"
echo "PASS: the alarm rang and moved on to Tuesday"
