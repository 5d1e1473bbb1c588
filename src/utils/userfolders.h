#ifndef USERFOLDERS_H
#define USERFOLDERS_H

#include <QString>
#include <QStringList>

/*
 * The folders of the user's desktop that installations add to and uninstalls
 * take from: the menu entries, the icons and the desktop. Each path is
 * defined here once; folder paths end with "/".
 */
namespace UserFolders {

// ~/.lirvanwine/apps/: the bottles, one directory per application.
QString bottles();
// ~/.local/share/applications/: the menu entries.
QString applications();
// ~/.local/share/icons/: the icon themes; icons() + "hicolor/" is the
// fallback theme where Wine puts the icons of its menu entries.
QString icons();
QString hicolorIcons();
// ~/Desktop and, when it is another one, the desktop folder of the user's
// XDG directories (a localised name); without a final "/".
QStringList desktops();

} // namespace UserFolders

#endif // USERFOLDERS_H
