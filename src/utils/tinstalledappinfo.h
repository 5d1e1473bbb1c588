#ifndef TINSTALLEDAPPINFO_H
#define TINSTALLEDAPPINFO_H

#include "tdesktopfileinfo.h"
#include "tpeinfo.h"
#include "tpublishedappinfo.h"

#include <QList>
#include <QMetaType>
#include <QString>

// Everything known about one installed application. appName identifies it in
// the installed-apps file, bottlePath in the registry of installed apps.
struct TInstalledAppInfo
{
    QString appName;
    TPeInfo peInfo;
    TPublishedAppInfo publishedAppInfo;
    QString bottlePath;
    QString installTime; // "yyyy-MM-dd HH:mm:ss", local time
    QString logPath;
    TDesktopfileInfo desktopInfo;
};

inline bool operator==(const TInstalledAppInfo &a, const TInstalledAppInfo &b)
{
    return a.appName == b.appName && a.peInfo == b.peInfo
           && a.publishedAppInfo == b.publishedAppInfo && a.bottlePath == b.bottlePath
           && a.installTime == b.installTime && a.logPath == b.logPath
           && a.desktopInfo == b.desktopInfo;
}

inline bool operator!=(const TInstalledAppInfo &a, const TInstalledAppInfo &b)
{
    return !(a == b);
}

// The version shown for an installed application: the catalogue's for a
// prepared configuration, else the program file's own.
inline QString shownVersion(const TInstalledAppInfo &info)
{
    const TPublishedAppInfo &published = info.publishedAppInfo;
    if (published.installType == 0 && !published.version.isEmpty())
        return published.version;
    return info.peInfo.peProductVersion;
}

Q_DECLARE_METATYPE(TInstalledAppInfo)

#endif // TINSTALLEDAPPINFO_H
