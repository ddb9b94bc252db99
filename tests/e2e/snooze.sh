#!/usr/bin/env bash
# A named alarm rings at Monday 07:30 and S snoozes it. The snooze outlives a restart and rings at
# 07:40, posted with its answers; a click on the desktop's notice brings the clock's window to the
# front, its "snooze" answer moves the alarm to 07:50, and Menu → Cancel Snooze leaves Tuesday's.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_notification_service actions,body

store_alarm 0 1 8 07 30
echo 'label%200=Take the pills' >>"$settings_file"
start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-07 07:29:57'
wait_for_window '^Alarm Notification$' >/dev/null
sleep 1.2 # keys in the notification's first second are taken for typing meant elsewhere
xdotool key s
wmctrl -i -c "$(wait_for_window '^Monday 07:40 \(Next Alarm\)$')"
wait_for_exit
[ "$(stored AlarmSetting 'snoozeUntil%200')" = "46363.3194444444" ] || fail "the snooze is not stored"

start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-07 07:39:57'
main=$(wait_for_window '^Monday 07:40 \(Next Alarm\)$')
notification=$(wait_for_window '^Alarm Notification$')
posted='Notify|Vintrel Clock & Alarm|Alarm 07:40 – Take the pills|The time is now 07:40|urgency=2|timeout=0|replaces=0'
eventually 'grep -qF "$posted" "$calls"' 5 || fail "the service got: $(cat "$calls")"
id=$(grep -F "$posted" "$calls" | sed 's/.*|id=\([0-9]*\)|actions=okay,Okay,snooze,Snooze 10 min,default,Show$/\1/')
click() { dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.example.NotificationStub.InvokeAction "uint32:$id" "string:$1"; }
background xmessage -title 'Another program' 'typing here'
other=$(wait_for_window '^Another program$')
xdotool windowactivate --sync "$other"
click default
eventually '[ "$(xdotool getactivewindow)" = "$notification" ]' 5 ||
    fail "a click on the notice did not bring the alarm's window to the front"
click snooze
wait_for_window '^Monday 07:50 \(Next Alarm\)$' >/dev/null
xdotool search --onlyvisible --name '^Alarm Notification$' >/dev/null 2>&1 &&
    fail "the alarm's window stayed after its notice was answered"
xdotool windowactivate --sync "$main" key --delay 100 alt+m c
wait_for_window '^Tuesday 07:30 \(Next Alarm\)$' >/dev/null
[ -z "$(stored AlarmSetting 'snoozeUntil%200')" ] || fail "the cancelled snooze is still stored"
echo "PASS: snoozed by key and from the desktop's notice, across a restart, and cancelled"
