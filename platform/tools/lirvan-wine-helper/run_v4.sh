#!/bin/bash
# run_v4.sh -c | -u [FILE]
#
# Start shell of a recommended configuration's bottle. The package's
# files/run.sh sets these variables and hands its arguments to this script:
#   BOTTLENAME        name of the application's own prefix ~/.lirvanwine/NAME
#   ARCHIVE_FILE_DIR  the package's files/ directory, holding the prefix
#                     archive files.7z
#   APPRUN_CMD        the Wine program to run the application with
#   EXEC_PATH         the program to start, a Windows path inside the prefix
#   PATCH_LOADER_ENV  "LD_PRELOAD=<library>", used when the library exists
#   FILEDLG_PLUGIN    file-dialog helper, passed on when it exists
#
#   -c        creates the prefix from the archive if it is missing and
#             initialises it
#   -u [FILE] starts the program in the prefix (creating it first if needed),
#             with FILE, a path or a file:// URL, as its argument
set -u

die() {
    echo "run_v4.sh: $*" >&2
    exit 1
}

usage() {
    echo "usage: run_v4.sh -c | -u [FILE]" >&2
    exit 2
}

[ $# -ge 1 ] || usage
case "${BOTTLENAME:-}" in
    # apps and icons are the folders every bottle shares, never a prefix.
    "" | . | .. | */* | apps | icons) die "BOTTLENAME '${BOTTLENAME:-}' is not a bottle name" ;;
esac
[ -n "${APPRUN_CMD:-}" ] || die "APPRUN_CMD is not set"

# A half-unpacked prefix is removed also when the script is stopped.
staging=
trap '[ -z "$staging" ] || rm -rf -- "$staging"' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

tools=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd) || die "cannot find the helper scripts"
prefix=$HOME/.lirvanwine/$BOTTLENAME

wine_server() {
    local beside
    beside=$(dirname -- "$APPRUN_CMD")/wineserver
    if [ -x "$beside" ]; then
        printf '%s\n' "$beside"
    else
        command -v wineserver || printf '%s\n' /usr/lib/wine/wineserver
    fi
}

# Unpacks the prefix archive next to the prefix and renames it into place,
# so a failed unpack never leaves a half prefix behind.
create_prefix() {
    local archive=${ARCHIVE_FILE_DIR:-}/files.7z
    [ -d "$prefix" ] && return 0
    [ -f "$archive" ] || die "no prefix archive '$archive'"
    mkdir -p -- "$HOME/.lirvanwine" || die "cannot create '$HOME/.lirvanwine'"
    staging=$(mktemp -d "$HOME/.lirvanwine/.$BOTTLENAME.XXXXXX") || die "cannot unpack into '$HOME/.lirvanwine'"
    if ! "$tools/unzip.sh" "$archive" "$staging" || ! mv -T -- "$staging" "$prefix"; then
        die "cannot create '$prefix' from '$archive'"
    fi
    staging=
}

# Lets Wine complete the prefix (registry, system files) and waits until the
# registry is written.
init_prefix() {
    [ -s "$prefix/system.reg" ] && [ -s "$prefix/user.reg" ] && return 0
    WINEPREFIX=$prefix "$APPRUN_CMD" wineboot -u || die "wineboot failed in '$prefix'"
    WINEPREFIX=$prefix "$(wine_server)" -w
}

# file:///a%20b or /a b -> Z:\a b; anything else is passed on unchanged.
windows_argument() {
    local arg=$1
    case "$arg" in
        file://*)
            arg=${arg#file://}
            arg=$(printf '%b' "${arg//%/\\x}")
            ;;
    esac
    case "$arg" in
        /*) printf 'Z:%s\n' "${arg//\//\\}" ;;
        *) printf '%s\n' "$arg" ;;
    esac
}

run_program() {
    local command=() dir library
    [ -n "${EXEC_PATH:-}" ] || die "EXEC_PATH is not set"
    library=${PATCH_LOADER_ENV:-}
    library=${library#LD_PRELOAD=}
    if [ -n "$library" ] && [ -f "$library" ]; then
        command+=("LD_PRELOAD=$library")
    fi
    if [ -n "${FILEDLG_PLUGIN:-}" ] && [ -e "$FILEDLG_PLUGIN" ]; then
        export FILEDLG_PLUGIN
    else
        unset FILEDLG_PLUGIN
    fi
    command+=("$APPRUN_CMD" "$EXEC_PATH")
    [ $# -gt 0 ] && [ -n "$1" ] && command+=("$(windows_argument "$1")")

    # Start in the program's own directory, as Windows does.
    dir=$prefix
    case "$EXEC_PATH" in
        [Cc]:\\*\\*)
            dir=${EXEC_PATH%\\*}
            dir=$prefix/drive_c/${dir:3}
            dir=${dir//\\//}
            ;;
    esac
    cd -- "$dir" 2>/dev/null || cd -- "$prefix" || die "cannot enter '$prefix'"
    WINEPREFIX=$prefix exec env "${command[@]}"
}

case "$1" in
    -c)
        [ $# -eq 1 ] || usage
        create_prefix
        init_prefix
        ;;
    -u)
        [ $# -le 2 ] || usage
        shift
        create_prefix
        run_program "$@"
        ;;
    *) usage ;;
esac
