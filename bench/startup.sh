#!/usr/bin/env bash
# Start-up: from exec to the main window's first pixels on the X server, and peak memory
# (VmHWM, read 1.5 s after that paint), for the bare Qt window, the clock with an empty
# store and the clock with a full one, in English and in German. The three run in turn, BENCH_STARTUP_RUNS times
# (default 15) after one unrecorded round that warms the file cache; medians are reported.
# BENCH_BASELINE may name another build of the clock, measured in the same rounds with both
# stores: the "before" of a change, beside its "after".
source "$(dirname "$0")/lib.sh"

runs=${BENCH_STARTUP_RUNS:-15}
full_store=$bench_work/full.conf
write_full_store "$full_store"

# trial NAME STORE_FILE COMMAND...: appends "ms kb" to $bench_work/NAME.
trial() {
    local name=$1 config line
    config=$(fresh_config "$2")
    shift 2
    line=$(XDG_CONFIG_HOME=$config "$BENCH_BIN/window_probe" "" 1500 "$@")
    echo "$(field painted_ms <<< "$line") $(field peak_rss_kb <<< "$line")" >> "$bench_work/$name"
}

for round in $(seq 0 "$runs"); do
    trial bare "" "$BENCH_BIN/bare_window"
    trial empty "" "$PROGRAM"
    trial full "$full_store" "$PROGRAM"
    # The same in German: the cost of loading the translations, the program's and Qt's.
    trial full_german "$full_store" env LANGUAGE=de LC_ALL=de_DE.UTF-8 "$PROGRAM"
    if [ -n "${BENCH_BASELINE:-}" ]; then
        trial empty_baseline "" "$BENCH_BASELINE"
        trial full_baseline "$full_store" "$BENCH_BASELINE"
    fi
    # The warm-up round is not counted.
    [ "$round" -eq 0 ] && rm -f "$bench_work"/{bare,empty,full,full_german}{,_baseline}
done

bare_ms=$(cut -d' ' -f1 "$bench_work/bare" | median)
bare_kb=$(cut -d' ' -f2 "$bench_work/bare" | median)
echo "Start-up to the first painted window, median of $runs runs each:"
for name in bare empty full full_german ${BENCH_BASELINE:+empty_baseline full_baseline}; do
    ms=$(cut -d' ' -f1 "$bench_work/$name" | median)
    kb=$(cut -d' ' -f2 "$bench_work/$name" | median)
    awk -v n="$name" -v ms="$ms" -v kb="$kb" -v bms="$bare_ms" -v bkb="$bare_kb" 'BEGIN {
        label["bare"] = "bare Qt window"
        label["empty"] = "clock, empty store"
        label["full"] = "clock, 15 alarms + 1,000 notes"
        label["full_german"] = "the same, in German"
        label["empty_baseline"] = "baseline, empty store"
        label["full_baseline"] = "baseline, full store"
        printf "  %-32s %7.1f ms (%.2f x bare)   peak RSS %6.1f MiB (%.2f x bare)\n",
               label[n], ms, ms / bms, kb / 1024, kb / bkb }'
done
