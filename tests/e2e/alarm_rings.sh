#!/usr/bin/env bash
# The night summer time begins in Berlin (02:00 becomes 03:00), a daily 02:30 alarm and a one-off
# ring once, together, at 03:00, over the window in use and posted, critical, with answers. A key
# typed at once does not dismiss it; a second later S snoozes both, withdraws the post, switches
# the one-off off and moves the daily alarm on to Monday. The snooze outlives a restart and rings
# at 03:10; the notice's "snooze" answer moves it to 03:20, and Menu → Cancel Snooze drops it.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_notification_service actions,body

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
answers='|actions=okay,Okay,snooze,Snooze 10 min,default,Show'
posted="Notify|Vintrel Clock & Alarm|Alarm 02:30|The time is now 02:30|urgency=2|timeout=0|replaces=0|id=42$answers"
eventually '[ "$(head -n 1 "$calls")" = "$posted" ]' 5 || fail "the service got: $(cat "$calls")"
sleep 1 # keys in the notification's first second are taken for typing meant elsewhere
xdotool search --onlyvisible --name '^Alarm Notification$' >/dev/null ||
    fail "a key typed as the notification appeared dismissed it"
xdotool key s

eventually '[ "$(sed -n 2p "$calls")" = "CloseNotification|42" ]' 5 ||
    fail "the notification was not withdrawn: $(cat "$calls")"
wait_for_window '^Sunday 03:10 \(Next Alarm\)$' >/dev/null
[ "$(stored AlarmSetting 'DateTime%200')" = "46475.1041666667" ] ||
    fail "slot 0 stored for $(stored AlarmSetting 'DateTime%200'), expected Monday 02:30"
[ "$(stored AlarmSetting 'chkOn%201') $(stored AlarmSetting 'snoozeUntil%201')" = "0 46474.1319444444" ] ||
    fail "the one-off was not switched off and snoozed"
wmctrl -c 'Daily Notes' && wmctrl -i -c "$main" && wait_for_exit

start_program TZ=Europe/Berlin LD_PRELOAD=$faketime FAKETIME='@2027-03-28 03:09:57'
main=$(wait_for_window '^Sunday 03:10 \(Next Alarm\)$')
wait_for_window '^Alarm Notification$' >/dev/null
eventually 'id=$(grep -F "|Alarm 03:10|" "$calls" | sed -n "s/.*|id=\([0-9]*\)$answers$/\1/p") && [ -n "$id" ]' 5 ||
    fail "the snooze was not posted with its answers: $(cat "$calls")"
dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.example.NotificationStub.InvokeAction "uint32:$id" string:snooze
wait_for_window '^Sunday 03:20 \(Next Alarm\)$' >/dev/null
xdotool search --onlyvisible --name '^Alarm Notification$' >/dev/null 2>&1 &&
    fail "the alarm's window stayed after its notice was answered"
xdotool windowactivate --sync "$main" key --delay 100 alt+m c
wait_for_window '^Monday 02:30 \(Next Alarm\)$' >/dev/null
[ -z "$(stored AlarmSetting 'snoozeUntil%201')" ] || fail "the cancelled snooze is still stored"
echo "PASS: the alarm in the skipped hour rang at 03:00, was posted, snoozed and moved on;" \
    "its snooze rang after a restart, was snoozed from the desktop's notice and cancelled"
