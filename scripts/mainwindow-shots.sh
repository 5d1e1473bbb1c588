#!/usr/bin/env bash
# Screenshots of the main window at 1050 x 700 on each page: the catalogue
# with the sample catalogue served, the installed applications, a search
# result and the account menu of a logged-in user, in English and Chinese
# (one folder each). The program runs in a temporary home on a private X
# server and session bus.
# Usage: scripts/mainwindow-shots.sh [build directory] [output directory]
set -eu
build=${1:-build}
out=${2:-$build/shots/mainwindow}
cmake --build "$build" --parallel 2 --target lwa_mainwindowshots lirvanwineassist_translations
mkdir -p "$out"
out=$(cd "$out" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
for locale in en_US.UTF-8 zh_CN.UTF-8; do
    "$root/tests/run-isolated.sh" --xvfb --dbus -- env LC_ALL="$locale" \
        "$build/bin/lwa_mainwindowshots" "$out/${locale%%.*}"
done
