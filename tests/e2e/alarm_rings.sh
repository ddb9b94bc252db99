#!/usr/bin/env bash
# The night summer time begins in Berlin (02:00 becomes 03:00), a daily 02:30 alarm and a one-off
# ring once, together, at 03:00, over the window in use and posted, critical. A key typed at once
# does not dismiss it; a second later Space does, withdraws the post, switches the one-off off and
# moves the daily alarm on to Monday.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_notification_service

store_alarm 0 1 8 02 30
store_alarm 1 0 6 02 30 46474.1041666667
SECONDS=0
start_program TZ=Europe/Berlin LD_PRELOAD=$faketime FAKETIME='@2027-03-28 01:59:50'
main=$(wait_for_window '^Sunday 02:30 \(Next Alarm\)$')
xdotool windowactivate --sync "$main" key ctrl+n && wait_for_window '^Daily Notes$' >/dev/null
notification=$(wait_for_window '^Alarm Notification$' 30)
# Ten seconds after 01:59:50 it is 03:00; bash counts whole seconds.
[ "$SECONDS" -ge 9 ] || fail "the alarm rang after $SECONDS s, before 03:00"
eventually '[ "$(xdotool getactivewindow)" = "$notification" ]' 5 ||
    fail "the notification did not come over the window in use"
xdotool key Return
posted='Notify|Vintrel Clock & Alarm|Alarm 02:30|The time is now 02:30|urgency=2|timeout=0|replaces=0|id=42'
eventually '[ "$(head -n 1 "$calls")" = "$posted" ]' 5 || fail "the service got: $(cat "$calls")"
sleep 1 # keys in the notification's first second are taken for typing meant elsewhere
xdotool search --onlyvisible --name '^Alarm Notification$' >/dev/null ||
    fail "a key typed as the notification appeared dismissed it"
xdotool key space

eventually '[ "$(sed -n 2p "$calls")" = "CloseNotification|42" ]' 5 ||
    fail "the notification was not withdrawn: $(cat "$calls")"
wait_for_window '^Monday 02:30 \(Next Alarm\)$' >/dev/null
[ "$(stored AlarmSetting 'DateTime%200')" = "46475.1041666667" ] ||
    fail "slot 0 stored for $(stored AlarmSetting 'DateTime%200'), expected Monday 02:30"
[ "$(stored AlarmSetting 'chkOn%201')" = "0" ] || fail "the one-off was not switched off"
echo "PASS: the alarm in the skipped hour rang at 03:00, was posted and withdrawn, and moved on"
