#!/bin/bash
# fixbottle.sh BOTTLE
#
# Makes BOTTLE (created if missing) a working Wine prefix, imports the
# default font replacements and returns once the prefix's registry files
# are on disk.
set -u

die() {
    echo "fixbottle.sh: $*" >&2
    exit 1
}

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: fixbottle.sh BOTTLE" >&2
    exit 2
fi

root=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd) || die "cannot find the installation"
wine_bin=$root/lirvan-wine5-stable/bin
font_reg=$root/data/Depends/DefaultFont/font.reg

mkdir -p -- "$1" || die "cannot create '$1'"
WINEPREFIX=$(cd -- "$1" && pwd) || die "cannot enter '$1'"
export WINEPREFIX

# Updating a prefix may offer to download Mono and Gecko in a dialog, which
# would block an unattended preparation.
update_prefix() {
    WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" \
        "$wine_bin/wine" wineboot -u
}
# The first update of an unpacked prefix has been seen to fail on a busy
# machine. It is safe to repeat, so it gets one more try once the processes
# of the first have ended.
update_prefix || { "$wine_bin/wineserver" -w; update_prefix; } ||
    die "wineboot failed in '$WINEPREFIX'"
"$wine_bin/wine" regedit /S "$font_reg" || die "importing '$font_reg' failed"
# The Wine server writes the registry files when it exits.
"$wine_bin/wineserver" -w

for hive in system.reg user.reg; do
    [ -s "$WINEPREFIX/$hive" ] || die "'$WINEPREFIX/$hive' is missing"
done
