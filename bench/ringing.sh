#!/usr/bin/env bash
# Ringing: from the first instant of the alarm's minute to the first pixels of the alarm
# notification on the X server, BENCH_RING_TRIALS times (default 20), with the beep and then
# with a sound file. The program runs under libfaketime with a relative offset in whole seconds
# that puts it at Monday 7 December 2026, 07:29:57 when it starts: the fake clock then keeps the
# real clock's fraction of a second, so 07:30:00.000 falls at a known real instant, and the
# probe (not under libfaketime) reads the real clock. A random pause before each trial varies
# the phase at which the program starts. With a sound file, a PulseAudio server with a null
# output plays it, and the moment its stream opens there is when the sound starts.
source "$(dirname "$0")/lib.sh"

trials=${BENCH_RING_TRIALS:-20}
beep_store=$bench_work/alarm.conf
{ echo '[AlarmSetting]'; write_alarm 0 7 30; } > "$beep_store"
sound_file=$bench_work/bell.wav
cp "$(dirname "$0")/../resources/beep.wav" "$sound_file"
sound_store=$bench_work/sound.conf
{ cat "$beep_store"; echo "sound=$sound_file"; } > "$sound_store"
fake_start=$(date -d '2026-12-07 07:29:57' +%s)
alarm_minute=$(date -d '2026-12-07 07:30:00' +%s)

pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-null-sink \
    --load=module-native-protocol-unix >/dev/null 2>&1 &
sound_server=$!
trap 'kill $sound_server 2>/dev/null; rm -rf "$bench_work"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# summary WHAT LAG...: the lags' median, least and most, and how many passed a second.
summary() {
    local what=$1 sorted
    shift
    sorted=$(printf '%s\n' "$@" | sort -n)
    printf '  %s: median %s ms, min %s ms, max %s ms; over 1,000 ms: %d\n' "$what" \
        "$(median <<< "$sorted")" "$(head -n 1 <<< "$sorted")" "$(tail -n 1 <<< "$sorted")" \
        "$(awk '$1 > 1000' <<< "$sorted" | wc -l)"
    echo "    each trial, in order (ms): $*"
}

# ring STORE SETTLE_MS [EVENTS]: one trial; sets `lag` and, with EVENTS, `sound_lag`, both in
# ms after the alarm minute began.
ring() {
    local now offset config line minute_ms watcher=""
    sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
    now=$(date +%s)
    offset=$((fake_start - now))
    minute_ms=$(((alarm_minute - offset) * 1000))
    config=$(fresh_config "$1")
    if [ -n "${3:-}" ]; then
        : > "$3"
        pactl subscribe 2>/dev/null | while IFS= read -r event; do echo "$(date +%s%3N) $event"; done > "$3" &
        watcher=$!
    fi
    line=$(XDG_CONFIG_HOME=$config "$BENCH_BIN/window_probe" "Alarm Notification" "$2" \
        env LD_PRELOAD="$faketime_lib" FAKETIME="$(printf '%+d' "$offset")" "$PROGRAM")
    lag=$(($(field painted_epoch_ms <<< "$line") - minute_ms))
    if [ -n "$watcher" ]; then
        pkill -P "$watcher" pactl 2>/dev/null || true
        kill "$watcher" 2>/dev/null || true
        sound_lag=$(($(awk "/'new' on sink-input/ { print \$1; exit }" "$3") - minute_ms))
    fi
}

beep_lags=()
for _ in $(seq "$trials"); do
    ring "$beep_store" 0
    beep_lags+=("$lag")
done
sound_lags=()
sound_starts=()
for _ in $(seq "$trials"); do
    ring "$sound_store" 1500 "$bench_work/events"
    sound_lags+=("$lag")
    sound_starts+=("$sound_lag")
done

printf 'Ringing, %d trials each, measured from the instant the alarm minute began:\n' "$trials"
summary "the notification painted, with the beep" "${beep_lags[@]}"
summary "the notification painted, with a sound file" "${sound_lags[@]}"
summary "the sound file's stream opened (the first beep is due 333 ms in)" "${sound_starts[@]}"
