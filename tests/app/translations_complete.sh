#!/usr/bin/env bash
# Every text of the program has a finished translation in every language: lupdate reads the
# sources into a copy of each translation, where a text it adds, or one left unfinished, shows.
set -euo pipefail
lupdate=${1:?usage: $0 LUPDATE PROJECT_DIR}
project=${2:?usage: $0 LUPDATE PROJECT_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$project"/translations/*.ts "$scratch"
"$lupdate" -silent -locations none -no-obsolete "$project/src" -ts "$scratch"/*.ts
python3 - "$scratch"/*.ts <<'PYTHON'
import sys, xml.etree.ElementTree as tree
faults = []
for path in sys.argv[1:]:
    for context in tree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") == "unfinished" or not (translation.text or "").strip():
                faults.append(f"{path.rsplit('/', 1)[1]}: {context.findtext('name')}: {message.findtext('source')!r}")
print("\n".join(faults) or f"PASS: every text translated in {len(sys.argv) - 1} languages")
sys.exit(1 if faults else 0)
PYTHON
