#!/usr/bin/env bash
# The benchmarks that need an X server, run inside xvfb-run: a window manager as on a
# desktop, then start-up, idle, ticking and ringing in turn.
set -euo pipefail
here=$(dirname "$0")

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
trap 'kill "$wm_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done

bash "$here/startup.sh"
echo
dbus-run-session -- bash "$here/idle.sh"
echo
TZ=Europe/London LC_ALL=C.UTF-8 "$BENCH_BIN/tick_bench"
echo
bash "$here/ringing.sh"
