#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the clock, and nothing
# when they are all present. Uses sudo when not run as root.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6
    # the translations: Qt Linguist's tools build them, Qt's own come with the program
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # run: the beep, the sound files (WAV, Ogg, FLAC, MP3) and the platform plugins Qt picks
    # at run time, X11 and Wayland
    qt6-qpa-plugins qt6-wayland gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    # the Debian package: its dependencies read off the binaries; it and the autostart
    # entry checked as the desktop would
    dpkg-dev file desktop-file-utils appstream
    # end-to-end tests: a virtual X server, a window manager, window and clock control,
    # and a Wayland compositor without X
    xvfb xauth openbox wmctrl xdotool x11-utils faketime libfaketime weston
    # end-to-end tests: a private session bus, a notification service stub, the
    # accessibility bus and its Python client
    dbus-daemon python3 python3-dbus python3-gi at-spi2-core python3-pyatspi
    # benchmarks: the X DAMAGE headers of the probe that sees windows painted, and a sound
    # server with a null output for the alarm's sound file to play into
    libxdamage-dev pulseaudio pulseaudio-utils
    # screenshots for the README
    imagemagick fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
