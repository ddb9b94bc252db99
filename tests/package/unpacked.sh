#!/usr/bin/env bash
# The Debian package unpacked into a folder: the program answers --version without a display, its
# tone module lies where it looks, and the desktop entry and AppStream metadata are valid.
set -euo pipefail
deb=${1:?usage: $0 vintrel-clock_VERSION_ARCH.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/vintrel-clock" --version)
[ "$version" = "vintrel-clock $(dpkg-deb -f "$deb" Version)" ] || fail "--version printed '$version'"
tone_dir=lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/vintrel-clock
[ -f "$root/usr/$tone_dir/vintrel-tone.so" ] || fail "no tone module in /usr/$tone_dir"
strings -el "$root/usr/bin/vintrel-clock" | grep -xF "/../$tone_dir" >/dev/null ||
    fail "the program looks for it elsewhere"
desktop-file-validate "$root/usr/share/applications/vintrel-clock.desktop"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "the AppStream metadata is not valid"
echo "PASS: $(basename "$deb") unpacked: $version, its tone module and metadata in place"
