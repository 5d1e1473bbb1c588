#!/usr/bin/env bash
# Screenshots of the installed-applications page under a private X server.
# Usage: scripts/installedview-shots.sh [build directory] [output directory]
set -eu
build=${1:-build}
out=${2:-$build/shots/installedview}
cmake --build "$build" --parallel 2 --target lwa_installedviewshots lirvanwineassist_translations
mkdir -p "$out"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/lwa_installedviewshots" "$out"
