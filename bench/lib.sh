# Shared steps of the benchmarks that run the real program on an X server: stores to start
# from, a private config directory per run, and small statistics. Sourced, never run.
set -euo pipefail

: "${BENCH_BIN:?the directory of the benchmark programs}"
: "${PROGRAM:?the path of vintrel-clock}"
export TZ=Europe/London LC_ALL=C.UTF-8
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
settings_name='Vintrel Clock & Alarm.conf'
bench_work=$(mktemp -d)
trap 'rm -rf "$bench_work"' EXIT

# fresh_config [STORE_FILE]: a new config directory, holding a copy of the store if given.
fresh_config() {
    local dir
    dir=$(mktemp -d -p "$bench_work")
    [ -n "${1:-}" ] && cp "$1" "$dir/$settings_name"
    [ -n "${BENCH_UNITS:-}" ] && ln -s "$BENCH_UNITS" "$dir/systemd"
    echo "$dir"
}

# write_alarm SLOT HOUR MINUTE: a slot switched on, ringing every day at HOUR:MINUTE.
write_alarm() {
    printf 'chkOn%%20%d=1\ncomFreq%%20%d=1\ncomDays%%20%d=8\ntxtHr%%20%d=%02d\ntxtMin%%20%d=%02d\n' \
        "$1" "$1" "$1" "$1" "$2" "$1" "$3"
}

# write_full_store FILE: fifteen alarms on, none due for hours, and 1,000 notes on the days
# from tomorrow on, so no note is today's and no start-up message waits for an answer.
write_full_store() {
    local hour today slot n
    hour=$(( (10#$(date +%H) + 12) % 24 ))
    today=$(( $(date -u -d "$(date +%F)" +%s) / 86400 + 25569 ))
    {
        echo '[AlarmSetting]'
        echo 'dur=5'
        for slot in $(seq 0 14); do write_alarm "$slot" "$hour" "$((slot * 3))"; done
        echo '[Notes]'
        echo 'NumNotes=1000'
        for n in $(seq 1 1000); do
            echo "Day$n=$((today + n))"
            echo "Text$n=\"Note number $n, a line of ordinary length.\""
        done
    } > "$1"
}

# median: the middle of the numbers on standard input.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# field NAME: the value of NAME=value in the probe's line on standard input.
field() {
    tr ' ' '\n' | sed -n "s/^$1=//p"
}
