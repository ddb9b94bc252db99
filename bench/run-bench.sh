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
# The clock hands its alarms to a user service manager, as on a desktop: one runs for the
# benchmarks, in a private mount namespace where /run/systemd says that systemd runs.
if [ -z "${BENCH_PRIVATE_MOUNTS:-}" ] && unshare --mount --propagation private true 2>/dev/null; then
    BENCH_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
manager=""
trap 'kill $manager 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
manager_note="no user service manager: the hand-off is measured absent"
if [ -n "${BENCH_PRIVATE_MOUNTS:-}" ] && [ -d /run/systemd ] && mount -t tmpfs tmpfs /run/systemd &&
    mkdir /run/systemd/system; then
    # Every run's config folder links its systemd/ to the one this manager reads.
    export BENCH_UNITS=$XDG_RUNTIME_DIR/config/systemd
    mkdir -p "$BENCH_UNITS/user"
    XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config /lib/systemd/systemd --user >/dev/null 2>&1 &
    manager=$!
    for _ in $(seq 50); do
        systemctl --user is-system-running 2>/dev/null | grep -qE 'running|degraded' && break
        sleep 0.1
    done
    systemctl --user is-system-running 2>/dev/null | grep -qE 'running|degraded' &&
        manager_note="a user service manager runs: $(systemctl --user --version | head -n 1)"
fi

{
    echo "Vintrel Clock & Alarm benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git -C "$here" rev-parse --short HEAD 2>/dev/null || echo unknown)"
    echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name:\s*//p'), Linux $(uname -r)"
    echo "Command: make bench${BENCH_BASELINE:+, BENCH_BASELINE=$BENCH_BASELINE}"
    echo "Desktop: $manager_note"
    echo
    XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config QT_QPA_PLATFORM=offscreen "$BENCH_BIN/handoff_bench"
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
