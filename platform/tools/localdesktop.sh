#!/bin/bash
# localdesktop.sh NAME -l
#     Prints, one per line, the desktop entries that Wine's menu integration
#     created for the bottle ~/.lirvanwine/apps/NAME (and for the application's
#     own prefix ~/.lirvanwine/NAME that a recommended configuration runs in):
#     shortcuts on the user's desktop first, then menu entries under
#     applications/wine/.
# localdesktop.sh NAME
#     Removes those entries together with the menu files, icons and file
#     associations that Wine created for them. Icons and menu folders that
#     other entries still use are kept.
#
# An entry belongs to the bottle when its Exec line sets WINEPREFIX to one of
# those paths, as Wine writes it.
set -u

usage() {
    echo "usage: localdesktop.sh NAME [-l]" >&2
    exit 2
}

[ $# -ge 1 ] && [ $# -le 2 ] || usage
name=$1
list_only=0
if [ $# -eq 2 ]; then
    [ "$2" = "-l" ] || usage
    list_only=1
fi
case "$name" in
    "" | . | .. | */*)
        echo "localdesktop.sh: invalid bottle name '$name'" >&2
        exit 2
        ;;
esac

prefix=$HOME/.lirvanwine/apps/$name
own_prefix=$HOME/.lirvanwine/$name
data=${XDG_DATA_HOME:-$HOME/.local/share}
config=${XDG_CONFIG_HOME:-$HOME/.config}
applications=$data/applications
merged_menus=$config/menus/applications-merged

desktop_dirs() {
    local xdg_dir=""
    if command -v xdg-user-dir >/dev/null 2>&1; then
        xdg_dir=$(xdg-user-dir DESKTOP 2>/dev/null)
    fi
    printf '%s\n' "$HOME/Desktop"
    if [ -n "$xdg_dir" ] && [ "$xdg_dir" != "$HOME/Desktop" ] && [ "$xdg_dir" != "$HOME" ]; then
        printf '%s\n' "$xdg_dir"
    fi
}

belongs_to_bottle() {
    grep -q -F -e "WINEPREFIX=\"$prefix\"" -e "WINEPREFIX=\"$prefix/\"" \
        -e "WINEPREFIX=\"$own_prefix\"" -e "WINEPREFIX=\"$own_prefix/\"" -- "$1" 2>/dev/null
}

# Every desktop entry that may carry Wine's integration, one path per line.
all_entries() {
    local dir
    while IFS= read -r dir; do
        find "$dir" -maxdepth 1 -type f -name '*.desktop' 2>/dev/null | sort
    done < <(desktop_dirs)
    find "$applications/wine" -type f -name '*.desktop' 2>/dev/null | sort
}

bottle_entries() {
    local entry
    while IFS= read -r entry; do
        belongs_to_bottle "$entry" && printf '%s\n' "$entry"
    done < <(all_entries)
}

if [ "$list_only" = 1 ]; then
    bottle_entries
    exit 0
fi

mapfile -t entries < <(bottle_entries)
icons=()
for entry in "${entries[@]}"; do
    icon=$(sed -n 's/^Icon=//p' -- "$entry" | head -n 1)
    [ -n "$icon" ] && icons+=("$icon")
    rm -f -- "$entry"
    case "$entry" in
        "$applications"/wine/*)
            # The menu file that places the entry is named after its id.
            id=${entry#"$applications"/}
            id=${id//\//-}
            grep -l -F -s -- "<Filename>$id</Filename>" "$merged_menus"/*.menu | while IFS= read -r menu; do
                rm -f -- "$menu"
            done
            ;;
        *)
            # Wine keeps the Windows shortcut beside a desktop shortcut.
            rm -f -- "${entry%.desktop}.lnk"
            ;;
    esac
done

# File associations: wine-extension-*.desktop entries naming the bottle, and
# the MIME types that no other bottle's association declares any more.
mime_types=()
for entry in "$applications"/wine-extension-*.desktop; do
    [ -f "$entry" ] && belongs_to_bottle "$entry" || continue
    mapfile -t -O "${#mime_types[@]}" mime_types < <(sed -n 's/^MimeType=//p' -- "$entry" | tr ';' '\n' | sed '/^$/d')
    rm -f -- "$entry"
done
mime_changed=0
for type in "${mime_types[@]}"; do
    if ! grep -q -F -s -- "$type;" "$applications"/wine-extension-*.desktop; then
        package=$data/mime/packages/${type#*/}.xml
        [ -f "$package" ] && rm -f -- "$package" && mime_changed=1
    fi
done
if [ "$mime_changed" = 1 ] && command -v update-mime-database >/dev/null 2>&1; then
    update-mime-database "$data/mime" >/dev/null 2>&1
fi

# Icons that no remaining entry uses.
for icon in "${icons[@]}"; do
    mapfile -t dirs < <(desktop_dirs)
    if grep -q -s -r -x -F --include='*.desktop' -e "Icon=$icon" -- "$applications" "${dirs[@]}"; then
        continue
    fi
    find "$data/icons" -type f \( -name '*.png' -o -name '*.xpm' -o -name '*.svg' \) 2>/dev/null |
        while IFS= read -r file; do
            base=${file##*/}
            [ "${base%.*}" = "$icon" ] && rm -f -- "$file"
        done
done

# Menu folders that no menu file refers to any more, and empty directories.
for directory in "$data"/desktop-directories/wine-*.directory; do
    [ -f "$directory" ] || continue
    if ! grep -q -F -s -- "<Directory>${directory##*/}</Directory>" "$merged_menus"/*.menu; then
        rm -f -- "$directory"
    fi
done
find "$applications/wine" -mindepth 1 -depth -type d -empty -delete 2>/dev/null
exit 0
