#!/usr/bin/env bash
# A real user service manager, as a desktop runs one, in a private mount namespace. Left running,
# the clock rings its daily alarm itself: the timer's start finds it and ends, one process, one
# ringing. Closed, it hands its next alarm over and says when it will start itself; the manager,
# which passes no display of its own, starts it from a folder whose name has a blank and a "%",
# and it rings in that minute. The next login's manager has the timer waiting again.
if [ -z "${VINTREL_PRIVATE_MOUNTS:-}" ]; then
    unshare --mount --propagation private true 2>/dev/null ||
        { echo "SKIP: no private mount namespace (unshare --mount) for a user service manager"; exit 77; }
    VINTREL_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
# systemd starts a user manager only where it runs the system: so it seems, in here alone.
{ [ -d /run/systemd ] && mount -t tmpfs tmpfs /run/systemd && mkdir /run/systemd/system; } ||
    { echo "SKIP: /run/systemd cannot be made to say that systemd runs"; exit 77; }
export HOME=$work/home
mkdir -p "$HOME"
manager_pid=""
start_manager() {
    env -u DISPLAY -u XAUTHORITY -u WAYLAND_DISPLAY /lib/systemd/systemd --user >>"$work/manager.log" 2>&1 &
    manager_pid=$!
    services+=("$manager_pid")
    eventually 'systemctl --user is-system-running 2>/dev/null | grep -qE "running|degraded"' 20 ||
        { echo "SKIP: the user service manager did not start: $(tail -n 3 "$work/manager.log")"; exit 77; }
}
timer_state() { systemctl --user show vintrel-clock-alarm.timer -p SubState --value; }
timer_set_for() { sed -n 's/^OnCalendar=//p' "$XDG_CONFIG_HOME/systemd/user/vintrel-clock-alarm.timer"; }
utc_minute() { date -u -d "@$1" '+%Y-%m-%d %H:%M:00 UTC'; }
clocks() { pgrep -c -x vintrel-clock || true; }

start_window_manager
start_notification_service
start_manager
folder="$work/Vintrel 100% clock"
mkdir -p "$folder" && cp "$program" "$(dirname "$program")"/vintrel-tone.so "$folder"/
program="$folder/vintrel-clock"

# Two daily alarms, in the next minute and the one after, with at least 20 s to go.
eventually '[ "$(date +%S)" -le 40 ]' 25
now=$(date +%s)
first=$((now - now % 60 + 60)) second=$((now - now % 60 + 120))
store_alarm 0 1 8 "$(date -d "@$first" +%H)" "$(date -d "@$first" +%M)"
store_alarm 1 1 8 "$(date -d "@$second" +%H)" "$(date -d "@$second" +%M)"
start_program
main=$(wait_for_window "^[A-Za-z]+day $(date -d "@$first" +%H:%M) \\(Next Alarm\\)$")
eventually '[ "$(timer_state)" = waiting ] && [ "$(timer_set_for)" = "$(utc_minute "$first")" ]' 10 ||
    fail "the timer is $(timer_state) for '$(timer_set_for)', not for $(utc_minute "$first")"

notification=$(wait_for_window '^Alarm Notification$' 70)
[ "$(date +%s)" -lt $((first + 10)) ] || fail "the alarm rang $(($(date +%s) - first)) s late"
service_ended() { systemctl --user show vintrel-clock-alarm.service -p ExecMainExitTimestampMonotonic -p ExecMainStatus -p ActiveState --value | tr '\n' ' '; }
eventually '[[ "$(service_ended)" =~ ^[1-9][0-9]*\ 0\ inactive\ $ ]]' 10 ||
    fail "the timer's start did not end quietly: $(systemctl --user status vintrel-clock-alarm.service 2>&1 | tail -n 5)"
[ "$(clocks) $(xdotool search --onlyvisible --name '^Alarm Notification$' | wc -l)" = "1 1" ] ||
    fail "$(clocks) clocks and more than one ringing"
xdotool windowactivate --sync "$notification" && sleep 1 && xdotool key Return
wait_for_window "^[A-Za-z]+day $(date -d "@$second" +%H:%M) \\(Next Alarm\\)$" >/dev/null
eventually '[ "$(timer_set_for)" = "$(utc_minute "$second")" ] && [ "$(timer_state)" = waiting ]' 10 ||
    fail "after Okay the timer is $(timer_state) for '$(timer_set_for)'"

wmctrl -i -c "$main" && wait_for_exit
grep -q "|Alarm set|The clock has been closed. It will start itself for the alarm on $(date -d "@$second" +%A\ %H:%M).|" "$calls" ||
    fail "the closing notice said: $(tail -n 1 "$calls")"
notification=$(wait_for_window '^Alarm Notification$' 70)
[ "$(date +%s)" -lt $((second + 10)) ] || fail "the closed clock rang $(($(date +%s) - second)) s late"
pgrep -f -x "$program --for-alarm" >/dev/null || fail "the clock that rang was not the timer's"
xdotool windowactivate --sync "$notification" && sleep 1 && xdotool key Return
eventually '[ "$(timer_set_for)" = "$(utc_minute $((first + 86400)))" ] && [ "$(timer_state)" = waiting ]' 10 ||
    fail "the closed clock's next alarm is not handed over: $(timer_state) for '$(timer_set_for)'"
wmctrl -c 'Next Alarm' && eventually '[ "$(clocks)" = 0 ]' 10 || fail "the timer's clock did not end"

kill "$manager_pid" && eventually '! kill -0 "$manager_pid" 2>/dev/null' 10
start_manager
eventually '[ "$(timer_state)" = waiting ]' 10 || fail "the next login's manager has the timer $(timer_state)"
echo "PASS: the running clock rang once beside the timer's start; closed, it was started for its" \
    "alarm and rang in its minute; the next manager has the timer waiting"
