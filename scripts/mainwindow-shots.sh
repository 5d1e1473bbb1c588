#!/usr/bin/env bash
# Screenshots of the main window at 1050 x 700 on each page: the catalogue
# with the sample catalogue served, the installed applications, a search
# result and the account menu of a logged-in user. The program runs in a
# temporary home on a private X server and session bus.
# Usage: scripts/mainwindow-shots.sh [build directory] [output directory]
set -eu
build=${1:-build}
out=${2:-$build/shots/mainwindow}
cmake --build "$build" --parallel 2 --target lwa_mainwindowshots lirvanwineassist_translations
mkdir -p "$out"
out=$(cd "$out" && pwd)
"$build/bin/lwa_mainwindowshots" "$out"
