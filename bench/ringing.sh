#!/usr/bin/env bash
# Ringing: from the first instant of the alarm's minute to the first pixels of the alarm
# notification on the X server, BENCH_RING_TRIALS times (default 20). The program runs
# under libfaketime with a relative offset in whole seconds that puts it at Monday
# 7 December 2026, 07:29:57 when it starts: the fake clock then keeps the real clock's
# fraction of a second, so 07:30:00.000 falls at a known real instant, and the probe (not
# under libfaketime) reads the real clock. A random pause before each trial varies the
# phase at which the program starts.
source "$(dirname "$0")/lib.sh"

trials=${BENCH_RING_TRIALS:-20}
store=$bench_work/alarm.conf
{ echo '[AlarmSetting]'; write_alarm 0 7 30; } > "$store"
fake_start=$(date -d '2026-12-07 07:29:57' +%s)
alarm_minute=$(date -d '2026-12-07 07:30:00' +%s)

lags=()
for trial in $(seq "$trials"); do
    sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
    now=$(date +%s)
    offset=$((fake_start - now))
    config=$(fresh_config "$store")
    line=$(XDG_CONFIG_HOME=$config "$BENCH_BIN/window_probe" "Alarm Notification" 0 \
        env LD_PRELOAD="$faketime_lib" FAKETIME="$(printf '%+d' "$offset")" "$PROGRAM")
    lags+=("$(($(field painted_epoch_ms <<< "$line") - (alarm_minute - offset) * 1000))")
done

sorted=$(printf '%s\n' "${lags[@]}" | sort -n)
printf 'Ringing, %d trials: notification painted this long after the alarm minute began:\n' "$trials"
printf '  median %s ms, min %s ms, max %s ms; over 1,000 ms: %d\n' \
    "$(median <<< "$sorted")" "$(head -n 1 <<< "$sorted")" "$(tail -n 1 <<< "$sorted")" \
    "$(awk '$1 > 1000' <<< "$sorted" | wc -l)"
echo "  each trial, in order (ms): ${lags[*]}"
