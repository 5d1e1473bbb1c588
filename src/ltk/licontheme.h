#ifndef LICONTHEME_H
#define LICONTHEME_H

#include <QIcon>

/*
 * Icon lookup by theme name. Names beginning with "lw_" are the program's
 * own icons: "lw_login" is the resource "lw_login_14px.svg" under the
 * built-in icon prefix. Other names come from the desktop's icon theme.
 */
class LIconTheme
{
public:
    static QString builtinPrefix();
    static QString resourcePath(const QString &name);
    static QIcon findQIcon(const QString &name);
    // The icon of an image file; an SVG file is only read when the icon is
    // first drawn or measured.
    static QIcon fileIcon(const QString &path);
};

#endif // LICONTHEME_H
