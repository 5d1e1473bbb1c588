#!/usr/bin/env bash
# Configures and builds the project in build/ (shared by run.sh and test.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LWA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
