#!/usr/bin/env bash
# The night summer time begins in Berlin (02:00 becomes 03:00), a daily 02:30 alarm and a
# one-off for the same minute ring once, together, as the clock reaches 03:00. Keys already
# being typed do not dismiss the notification; a second later Space does, the one-off is
# switched off and the daily alarm moves on to Monday.
source "$(dirname "$0")/lib.sh"
start_window_manager

cat > "$settings_file" <<'SETTINGS'
[AlarmSetting]
chkOn%200=1
comFreq%200=1
comDays%200=8
txtHr%200=02
txtMin%200=30
chkOn%201=1
comFreq%201=0
comDays%201=6
txtHr%201=02
txtMin%201=30
DateTime%201=46474.1041666667
SETTINGS
start_program TZ=Europe/Berlin LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
    FAKETIME='@2027-03-28 01:59:53'
wait_for_window '^Sunday 02:30 \(Next Alarm\)$' >/dev/null
notification=$(wait_for_window '^Alarm Notification$' 30)
xdotool windowactivate --sync "$notification" key Return
sleep 0.5
xdotool search --onlyvisible --name '^Alarm Notification$' >/dev/null ||
    fail "a key typed as the notification appeared dismissed it"
sleep 1
xdotool windowactivate --sync "$notification" key space

wait_for_window '^Monday 02:30 \(Next Alarm\)$' >/dev/null
[ "$(stored AlarmSetting 'DateTime%200')" = "46475.1041666667" ] ||
    fail "slot 0 stored for $(stored AlarmSetting 'DateTime%200'), expected Monday 02:30"
[ "$(stored AlarmSetting 'chkOn%201')" = "0" ] || fail "the one-off was not switched off"
echo "PASS: the alarm in the skipped hour rang at 03:00 and moved on to Monday"
