#!/bin/bash
# unzip.sh ARCHIVE DIR
#
# Unpacks the 7z archive ARCHIVE into DIR (created if missing) and succeeds
# only when every entry was unpacked. The archive is first unpacked into a
# fresh directory inside DIR and moved into place afterwards, so a corrupt or
# truncated archive leaves DIR as it was. Archives whose entries could land
# outside DIR (absolute paths, "..", entries below a symbolic link of the
# archive) are refused before anything is written.
set -u

die() {
    echo "unzip.sh: $*" >&2
    exit 1
}

if [ $# -ne 2 ] || [ -z "$2" ]; then
    echo "usage: unzip.sh ARCHIVE DIR" >&2
    exit 2
fi
archive=$1
dir=$2
[ -f "$archive" ] && [ -r "$archive" ] || die "cannot read '$archive'"

# Prints "unsafe PATH" for the first entry that could escape, nothing else.
# -p with an empty password keeps 7z from waiting for one.
listing=$(7z l -slt -p -- "$archive" </dev/null 2>/dev/null) || die "'$archive' is not a readable 7z archive"
unsafe=$(printf '%s\n' "$listing" | awk '
    /^----------$/ { body = 1; next }
    !body { next }
    /^Path = / { path = substr($0, 8); paths[++n] = path; next }
    /^Attributes = / && $0 ~ / l[rwx-]+$/ { links[path] = 1 }
    END {
        for (i = 1; i <= n; i++) {
            p = paths[i]
            if (p ~ /^\// || p ~ /(^|\/)\.\.(\/|$)/) { print "unsafe " p; exit }
            for (l in links)
                if (index(p, l "/") == 1) { print "unsafe " p; exit }
        }
    }')
[ -z "$unsafe" ] || die "refusing '$archive': entry '${unsafe#unsafe }' would leave the target directory"

mkdir -p -- "$dir" || die "cannot create '$dir'"
# A stopped unpack (time-out, cancelled installation) removes its staging
# folder too: TERM and INT end the script through the EXIT trap.
staging=
trap '[ -z "$staging" ] || rm -rf -- "$staging"' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
staging=$(mktemp -d "$dir/.unzip.XXXXXX") || die "cannot write to '$dir'"

7z x -y -bd -p -o"$staging" -- "$archive" </dev/null >/dev/null ||
    die "unpacking '$archive' failed"

# Moves the unpacked tree into place: directories merge, anything else is
# replaced. A symbolic link in DIR is replaced, never followed.
merge() {
    local from=$1 to=$2 entry name
    for entry in "$from"/* "$from"/.[!.]* "$from"/..?*; do
        [ -e "$entry" ] || [ -L "$entry" ] || continue
        name=${entry##*/}
        if [ -d "$entry" ] && [ ! -L "$entry" ] && [ -d "$to/$name" ] && [ ! -L "$to/$name" ]; then
            merge "$entry" "$to/$name" || return 1
        else
            rm -rf -- "${to:?}/$name" && mv -- "$entry" "$to/$name" || return 1
        fi
    done
}
merge "$staging" "$dir" || die "cannot move the unpacked files into '$dir'"
