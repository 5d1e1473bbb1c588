#!/usr/bin/env bash
# Screenshots of the catalogue pages (list, details, version list, search
# result, empty and failure states, search field) with the sample catalogue,
# under a private X server: scripts/catalogue-screenshots.sh [OUTDIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LWA_BUILD_DIR:-$root/build}"
out="${1:-$build/catalogue-shots}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target lwa_catalogueshots
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/lwa_catalogueshots" "$out" 2>/dev/null
echo "screenshots in $out"
