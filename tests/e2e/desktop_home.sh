#!/usr/bin/env bash
# At home on a desktop: the command line answers without a display; a settings file others
# could read is made private at start; "Start at Login" writes the autostart entry, writes
# it afresh after the desktop's own settings switched it off, and removes it.
source "$(dirname "$0")/lib.sh"

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@"; }
[ "$(no_display --version)" = "vintrel-clock 3.0.1" ] || fail "--version printed otherwise"
no_display --help | grep -q -- '--version' || fail "--help does not list --version"
no_display --alarm >"$work/out" 2>"$work/err" && fail "an unknown option was taken"
[ ! -s "$work/out" ] && grep -q '^Usage: ' "$work/err" || fail "no usage on stderr"

printf '[Main]\ntop=0\n' >"$settings_file"
chmod 644 "$settings_file"
start_window_manager
start_program
main=$(wait_for_window "$main_title")
[ "$(stat -c %a "$settings_file")" = 600 ] || fail "the settings file is $(stat -c %a "$settings_file")"

entry=$XDG_CONFIG_HOME/autostart/vintrel-clock.desktop
# start_at_login CONDITION: chooses Menu → Start at Login, then waits for CONDITION to hold.
start_at_login() {
    xdotool windowactivate --sync "$main" key --delay 100 alt+m l
    eventually "$1" || fail "after Start at Login, not: $1"
}
start_at_login '[ -f "$entry" ]'
desktop-file-validate "$entry" || fail "the autostart entry is not valid"
grep -qx "Exec=$(realpath "$program")" "$entry" || fail "the entry starts: $(grep ^Exec "$entry")"
echo 'Hidden=true' >>"$entry"
start_at_login '[ -f "$entry" ] && ! grep -q Hidden "$entry"'
start_at_login '[ ! -e "$entry" ]'
echo "PASS: --version, --help and a bad option without a display; the file made 0600;" \
    "the autostart entry written, renewed and removed"
