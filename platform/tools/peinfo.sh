#!/bin/bash
# peinfo.sh FIELD FILE
#
# Prints one field of a Windows program's version resource (.exe) or of an
# installer database's summary information (.msi) on standard output:
# ProductName, Subject, ProductVersion (as stored, blanks included) or
# FileType ("Win32 EXE", "Win64 EXE", "FPX" for an .msi, or whatever other
# type the file turns out to be). A field that the file does not carry prints
# nothing and still succeeds, so that the caller can try another field.
set -u

usage() {
    echo "usage: peinfo.sh ProductName|Subject|ProductVersion|FileType FILE" >&2
    exit 2
}

[ $# -eq 2 ] || usage
field=$1
file=$2

case "$field" in
    ProductName | Subject | ProductVersion | FileType) ;;
    *)
        echo "peinfo.sh: unknown field '$field'" >&2
        usage
        ;;
esac

if [ ! -f "$file" ] || [ ! -r "$file" ]; then
    echo "peinfo.sh: cannot read '$file'" >&2
    exit 1
fi

# -s3 prints the bare value; "--" keeps a file name starting with "-" a file.
exec exiftool -s3 -charset UTF8 "-$field" -- "$file"
