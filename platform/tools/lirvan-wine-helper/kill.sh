#!/bin/bash
# WINEPREFIX=BOTTLE kill.sh services block
#
# Ends the Wine service processes (winedevice.exe, plugplay.exe,
# services.exe, svchost.exe, rpcss.exe) of the one bottle named by
# WINEPREFIX, which must lie under ~/.lirvanwine/: an installer that waits
# for them to go away can then finish. A process counts only when it is the
# user's own, its program is one of those services and its WINEPREFIX is
# that bottle; every other bottle and every program the user started is left
# alone. Without a bottle nothing is done.
set -u

if [ $# -ne 2 ] || [ "$1" != services ] || [ "$2" != block ]; then
    echo "usage: WINEPREFIX=BOTTLE kill.sh services block" >&2
    exit 2
fi

[ -n "${WINEPREFIX:-}" ] || {
    echo "kill.sh: WINEPREFIX names no bottle; nothing done" >&2
    exit 2
}
bottle=$(readlink -m -- "$WINEPREFIX")
bottles=$(readlink -m -- "$HOME/.lirvanwine")
# apps and icons hold what all bottles share; they are no bottle.
case "$bottle" in
    "$bottles"/apps | "$bottles"/icons) bottle= ;;
esac
case "$bottle" in
    "$bottles"/?*) ;;
    *)
        echo "kill.sh: '$WINEPREFIX' is not a bottle; nothing done" >&2
        exit 2
        ;;
esac

is_bottle_service() {
    local proc=$1 program prefix
    [ -O "$proc" ] || return 1
    IFS= read -r -d '' program <"$proc/cmdline" 2>/dev/null || return 1
    program=${program##*[\\/]}
    case "${program,,}" in
        winedevice.exe | plugplay.exe | services.exe | svchost.exe | rpcss.exe) ;;
        *) return 1 ;;
    esac
    prefix=$(tr '\0' '\n' <"$proc/environ" 2>/dev/null | sed -n 's/^WINEPREFIX=//p' | head -n 1)
    [ -n "$prefix" ] || return 1
    [ "$(readlink -m -- "$prefix")" = "$bottle" ]
}

services=()
for proc in /proc/[0-9]*; do
    [ "${proc#/proc/}" = "$$" ] && continue
    is_bottle_service "$proc" && services+=("${proc#/proc/}")
done
[ ${#services[@]} -gt 0 ] || exit 0

kill -TERM "${services[@]}" 2>/dev/null
# Give them a moment to go, then make sure.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    alive=()
    for pid in "${services[@]}"; do
        is_bottle_service "/proc/$pid" && alive+=("$pid")
    done
    [ ${#alive[@]} -gt 0 ] || exit 0
    sleep 0.2
done
kill -KILL "${alive[@]}" 2>/dev/null
exit 0
