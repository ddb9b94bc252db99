# Shared steps of the end-to-end tests: private folders, a window manager, a notification service.
set -euo pipefail

program=${1:?usage: $0 path/to/vintrel-clock}
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# The program speaks the desktop's language; these tests read its English texts.
unset QT_QPA_PLATFORM LANGUAGE
# No session bus but the tests' own: the program never reaches the desktop's services, nor the
# user's service manager, from a test.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
main_title='^Alarm is OFF$' # the status line, repeated
settings_file="$XDG_CONFIG_HOME/Vintrel Clock & Alarm.conf"
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
app_pid=""
services=()

trap 'kill $app_pid "${services[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    # What was on the screen, and whether the program still ran, for the log.
    xwininfo -root -tree 2>/dev/null | grep -E '"[^"]+"' | grep -v -i openbox >&2 || true
    [ -z "$app_pid" ] || kill -0 "$app_pid" 2>/dev/null || echo "the program has ended" >&2
    exit 1
}

# eventually CONDITION [SECONDS]: waits, 15 s unless told, for the shell condition to hold.
eventually() { for _ in $(seq $((${2:-15} * 10))); do eval "$1" && return 0; sleep 0.1; done; return 1; }

background() { "$@" >/dev/null 2>&1 & services+=($!); } # a service, ended with the test

start_window_manager() {
    # A window mapped before the window manager's event loop runs may never be managed.
    # Asked for three desktops, it says so once that loop listens. Now and then it stalls
    # at start-up; a fresh one is started then.
    for _ in 1 2 3; do
        background openbox --sm-disable
        eventually 'wmctrl -n 3 2>/dev/null &&
            xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | grep -q "= 3$"' 5 && return 0
        kill -9 "${services[-1]}" 2>/dev/null || true
    done
    fail "the window manager did not start"
}

# start_notification_service [CAPABILITIES]: a private session bus with a stub of the desktop
# notification service on it, which writes the calls it gets to $calls.
start_notification_service() {
    local bus_pid
    { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork \
        --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS
    services+=("$bus_pid")
    calls=$work/calls
    background /usr/bin/python3 "$(dirname "$0")/support/notification_stub.py" "$calls" ${1:+"$1"}
    eventually '[ -f "$calls" ]' || fail "the notification stub did not start"
}

# start_program [environment assignments...]: starts the clock in the background.
start_program() { env LC_ALL=en_US.UTF-8 "$@" "$program" & app_pid=$!; }

# wait_for_window TITLE-REGEX [SECONDS]: prints the id of a shown window whose title matches.
wait_for_window() {
    local title=$1 id
    eventually 'id=$(xdotool search --limit 1 --onlyvisible --name "$title" 2>/dev/null)' \
        "${2:-15}" || fail "no window titled '$title'"
    echo "$id"
}

# wait_for_exit: the program ends within 10 s, and with status 0.
wait_for_exit() {
    eventually '! kill -0 "$app_pid" 2>/dev/null' 10 || fail "the program did not end"
    wait "$app_pid" || fail "the program exited with status $?"; app_pid=""
}

# store_alarm SLOT FREQUENCY DAYS HOUR MINUTE [NEXT]: a slot switched on, as the program saves it.
store_alarm() {
    grep -qx '\[AlarmSetting\]' "$settings_file" 2>/dev/null || echo '[AlarmSetting]' >>"$settings_file"
    printf 'chkOn%%20%s=1\ncomFreq%%20%s=%s\ncomDays%%20%s=%s\ntxtHr%%20%s=%s\ntxtMin%%20%s=%s\nDateTime%%20%s=%s\n' \
        "$1" "$1" "$2" "$1" "$3" "$1" "$4" "$1" "$5" "$1" "${6:-0}" >>"$settings_file"
}

# stored SECTION KEY: a value of the settings file as the program wrote it.
stored() { sed -n "/^\[$1\]$/,/^\[/s/^$2=//p" "$settings_file"; }
