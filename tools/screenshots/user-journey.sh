#!/usr/bin/env bash
# Uses the whole program the way a user does, on a private X server
# (1280 x 1024) and a private session bus, in a throw-away home: starts the
# assistant without arguments, browses the catalogue, installs "Foo App"
# from the catalogue, hands a local installer (the foo-setup.exe test
# program) to the running assistant as a second start does, finds both in
# the installed list, starts the catalogue application through the desktop's
# start manager, uninstalls the other one, and installs and uninstalls a
# second catalogue application whose package shares Foo App's menu entry and
# icon names. The mouse and keyboard are
# driven with xdotool; a screenshot of the screen is written after each step.
#
# Usage: tools/screenshots/user-journey.sh OUTPUT-DIRECTORY [BUILD-DIRECTORY]
# Takes a few minutes (two real Wine installations). Exits non-zero when a
# step does not show the expected result; the assistant's log and the
# catalogue service's request log are copied into the output directory.
set -euo pipefail

if [ "${1:-}" = "--inside" ]; then
    inside=1
    shift
else
    inside=0
fi
[ $# -ge 1 ] || { echo "usage: $0 OUTPUT-DIRECTORY [BUILD-DIRECTORY]" >&2; exit 2; }
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=$(cd "${2:-$root/build}" && pwd)

if [ "$inside" = 0 ]; then
    for tool in xvfb-run dbus-run-session xdotool xwininfo import; do
        command -v "$tool" >/dev/null || { echo "$tool is missing; run scripts/deps.sh" >&2; exit 2; }
    done
    cmake --build "$build" --parallel 2 --target lirvan-wine-assist lirvan-catalogue-server \
        lirvan-account-service lirvan-start-manager lwa_platform lwa_fixtures \
        lwa_sample_catalogue lirvanwineassist_translations >/dev/null

    sandbox=$(mktemp -d "${TMPDIR:-/tmp}/lwa-journey.XXXXXX")
    export HOME="$sandbox/home"
    cleanup() {
        # Whatever still runs in the throw-away home (Wine servers, the
        # services started below) ends with it.
        local environ pid
        for environ in $(grep -lzxF "HOME=$HOME" /proc/[0-9]*/environ 2>/dev/null); do
            pid=${environ#/proc/}
            pid=${pid%/environ}
            [ "$pid" = "$$" ] || kill -KILL "$pid" 2>/dev/null || true
        done
        rm -rf "$sandbox"
    }
    trap cleanup EXIT
    # The home must be set before the session bus starts: the start manager
    # it activates launches the applications with the bus's environment.
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
    export XDG_RUNTIME_DIR="$sandbox/runtime" TMPDIR="$sandbox/tmp"
    mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME/lirvan" "$XDG_DATA_HOME/dbus-1/services" \
        "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$TMPDIR"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    unset WINEPREFIX DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
    export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=C.UTF-8

    # The helper scripts, Wine wrappers and data of the build tree, and its
    # start manager, which the private bus starts on demand.
    platform="$build/platform-root"
    cat >"$XDG_CONFIG_HOME/lirvan/lirvan-wine-assist.conf" <<EOF
[General]
tool=$platform/tools/
lirvan-wine-helper=$platform/tools/lirvan-wine-helper/
wine=$platform/lirvan-wine5-stable/bin/wine
wine64=$platform/lirvan-wine5-stable/bin/wine64
config-data=$platform/data
local_path=$platform/data/Depends/DefaultBottle/files.7z
EOF
    cp "$build/dbus-1/services/com.lirvan.SessionManager.service" "$XDG_DATA_HOME/dbus-1/services/"

    status=0
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$0" --inside "$out" "$build" || status=$?
    exit "$status"
fi

# --- On the private X server and session bus -------------------------------

assistant="$build/bin/lirvan-wine-assist"
installed_file="$HOME/.quennet/appinstallinfo.json"
state="$XDG_STATE_HOME/journey"
mkdir -p "$state/uploads"
step=0
failures=0

shot() {
    step=$((step + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$out" "$step" "$1")
    import -window root "$file"
    echo "wrote $file"
}

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.5
    done
}

answers() { (exec 3<>"/dev/tcp/127.0.0.1/18080") 2>/dev/null; }

# Origin "X Y" of the assistant's mapped top-level window of the given size.
window_at() {
    xwininfo -root -children 2>/dev/null \
        | sed -n "s/.*(\"lirvan-wine-assist\" \"lirvan-wine-assist\")  $1x\([0-9-]*\)+\([0-9-]*\)+\([0-9-]*\) .*/\1 \2 \3/p" \
        | while read -r height x y; do
            [ "$height" = "$2" ] && { echo "$x $y"; break; }
        done
}

# Clicks at X Y relative to the window whose origin is in $origin.
click() {
    local x y
    read -r x y <<<"$origin"
    xdotool mousemove $((x + $1)) $((y + $2)) click "${3:-1}"
    sleep 0.6
}

has_window() { [ -n "$(window_at "$1" "$2")" ]; }

installed() { grep -q "\"$1\": {" "$installed_file" 2>/dev/null; }

# Answers the uninstall confirmation with its right-hand button (卸载) once it
# shows; a screenshot named $1 shows what it said.
confirm_uninstall() {
    local dialog geometry x y w h
    wait_for 10 sh -c "xdotool search --onlyvisible --name '^卸载\$' >/dev/null" \
        || { fail "no uninstall confirmation"; return; }
    sleep 0.5
    shot "$1"
    dialog=$(xdotool search --onlyvisible --name '^卸载$' | head -1)
    geometry=$(xdotool getwindowgeometry --shell "$dialog")
    x=$(sed -n 's/^X=//p' <<<"$geometry")
    y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    xdotool mousemove $((x + w * 3 / 4)) $((y + h - 22)) click 1
    sleep 0.6
}

finish() {
    cp "$XDG_CACHE_HOME/lirvan-wine-assist/lirvan-wine-assist.log" "$out/assistant.log" 2>/dev/null || true
    cp "$state/requests.log" "$out/catalogue-requests.log" 2>/dev/null || true
    [ -z "${assistant_pid:-}" ] || kill "$assistant_pid" 2>/dev/null || true
    [ -z "${account_pid:-}" ] || kill "$account_pid" 2>/dev/null || true
    [ -z "${service_pid:-}" ] || kill "$service_pid" 2>/dev/null || true
}
trap finish EXIT

# The reference catalogue service with the sample catalogue, and the
# stand-in account service of the desktop.
if answers; then
    echo "port 18080 is taken; the journey needs the reference catalogue service there" >&2
    exit 2
fi
"$build/bin/lirvan-catalogue-server" --host 127.0.0.1 --port 18080 --data "$build/catalogue-data" \
    --uploads "$state/uploads" --log "$state/requests.log" >"$state/service.out" 2>&1 &
service_pid=$!
"$build/bin/lirvan-account-service" >"$state/account.out" 2>&1 &
account_pid=$!
wait_for 10 answers || { echo "the catalogue service did not start" >&2; exit 1; }
wait_for 10 grep -q ready "$state/account.out" || { echo "the account service did not start" >&2; exit 1; }

# 1. The assistant without arguments: the main window with the catalogue.
"$assistant" >"$state/assistant.out" 2>&1 &
assistant_pid=$!
wait_for 20 has_window 1050 700 || { echo "no main window" >&2; exit 1; }
main=$(window_at 1050 700)
# The catalogue's application icons are downloaded into the cache.
wait_for 20 test -s "$XDG_CACHE_HOME/lirvan-wine-assist/icons/apps/Foo App/icon" \
    || fail "the catalogue icons did not arrive"
sleep 1
shot catalogue

# 2. Foo App's details, then its install button: a modal install dialog.
origin=$main
click 565 128
shot catalogue-details
click 901 661
wait_for 240 installed "Foo App" || fail "Foo App was not installed from the catalogue"
sleep 1
shot catalogue-install-done
origin=$(window_at 380 362)
[ -n "$origin" ] || fail "no install dialog"
click 140 339 # close
[ -z "$(window_at 380 362)" ] || fail "the install dialog stayed open"

# 3. A local installer handed over by a second start, as a file manager's
#    "open with" does: a stand-alone install window opens.
"$assistant" "$build/fixtures/foo-setup.exe" >"$state/second.out" 2>&1 || true
wait_for 20 has_window 380 362 || fail "no install window for foo-setup.exe"
sleep 3 # the file's version information is read
shot local-file-window
origin=$(window_at 380 362)
click 86 295  # agree to the privacy agreement
click 189 339 # next: the configurations for this product
sleep 2
shot local-file-configurations
click 37 247  # the default configuration: run the installer itself
click 240 339 # install
sleep 3
shot local-file-installing
wait_for 300 installed "Foo" || fail "foo-setup.exe was not installed"
sleep 1
shot local-file-install-done
click 139 339 # close
sleep 0.5

# 4. Both in the installed list, newest first.
origin=$main
click 76 122
sleep 1
shot installed-list

# 5. Start Foo App (second row) from its context menu: the start manager
#    launches its menu entry and foo.exe runs in the application's prefix.
ran="$HOME/.lirvanwine/Foo App_alice_1.2.3/drive_c/Program Files/Foo/foo-ran.txt"
click 285 190 3
shot installed-context-menu
xdotool key Down Return
wait_for 60 test -s "$ran" || fail "Foo App did not run"
grep -h 'Launched .*foo-app.desktop (process' "$XDG_CACHE_HOME/lirvan-wine-assist/lirvan-wine-assist.log" \
    || fail "the start manager did not report the launch"
cat "$ran" 2>/dev/null || true
shot started

# 6. Uninstall Foo (first row), the last entry of its context menu, and
#    confirm that its folder may go.
click 303 142 3
xdotool key Up Return
confirm_uninstall uninstall-confirmation
wait_for 60 sh -c "! grep -q '\"Foo\": {' '$installed_file'" || fail "Foo was not uninstalled"
sleep 1
shot uninstalled
[ ! -e "$HOME/.lirvanwine/apps/Foo_1.0" ] || fail "Foo's bottle is still there"
installed "Foo App" || fail "uninstalling Foo removed Foo App"

# 7. Bar Reader from the catalogue: its package brings a menu entry of the
#    same name as Foo App's, which must still start Foo App afterwards.
click 76 74
sleep 0.5
click 404 134
wait_for 240 installed "Bar Reader" || fail "Bar Reader was not installed from the catalogue"
sleep 1
shot second-catalogue-install-done
origin=$(window_at 380 362)
[ -z "$origin" ] || click 140 339
origin=$main
grep -q "Foo App_alice_1.2.3/files/run.sh" "$XDG_DATA_HOME/applications/foo-app.desktop" \
    || fail "installing Bar Reader took over Foo App's menu entry"
grep -lq "Bar Reader_2/files/run.sh" "$XDG_DATA_HOME"/applications/*.desktop \
    || fail "Bar Reader has no menu entry"
click 76 122
sleep 1
shot installed-list-with-bar-reader

# 8. Uninstalling Bar Reader (first row) leaves Foo App's menu entry and its
#    icon, which have the same names as Bar Reader's, in place.
click 303 142 3
xdotool key Up Return
confirm_uninstall bar-reader-uninstall-confirmation
wait_for 60 sh -c "! grep -q '\"Bar Reader\": {' '$installed_file'" || fail "Bar Reader was not uninstalled"
sleep 1
shot installed-list-final
grep -q "Foo App_alice_1.2.3/files/run.sh" "$XDG_DATA_HOME/applications/foo-app.desktop" \
    || fail "uninstalling Bar Reader removed Foo App's menu entry"
[ -e "$XDG_DATA_HOME/icons/hicolor/48x48/apps/foo-app.png" ] \
    || fail "uninstalling Bar Reader removed Foo App's icon"

if [ "$failures" -ne 0 ]; then
    echo "$failures step(s) failed; screenshots in $out" >&2
    exit 1
fi
echo "journey complete; screenshots in $out"
