#!/usr/bin/env bash
# Installs what is missing, builds, installs the helper scripts and Wine
# wrappers the assistant calls, and starts the assistant.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${LWA_BUILD_DIR:-$root/build}"

"$root/scripts/deps.sh"
"$root/scripts/build.sh"

# The assistant finds its helper scripts, Wine wrappers and data under the
# install root (/opt/lirvan-wine-assist unless configured otherwise).
if [ "$(id -u)" -eq 0 ]; then
    cmake --install "$build" >/dev/null
else
    sudo cmake --install "$build" >/dev/null
fi

exec "$build/bin/lirvan-wine-assist" "$@"
