#!/usr/bin/env bash
# Idle: the clock's main window shown, fifteen alarms on and none due, nobody at the
# keyboard. Over BENCH_IDLE_SECONDS (default 60), after 3 s to settle: CPU time from
# /proc/PID/task/*/schedstat (nanoseconds on a CPU) and wake-ups counted as voluntary
# context switches (a thread going to sleep, to be woken later), per thread. The bare Qt
# window is measured the same way, for comparison.
source "$(dirname "$0")/lib.sh"

seconds=${BENCH_IDLE_SECONDS:-60}
full_store=$bench_work/full.conf
write_full_store "$full_store"

# snapshot PID: one line per thread: "tid name on-cpu-ns voluntary-switches".
snapshot() {
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s %s\n' "${task##*/}" "$(tr ' ' '_' < "$task/comm")" \
            "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$task/status")"
    done 2>/dev/null
}

# measure LABEL PROGRAM [STORE_FILE]
measure() {
    local config pid before after
    config=$(fresh_config "${3:-}")
    XDG_CONFIG_HOME=$config "$2" &
    pid=$!
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 3
    before=$(snapshot "$pid")
    sleep "$seconds"
    after=$(snapshot "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # Threads born during the window start from zero.
    awk -v label="$1" -v s="$seconds" '
        NR == FNR { cpu[$1] = $3; vol[$1] = $4; next }
        { dc = $3 - cpu[$1]; dv = $4 - vol[$1]; tc += dc; tv += dv
          if (dv > 0) per = per sprintf("%s %.2f/s, ", $2, dv / s) }
        END { sub(/, $/, "", per)
              printf "  %-32s CPU %.4f %% of a core   wake-ups %.2f/s   (%s)\n",
                     label, tc / s / 1e9 * 100, tv / s, per }' \
        <(echo "$before") <(echo "$after")
}

echo "Idle over ${seconds} s (CPU as a share of one core; wake-ups per second, by thread):"
measure "bare Qt window" "$BENCH_BIN/bare_window"
measure "clock, 15 alarms on, none due" "$PROGRAM" "$full_store"
