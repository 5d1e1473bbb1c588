#ifndef TDESKTOPFILEINFO_H
#define TDESKTOPFILEINFO_H

#include <QMetaType>
#include <QString>

// The desktop entry of an installed application. desktopPath and groupheader
// describe the file rather than its contents.
struct TDesktopfileInfo
{
    QString desktopPath;
    QString groupheader;
    QString name;
    QString exec;
    QString type;
    QString startupnotify;
    QString comment;
    QString path;
    QString icon;
    QString startupwmclass;
    QString categories;
};

inline bool operator==(const TDesktopfileInfo &a, const TDesktopfileInfo &b)
{
    return a.desktopPath == b.desktopPath && a.groupheader == b.groupheader && a.name == b.name
           && a.exec == b.exec && a.type == b.type && a.startupnotify == b.startupnotify
           && a.comment == b.comment && a.path == b.path && a.icon == b.icon
           && a.startupwmclass == b.startupwmclass && a.categories == b.categories;
}

inline bool operator!=(const TDesktopfileInfo &a, const TDesktopfileInfo &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(TDesktopfileInfo)

#endif // TDESKTOPFILEINFO_H
