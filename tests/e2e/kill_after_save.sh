#!/usr/bin/env bash
# SIGKILL right after each kind of save loses nothing: the alarm settings, a new note and
# a deleted note are all found by the next start, and the file stays private. Then kills
# at random moments during saves leave a whole file every time.
source "$(dirname "$0")/lib.sh"
start_window_manager
kills=0

kill_now() {
    kill -9 "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    kills=$((kills + 1))
}

# wait_for_stored SECTION KEY VALUE: until the file holds the value.
wait_for_stored() {
    for _ in $(seq 100); do
        [ -f "$settings_file" ] && [ "$(stored "$1" "$2")" = "$3" ] && return 0
        sleep 0.05
    done
    fail "[$1] $2 never became '$3'"
}

check_private() {
    [ "$(stat -c %a "$settings_file")" = 600 ] ||
        fail "the settings file has mode $(stat -c %a "$settings_file") after $1"
}

# Alarm settings: switch the first row on, "Save Settings", and kill as the window goes.
start_program
settings=$(open_from_main "$(wait_for_window "$main_title")" ctrl+a 'Alarm Settings$')
xdotool windowactivate --sync "$settings" key space
# "Save Settings", at its place in the window.
xdotool mousemove --window "$settings" 296 448 click 1
while xdotool search --onlyvisible --name 'Alarm Settings$' >/dev/null 2>&1; do sleep 0.01; done
kill_now
[ "$(stored AlarmSetting 'chkOn%200')" = 1 ] || fail "the alarm switched on was not saved"
[ "$(grep -c '^DateTime%20' "$settings_file")" = 15 ] || fail "not every slot was saved"
check_private "saving the alarms"
start_program
wait_for_window '\(Next Alarm\)$' >/dev/null
kill_now

# A new note: "Add Note", type, "Done"; killed as soon as the file holds it.
start_program
notes=$(open_from_main "$(wait_for_window '\(Next Alarm\)$')" ctrl+n '^Daily Notes$')
xdotool windowactivate --sync "$notes" key --delay 50 Tab Tab space
xdotool type --delay 20 'buy milk'
xdotool key --delay 50 Tab space
wait_for_stored Notes NumNotes 1
kill_now
[ "$(stored Notes Text1)" = "buy milk" ] || fail "the note reads '$(stored Notes Text1)'"
check_private "adding a note"

# The restart finds today's note and says so; then the note is deleted and killed again.
start_program
message=$(wait_for_window '^Vintrel Clock & Alarm$')
xdotool windowactivate --sync "$message" key Return
notes=$(open_from_main "$(wait_for_window '\(Next Alarm\)$')" ctrl+n '^Daily Notes$')
xdotool windowactivate --sync "$notes" key --delay 50 Tab Tab Tab space
question=$(wait_for_window '^Delete Notes$')
xdotool windowactivate --sync "$question" key y
wait_for_stored Notes NumNotes 0
kill_now
grep -q '^Text1=' "$settings_file" && fail "the deleted note is still stored"
check_private "deleting a note"
start_program
wait_for_window '\(Next Alarm\)$' >/dev/null
xdotool search --onlyvisible --name '^Vintrel Clock & Alarm$' >/dev/null 2>&1 &&
    fail "the deleted note was announced at start-up"
kill_now

# Kills at random moments while the alarms are saved: the file is always whole.
RANDOM=6
for round in $(seq 8); do
    start_program
    settings=$(open_from_main "$(wait_for_window '\(Next Alarm\)$')" ctrl+a 'Alarm Settings$')
    xdotool mousemove --window "$settings" 296 448 click 1
    sleep "0.0$((RANDOM % 10))"
    kill_now
    keys=$(grep -c '%20' "$settings_file")
    [ "$keys" = 90 ] || fail "round $round: the file holds $keys slot keys after a kill"
    ls "$(dirname "$settings_file")" | grep -qv -e '\.conf$' -e '\.conf\.lock$' &&
        fail "round $round left $(ls "$(dirname "$settings_file")")"
done
check_private "the saves under fire"
echo "PASS: $kills kills with SIGKILL, nothing lost, the file whole and private"
