#!/usr/bin/env bash
# Gathers the program's translatable texts (tr() and QCoreApplication::translate in src/) into the
# seven files translations/sarvo_<code>.ts (ru, en, de, fr, es, it, pl), keeping the
# translations they hold; a new text arrives unfinished and waits for its translation. English
# is the source language: its file holds only the plural forms. Texts no longer in the sources
# are dropped; no source locations are kept (line numbers would change with every edit).
#
#   scripts/update-translations.sh [DIR]   update the .ts files in DIR (default translations/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/translations}"
lupdate="${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)/lupdate}"

mkdir -p "$dir"
options=(-silent -locations none -no-obsolete -source-language en -extensions cpp,h)
for code in ru de fr es it pl; do
    "$lupdate" "${options[@]}" -target-language "$code" "$root/src" -ts "$dir/sarvo_$code.ts"
done
"$lupdate" "${options[@]}" -pluralonly -target-language en "$root/src" -ts "$dir/sarvo_en.ts"
