#!/usr/bin/env bash
# Runs one test program in a throw-away home: HOME and the XDG directories
# point into a fresh temporary directory that is removed afterwards, the GUI
# runs on the offscreen platform (or a private X server with --xvfb), and
# --dbus gives the test a private session bus.
set -u

use_xvfb=0
use_dbus=0
while [ $# -gt 0 ]; do
    case "$1" in
        --xvfb) use_xvfb=1 ;;
        --dbus) use_dbus=1 ;;
        --) shift; break ;;
        *) echo "run-isolated.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/lwa-test.XXXXXX") || exit 2
cleanup() {
    # Processes left behind by the test (Wine servers of prefixes inside the
    # sandbox, services the test started) must not outlive it.
    local environ pid
    for environ in $(grep -lzxF "HOME=$HOME" /proc/[0-9]*/environ 2>/dev/null); do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" = "$$" ] || kill -KILL "$pid" 2>/dev/null
    done
    rm -rf "$sandbox"
}
trap cleanup EXIT

export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_STATE_HOME="$HOME/.local/state"
export XDG_RUNTIME_DIR="$sandbox/runtime"
export TMPDIR="$sandbox/tmp"
mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
    "$XDG_STATE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset WINEPREFIX DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export WINEDEBUG=-all
export LC_ALL=C.UTF-8
# Tells a test program that it already runs in its own home.
export LWA_TEST_ISOLATED=1

command=("$@")
if [ "$use_dbus" = 1 ]; then
    command=(dbus-run-session -- "${command[@]}")
fi
if [ "$use_xvfb" = 1 ]; then
    unset QT_QPA_PLATFORM
    command=(xvfb-run -a -s "-screen 0 1280x1024x24" "${command[@]}")
else
    unset DISPLAY WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=offscreen
fi

"${command[@]}"
