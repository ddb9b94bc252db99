#!/usr/bin/env bash
# Runs every benchmark and writes the figures to RESULTS_FILE as well as the terminal.
# BENCH_BIN names the directory of the benchmark programs, PROGRAM the clock itself.
# Shorter runs: BENCH_IDLE_SECONDS, VINTREL_BENCH_TICK_SECONDS, BENCH_RING_TRIALS,
# BENCH_STARTUP_RUNS (see each script for its default); BENCH_BASELINE, another build of the
# clock whose start-up is measured beside this one's.
set -euo pipefail
results=${1:?usage: $0 RESULTS_FILE}
here=$(dirname "$0")
: "${BENCH_BIN:?}" "${PROGRAM:?}"
export BENCH_BIN PROGRAM
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

{
    echo "Vintrel Clock & Alarm benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git -C "$here" rev-parse --short HEAD 2>/dev/null || echo unknown)"
    echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name:\s*//p'), Linux $(uname -r)"
    echo "Command: make bench${BENCH_BASELINE:+, BENCH_BASELINE=$BENCH_BASELINE}"
    echo
    QT_QPA_PLATFORM=offscreen "$BENCH_BIN/notes_bench"
    echo
    QT_QPA_PLATFORM=offscreen "$BENCH_BIN/alarm_bench"
    echo
    "$BENCH_BIN/translation_bench"
    echo
    xvfb-run -a -s "-screen 0 1280x1024x24 +extension DAMAGE" bash "$here/x-session.sh"
} 2>&1 | tee "$results"
echo "Figures written to $results"
