#!/usr/bin/env bash
# Ctrl+T, 2, Return: a two-minute timer counts down in the title and rings in the second it
# ends, over the window in use and posted with its answers; the desktop notice's "snooze" rings
# it again a minute after that second. The program's clock is moved ahead between the rings:
# libfaketime reads its offset from a file that the test rewrites.
source "$(dirname "$0")/lib.sh"
start_window_manager
start_notification_service actions,body

offset_file=$work/offset
# jump_to EPOCH: the program's clock reads EPOCH now, and runs on from there.
jump_to() { echo "$(($1 - $(date +%s)))" > "$offset_file"; }
# fake_now: the program's clock, to the millisecond.
fake_now() { awk -v now="$(date +%s.%N)" -v offset="$(cat "$offset_file")" 'BEGIN { printf "%.3f", now + offset }'; }
monday_seven=$(TZ=Europe/London date -d '2026-12-07 07:00:00' +%s)
jump_to "$monday_seven"
printf '[AlarmSetting]\nsnooze=1\n' > "$settings_file"
start_program TZ=Europe/London LD_PRELOAD=$faketime FAKETIME_TIMESTAMP_FILE=$offset_file FAKETIME_NO_CACHE=1
main=$(wait_for_window "$main_title")
xdotool windowactivate --sync "$main" key ctrl+t
wait_for_window '^Timer$' >/dev/null
xdotool type 2 && xdotool key Return
wait_for_window '^Timer (2:00|1:59)$' >/dev/null
eventually 'end=$(stored AlarmSetting timerEnd) && [ -n "$end" ]' 5 || fail "the timer was not stored"
[ "$end" -ge $((monday_seven + 120)) ] && [ "$end" -le $((monday_seven + 125)) ] || fail "the timer ends at $end"

# rings_in_its_second END: the notification comes within END's second.
rings_in_its_second() {
    jump_to $(($1 - 3))
    wait_for_window '^Timer 0:0[1-3]$' >/dev/null
    notification=$(wait_for_window '^Alarm Notification$' 10)
    local late
    late=$(awk -v now="$(fake_now)" -v end="$1" 'BEGIN { printf "%.3f", now - end }')
    awk -v late="$late" 'BEGIN { exit !(late >= 0 && late < 1.3) }' || fail "the timer rang $late s after its end"
    eventually '[ "$(xdotool getactivewindow)" = "$notification" ]' 5 || fail "the notification is not over the window in use"
}
rings_in_its_second "$end"
answers='|actions=okay,Okay,snooze,Snooze 1 min,default,Show'
eventually 'id=$(grep -F "|Alarm 07:02 – Timer|" "$calls" | sed -n "s/.*|id=\([0-9]*\)$answers$/\1/p") && [ -n "$id" ]' 5 ||
    fail "the timer was not posted with its answers: $(cat "$calls")"
dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.example.NotificationStub.InvokeAction "uint32:$id" string:snooze
eventually '! xdotool search --onlyvisible --name "^Alarm Notification$" >/dev/null 2>&1' 5 ||
    fail "the timer's window stayed after its notice was snoozed"
[ "$(stored AlarmSetting timerEnd)" = $((end + 60)) ] || fail "snoozed to $(stored AlarmSetting timerEnd), not $((end + 60))"
rings_in_its_second $((end + 60))
sleep 1 && xdotool windowactivate --sync "$notification" key Return
wait_for_window "$main_title" >/dev/null
[ -z "$(stored AlarmSetting timerEnd)" ] || fail "the timer is still stored after Okay"
echo "PASS: the two-minute timer rang in its second, was snoozed from the desktop's notice and rang again in its second"
