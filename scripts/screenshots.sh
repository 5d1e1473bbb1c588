#!/usr/bin/env bash
# Screenshots of every window and page of the assistant in English and in
# Chinese, taken under Xvfb at the windows' real sizes, into
# build/screenshots/<language>/ (or the directory given). Texts that need more
# room than their widget has are listed on standard output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LWA_BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"

cmake --build "$build" --target lwa_screenshots lwa_catalogueshots lwa_installedviewshots \
    lwa_archiveshots >/dev/null
for locale in en_US.UTF-8 zh_CN.UTF-8; do
    dir="$out/${locale%%.*}"
    rm -rf "$dir"
    echo "== $locale: $dir"
    "$root/tests/run-isolated.sh" --xvfb -- "$build/bin/lwa_screenshots" "$locale" "$dir" 2>/dev/null
    # The catalogue pages in their states (details, versions, search, failure).
    "$root/tests/run-isolated.sh" --xvfb -- env LC_ALL="$locale" \
        "$build/bin/lwa_catalogueshots" "$dir/catalogue" >/dev/null 2>&1
    "$root/tests/run-isolated.sh" --xvfb -- env LC_ALL="$locale" \
        "$build/bin/lwa_installedviewshots" "$dir/installed" >/dev/null 2>&1
    # The main window backing up and restoring an application.
    "$root/tests/run-isolated.sh" --xvfb -- \
        "$build/bin/lwa_archiveshots" "$locale" "$dir/archive" >/dev/null 2>&1
done
