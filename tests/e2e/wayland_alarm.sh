#!/usr/bin/env bash
# In a Wayland session with no X server at all, the clock starts, rings with a desktop
# notification, and "Okay", pressed through the accessibility bus, moves the alarm on.
source "$(dirname "$0")/lib.sh"
unset DISPLAY
export WAYLAND_DISPLAY=wayland-e2e QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >/dev/null 2>&1 &
weston_pid=$!
start_notification_service
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" "$weston_pid" 2>/dev/null; cleanup' EXIT
eventually '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' || fail "the compositor did not start"

start_before_weekday_alarm '2026-12-07 07:29:55'
eventually 'grep -q "^Notify|Vintrel Clock & Alarm|Alarm 07:30|" "$calls" 2>/dev/null' ||
    fail "no notification reached the service"
/usr/bin/python3 "$(dirname "$0")/support/press_button.py" "Vintrel Clock & Alarm" Okay ||
    fail "no 'Okay' button on the accessibility bus"
eventually '[ "$(stored AlarmSetting DateTime%200)" = 46364.3125 ]' ||
    fail "the next alarm stored is '$(stored AlarmSetting DateTime%200)', not Tuesday 07:30"
echo "PASS: on Wayland alone the alarm rang, was posted, and 'Okay' moved it to Tuesday 07:30"
