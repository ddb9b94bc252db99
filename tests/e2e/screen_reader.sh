#!/usr/bin/env bash
# A screen reader on the accessibility bus (AT-SPI) reads the main window's time and
# status line.
source "$(dirname "$0")/lib.sh"
start_window_manager

start_session_bus
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null; cleanup' EXIT

start_program QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME='@2026-12-07 07:29:50'
wait_for_window "$main_title" >/dev/null
heard=$(/usr/bin/python3 "$(dirname "$0")/support/read_clock.py" "Vintrel Clock & Alarm") ||
    fail "the clock was not found on the accessibility bus"
grep -qx '7:29:5[0-9] AM' <<<"$heard" || fail "no time of day among: $heard"
grep -qx 'Alarm is OFF' <<<"$heard" || fail "no status line among: $heard"
echo "PASS: the screen reader heard the time and 'Alarm is OFF'"
