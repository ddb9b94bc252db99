#!/usr/bin/env bash
# A screen reader user on Wayland with no X server: the time and status line are read, the alarm
# rings with a desktop notification, and "Okay", pressed over the accessibility bus, moves it on.
source "$(dirname "$0")/lib.sh"
unset DISPLAY
export WAYLAND_DISPLAY=wayland-e2e QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
background weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0
start_notification_service
background /usr/libexec/at-spi-bus-launcher --launch-immediately
eventually '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' || fail "the compositor did not start"
screen_reader() { /usr/bin/python3 "$(dirname "$0")/support/screen_reader.py" "$@"; }

store_alarm 0 1 7 07 30
start_program LD_PRELOAD=$faketime FAKETIME='@2026-12-07 07:29:45'
heard=$(screen_reader read 'Monday 07:30 (Next Alarm)') || fail "the clock was not found"
grep -qxE '7:(29:[45]|30:[0-5])[0-9] AM' <<<"$heard" || fail "no time of day among: $heard"
grep -qx 'Monday 07:30 (Next Alarm)' <<<"$heard" || fail "no status line among: $heard"

eventually 'grep -qx "Notify|Vintrel Clock & Alarm|Alarm 07:30|The time is now 07:30|urgency=2|timeout=0|replaces=0|id=42" "$calls"' ||
    fail "the notification did not reach the service, without answers as it takes none"
screen_reader press Okay || fail "no 'Okay' button on the accessibility bus"
eventually '[ "$(stored AlarmSetting DateTime%200)" = 46364.3125 ]' ||
    fail "the next alarm stored is '$(stored AlarmSetting DateTime%200)', not Tuesday 07:30"
echo "PASS: on Wayland alone the time and status were read, the alarm rang, was posted," \
    "and 'Okay' moved it to Tuesday 07:30"
