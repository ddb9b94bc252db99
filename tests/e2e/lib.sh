# Shared steps of the end-to-end tests: a private config and runtime directory, a window
# manager on the test's X server, and the program under test. Run under xvfb-run.
set -euo pipefail

program=${1:?usage: $0 path/to/vintrel-clock}
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
# The main window's title repeats its status line.
main_title='^Alarm is OFF$'
settings_file="$XDG_CONFIG_HOME/Vintrel Clock & Alarm.conf"
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null || true
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    # What was on the screen, and whether the program still ran, for the log.
    xwininfo -root -tree 2>/dev/null | grep -E '"[^"]+"' | grep -v -E 'openbox|Openbox' >&2 || true
    [ -n "$app_pid" ] && { kill -0 "$app_pid" 2>/dev/null && echo "the program still runs" >&2 ||
        echo "the program has ended" >&2; }
    kill -0 "${wm_pid:-0}" 2>/dev/null || echo "the window manager has ended" >&2
    exit 1
}

start_window_manager() {
    # The window manager announces itself before its event loop runs, and a window mapped
    # in between may never be managed. A request it can only answer from that loop shows
    # it is ready: asked for three desktops, it says so once it listens. Now and then it
    # stalls at start-up; a fresh one is started then.
    for _ in 1 2 3; do
        openbox --sm-disable >/dev/null 2>&1 &
        wm_pid=$!
        for _ in $(seq 50); do
            wmctrl -n 3 >/dev/null 2>&1 &&
                xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | grep -q '= 3$' && return 0
            sleep 0.1
        done
        kill -9 "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
    done
    fail "the window manager did not start"
}

# start_session_bus: a private D-Bus session bus, ended with the test.
start_session_bus() {
    { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork \
        --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS
}

# open_from_main WINDOW KEY TITLE-REGEX: the key on the main window opens TITLE; prints its id.
open_from_main() {
    xdotool windowactivate --sync "$1" key "$2"
    wait_for_window "$3"
}

# start_program [environment assignments...]: starts the clock in the background.
start_program() {
    env LC_ALL=en_US.UTF-8 "$@" "$program" &
    app_pid=$!
}

# wait_for_window TITLE-REGEX [SECONDS]: prints the id of the first window whose title matches.
wait_for_window() {
    local title=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled '$title' within ${seconds}s"
}

# wait_for_exit SECONDS: waits for the program to end and checks that it exited cleanly.
wait_for_exit() {
    local seconds=${1:-10}
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid" || fail "the program exited with status $?"
            app_pid=""
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end within ${seconds}s"
}

# stored SECTION KEY: a value of the settings file as the program wrote it.
stored() {
    awk -v section="[$1]" -v key="$2" '
        /^\[/ { in_section = ($0 == section) }
        in_section && index($0, key "=") == 1 { print substr($0, length(key) + 2) }
    ' "$settings_file"
}

# frame_of WINDOW: the window manager's frame around a window.
frame_of() {
    xwininfo -id "$1" -children | awk '/Parent window id/ { print $4 }'
}

# outer_geometry WINDOW: "X Y WIDTH HEIGHT" of the window with its frame.
outer_geometry() {
    xwininfo -id "$(frame_of "$1")" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

# start_before_weekday_alarm MOMENT: stores one alarm, Monday to Friday at 07:30, and starts
# the program with its clock at MOMENT.
start_before_weekday_alarm() {
    cat > "$settings_file" <<'SETTINGS'
[AlarmSetting]
chkOn%200=1
comFreq%200=1
comDays%200=7
txtHr%200=07
txtMin%200=30
SETTINGS
    start_program LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
        FAKETIME="@$1"
}

# eventually CONDITION: waits up to 15 s for the shell condition to hold.
eventually() {
    for _ in $(seq 150); do eval "$1" && return 0; sleep 0.1; done
    return 1
}
