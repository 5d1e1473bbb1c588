#!/bin/bash
# mkicons.sh FILE PNG
#
# Writes the largest image of the Windows program's icon as a PNG file at
# PNG, creating its directory. The program's icon is its first icon group.
# A file without an icon leaves PNG untouched and fails.
set -u

die() {
    echo "mkicons.sh: $*" >&2
    exit 1
}

if [ $# -ne 2 ] || [ -z "$2" ]; then
    echo "usage: mkicons.sh FILE PNG" >&2
    exit 2
fi
file=$1
png=$2
[ -f "$file" ] && [ -r "$file" ] || die "cannot read '$file'"

# Also when stopped by TERM or INT, no temporary file stays behind.
work=
tmp=
trap 'rm -rf -- ${work:+"$work"} ${tmp:+"$tmp"}' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
work=$(mktemp -d "${TMPDIR:-/tmp}/mkicons.XXXXXX") || die "no temporary directory"

# Icon groups are resource type 14.
wrestool -x -t 14 -o "$work" -- "$file" 2>/dev/null
ico=$(find "$work" -maxdepth 1 -type f -name '*.ico' | sort | head -n 1)
[ -n "$ico" ] || die "'$file' has no icon"

# One line per image: --icon --index=N --width=W --height=H --bit-depth=B ...
best=$(icotool -l -- "$ico" 2>/dev/null |
    sed -n 's/.*--index=\([0-9]*\) --width=\([0-9]*\) .*--bit-depth=\([0-9]*\).*/\2 \3 \1/p' |
    sort -n -k1,1 -k2,2 | tail -n 1 | cut -d' ' -f3)
[ -n "$best" ] || die "cannot read the icon of '$file'"

icotool -x -i "$best" -o "$work/icon.png" -- "$ico" 2>/dev/null && [ -s "$work/icon.png" ] ||
    die "cannot extract the icon of '$file'"

dir=$(dirname -- "$png")
mkdir -p -- "$dir" || die "cannot create '$dir'"
# Write beside the target and rename, so no half-written PNG is ever seen.
tmp=$(mktemp "$dir/.mkicons.XXXXXX") || die "cannot write to '$dir'"
if ! cp -- "$work/icon.png" "$tmp" || ! chmod 644 -- "$tmp" || ! mv -f -- "$tmp" "$png"; then
    die "cannot write '$png'"
fi
tmp=
