#!/usr/bin/env bash
# Takes a screenshot of the clock as a user sees it: a window manager on a virtual X
# server, a settings directory of its own. Usage:
#   scripts/screenshot.sh OUTPUT.png [TITLE-REGEX [KEYS...]]
# waits for the window TITLE-REGEX (the main window by default) after sending KEYS to the
# main window, and saves that window with its frame. For a dark desktop, Debian's qt6ct with its
# "darker" colours: XDG_CONFIG_HOME/qt6ct/qt6ct.conf holding
#   [Appearance]
#   color_scheme_path=/usr/share/qt6ct/colors/darker.conf
#   custom_palette=true
# and QT_QPA_PLATFORMTHEME=qt6ct in the environment.
set -euo pipefail
[ -n "${DISPLAY_FOR_SCREENSHOT:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" \
    env DISPLAY_FOR_SCREENSHOT=1 "$0" "$@"

output=$(realpath -m "$1")
title=${2:-}
shift $(($# > 1 ? 2 : 1))
program=${PROGRAM:-build/src/vintrel-clock}
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}

openbox --sm-disable >/dev/null 2>&1 &
sleep 1
"$program" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
sleep 2
main=$(xdotool search --onlyvisible --pid $app | head -n 1)
for key in "$@"; do
    xdotool windowactivate --sync "$main" key "$key"
    sleep 1
done
window=$main
[ -z "$title" ] || window=$(xdotool search --onlyvisible --name "$title" | head -n 1)
sleep 1
# The frame belongs to the window manager's parent window.
frame=$(xwininfo -id "$window" -children | awk '/Parent window id/ { print $4 }')
import -window "$frame" "$output"
echo "$output"
