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

# The catalogue service: when the assistant's built-in address is on this
# machine and nothing answers there, the reference service serves the sample
# catalogue for as long as the assistant runs.
service_url=$(sed -n 's/^LWA_SERVICE_BASE_URL:[A-Z]*=//p' "$build/CMakeCache.txt")
service_port=$(printf '%s\n' "$service_url" | sed -n 's#^http://\(127\.0\.0\.1\|localhost\):\([0-9]\+\)$#\2#p')
answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
service_pid=
if [ -n "$service_port" ] && ! answers "$service_port"; then
    service_state="${XDG_STATE_HOME:-$HOME/.local/state}/lirvan-catalogue-server"
    mkdir -p "$service_state/uploads"
    "$build/bin/lirvan-catalogue-server" --host 127.0.0.1 --port "$service_port" \
        --data "$build/catalogue-data" --uploads "$service_state/uploads" \
        --log "$service_state/requests.log" >/dev/null &
    service_pid=$!
    trap 'kill "$service_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        answers "$service_port" && break
        sleep 0.1
    done
fi

# The desktop's account services: with the reference catalogue service and
# no account service on the session bus, the stand-in lets the login be
# tried (it authorises the sample user alice at once).
account_pid=
has_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
if [ -n "$service_pid" ] && [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] \
    && ! has_owner com.lirvan.lirvanid.Client; then
    "$build/bin/lirvan-account-service" >/dev/null &
    account_pid=$!
    trap 'kill "$service_pid" "$account_pid" 2>/dev/null || true' EXIT
fi

if [ -z "$service_pid" ]; then
    exec "$build/bin/lirvan-wine-assist" "$@"
fi
"$build/bin/lirvan-wine-assist" "$@"
