#ifndef BURYINGPOINTINFO_H
#define BURYINGPOINTINFO_H

#include "tinstalledappinfo.h"

#include <QMetaType>
#include <QString>

// What the catalogue service is told about one package download.
struct BuryingPointInfo
{
    qint32 installType = 0;
    qint32 id = -1; // catalogue id, -1 for a program not from the catalogue
    QString appName;
    qint32 categories = -1; // catalogue category id
};

// The report of the download of this application's package.
inline BuryingPointInfo buryingPointOf(const TInstalledAppInfo &record)
{
    BuryingPointInfo info;
    info.installType = record.publishedAppInfo.installType;
    info.id = record.publishedAppInfo.id;
    info.appName = record.appName;
    info.categories = record.publishedAppInfo.categories;
    return info;
}

Q_DECLARE_METATYPE(BuryingPointInfo)

#endif // BURYINGPOINTINFO_H
