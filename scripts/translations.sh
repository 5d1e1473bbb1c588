#!/usr/bin/env bash
# Refreshes the translation sources (src/translations/*.ts) from the program's
# tr() texts and lists every text that still needs a translation: in English
# all of them, in Chinese those whose source text is not Chinese. Translate
# them with Qt Linguist (linguist src/translations/lirvan-wine-assist_en.ts)
# or in the .ts file, then run this again until it lists nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LWA_BUILD_DIR:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" >/dev/null
fi
cmake --build "$build" --target update_translations >/dev/null
cmake --build "$build" --target tst_translations >/dev/null

# The test refreshes its own copies in the same way and names what is missing.
if "$root/tests/run-isolated.sh" -- "$build/tests/tst_translations" >"$build/translations.log" 2>&1; then
    echo "All texts are translated."
else
    grep -E '^(FAIL|[A-Za-z_]+ ")' "$build/translations.log" | sed 's/^FAIL.*returned FALSE. (//; s/)$//'
    exit 1
fi
