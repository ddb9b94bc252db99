#!/usr/bin/env bash
# A ringing alarm is also posted, critical and with its time, to the desktop notification
# service on the session bus, and withdrawn when "Okay" closes the notification window.
source "$(dirname "$0")/lib.sh"
start_window_manager

# A private session bus with a stub of the notification service on it.
start_session_bus
trap 'kill "${stub_pid:-}" 2>/dev/null; cleanup' EXIT
/usr/bin/python3 "$(dirname "$0")/support/notification_stub.py" "$work/calls" "$work/ready" &
stub_pid=$!
for _ in $(seq 100); do [ -f "$work/ready" ] && break; sleep 0.1; done
[ -f "$work/ready" ] || fail "the notification stub did not start"

start_before_weekday_alarm '2026-12-07 07:29:55'
notification=$(wait_for_window '^Alarm Notification$' 30)
for _ in $(seq 50); do grep -q '^Notify' "$work/calls" 2>/dev/null && break; sleep 0.1; done
expected='Notify|Vintrel Clock & Alarm|Alarm 07:30|The time is now 07:30|urgency=2|id=42'
[ "$(cat "$work/calls")" = "$expected" ] || fail "the service got: $(cat "$work/calls")"

sleep 1 # keys in its first second are taken for typing meant elsewhere
xdotool windowactivate --sync "$notification" key space
for _ in $(seq 50); do grep -q '^CloseNotification' "$work/calls" && break; sleep 0.1; done
[ "$(sed -n 2p "$work/calls")" = "CloseNotification|42" ] ||
    fail "the notification was not withdrawn: $(cat "$work/calls")"
wait_for_window '^Tuesday 07:30 \(Next Alarm\)$' >/dev/null
echo "PASS: the alarm was posted to the notification service and withdrawn on 'Okay'"
