#!/usr/bin/env bash
# Brings translations/velmora_*.ts up to date with the texts of the code and of
# the layout file (new texts come in untranslated, texts gone are dropped).
# Usage: tools/update-translations.sh [BUILD_DIR]   (default: build)
# A new language: touch translations/velmora_LANG.ts, run this, translate.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target velmora-tsgen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/tsgen/velmora-tsgen" layout software/resources/settings_GUI.json "$work/layout-texts.cpp"
for ts in translations/velmora_*.ts; do
  [ -s "$ts" ] || printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s"></TS>\n' \
    "$(basename "$ts" .ts | sed 's/^velmora_//')" >"$ts"
done
lupdate -silent -locations none -no-obsolete software "$work/layout-texts.cpp" -ts translations/velmora_*.ts
