#ifndef TPUBLISHEDAPPINFO_H
#define TPUBLISHEDAPPINFO_H

#include <QMetaType>
#include <QString>

// An application as the catalogue service publishes it.
struct TPublishedAppInfo
{
    // 0: a recommended configuration from the catalogue, 1: the default
    // configuration built from the default bottle archive.
    qint32 installType = 0;
    qint32 id = -1;
    QString appName;
    double score = 0.0;
    qint32 categories = -1;
    QString version;
    QString author;
    QString avatar;
    QString packageName;
    QString icon;
    QString createdAt;
    // Download information of the package archive.
    QString MD5;
    QString Url;
    QString localPath;
};

inline bool operator==(const TPublishedAppInfo &a, const TPublishedAppInfo &b)
{
    return a.installType == b.installType && a.id == b.id && a.appName == b.appName
           && a.score == b.score && a.categories == b.categories && a.version == b.version
           && a.author == b.author && a.avatar == b.avatar && a.packageName == b.packageName
           && a.icon == b.icon && a.createdAt == b.createdAt && a.MD5 == b.MD5 && a.Url == b.Url
           && a.localPath == b.localPath;
}

inline bool operator!=(const TPublishedAppInfo &a, const TPublishedAppInfo &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(TPublishedAppInfo)

#endif // TPUBLISHEDAPPINFO_H
