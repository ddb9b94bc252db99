#!/usr/bin/env bash
# Idle: the clock's main window shown, fifteen alarms on and none due, nobody at the
# keyboard, beside a bare Qt window whose label and title change once a second: the least a
# clock's face can cost. A second clock has a timer running as well, counted down in its
# status line and title. As on a desktop, both run in one session bus (run this script inside
# dbus-run-session) with the accessibility bus up and accessibility off. They run at once
# and are measured over the same BENCH_IDLE_SECONDS (default 60), after 3 s to settle: CPU
# time from /proc/PID/task/*/schedstat (nanoseconds on a CPU) and wake-ups counted as
# voluntary context switches (a thread going to sleep, to be woken later), per thread. The
# absolute CPU figure moves from run to run and machine to machine; the ratio of the two
# does not.
source "$(dirname "$0")/lib.sh"
: "${DBUS_SESSION_BUS_ADDRESS:?run inside dbus-run-session}"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY AT_SPI_BUS_ADDRESS

seconds=${BENCH_IDLE_SECONDS:-60}
full_store=$bench_work/full.conf
write_full_store "$full_store"
timer_store=$bench_work/timer.conf
{ cat "$full_store"; echo '[AlarmSetting]'; echo "timerEnd=$(($(date +%s) + 6 * 3600))"; } > "$timer_store"

# The session's own, started as a desktop's autostart entry starts it.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
launcher=$!
trap 'kill "$launcher" 2>/dev/null; rm -rf "$bench_work"' EXIT
on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 50); do on_bus && break; sleep 0.1; done
accessibility=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled 2>&1 |
    sed -n 's/.*variant *boolean //p')

# start NAME PROGRAM [STORE_FILE] [ARGUMENTS...]: starts it with a config directory of its
# own; its pid goes to $bench_work/NAME.pid.
start() {
    local name=$1 program=$2 config
    config=$(fresh_config "${3:-}")
    shift 3
    XDG_CONFIG_HOME=$config "$program" "$@" &
    echo $! > "$bench_work/$name.pid"
}

# snapshot PID: one line per thread: "tid name on-cpu-ns voluntary-switches".
snapshot() {
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s %s\n' "${task##*/}" "$(tr ' ' '_' < "$task/comm")" \
            "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$task/status")"
    done 2>/dev/null
}

# The bare window takes the X setting the clock sets for itself (no shared-memory images),
# so that the ratio counts only what the clock does beyond its face.
QT_XCB_NO_MITSHM=1 start bare "$BENCH_BIN/bare_window" "" --tick
start clock "$PROGRAM" "$full_store"
# A runtime folder of its own, or it would give way to the first clock as a second start.
XDG_RUNTIME_DIR=$(mktemp -d -p "$bench_work") start timer "$PROGRAM" "$timer_store"
for name in bare clock timer; do
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$(cat "$bench_work/$name.pid")" >/dev/null 2>&1 && break
        sleep 0.1
    done
done
sleep 3
for name in bare clock timer; do snapshot "$(cat "$bench_work/$name.pid")" > "$bench_work/$name.before"; done
sleep "$seconds"
for name in bare clock timer; do snapshot "$(cat "$bench_work/$name.pid")" > "$bench_work/$name.after"; done
for name in bare clock timer; do
    kill "$(cat "$bench_work/$name.pid")"
    wait "$(cat "$bench_work/$name.pid")" 2>/dev/null || true
done

echo "Idle over ${seconds} s, side by side, in a session bus with the accessibility bus" \
     "(accessibility enabled: ${accessibility:-unknown}):"
# Threads born during the window start from zero. Prints the line, and the CPU time in ns
# to $bench_work/NAME.cpu.
for name in bare clock timer; do
    awk -v name="$name" -v s="$seconds" -v out="$bench_work/$name.cpu" '
        NR == FNR { cpu[$1] = $3; vol[$1] = $4; next }
        { dc = $3 - cpu[$1]; dv = $4 - vol[$1]; tc += dc; tv += dv
          per = per sprintf("%s %.2f/s, ", $2, dv / s) }
        END { sub(/, $/, "", per)
              label = name == "bare" ? "bare Qt window, ticking" : name == "clock" ? "clock, 15 alarms on, none due" : "the same, a timer running"
              printf "  %-32s CPU %.4f %% of a core   wake-ups %.2f/s   (%s)\n",
                     label, tc / s / 1e9 * 100, tv / s, per
              print tc > out }' \
        "$bench_work/$name.before" "$bench_work/$name.after"
done
awk -v bare="$(cat "$bench_work/bare.cpu")" -v clock="$(cat "$bench_work/clock.cpu")" \
    -v timer="$(cat "$bench_work/timer.cpu")" 'BEGIN {
        printf "  CPU of the clock against the ticking bare window: %.2f x; with a timer running: %.2f x\n",
               clock / bare, timer / bare }'
