#!/usr/bin/env bash
# Every text of the program has a finished translation in every language: lupdate reads the
# sources into a copy of each translation, where a text it adds, or one left unfinished, shows.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "${2:?usage: $0 LUPDATE PROJECT_DIR}"/translations/*.ts "$scratch"
"$1" -silent -locations none -no-obsolete "$2/src" -ts "$scratch"/*.ts
! grep -B 1 'type="unfinished"' "$scratch"/*.ts || { echo "FAIL: the texts above are not translated"; exit 1; }
echo "PASS: every text translated in $(ls "$scratch" | wc -l) languages"
