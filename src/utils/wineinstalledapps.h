#ifndef WINEINSTALLEDAPPS_H
#define WINEINSTALLEDAPPS_H

#include "tinstalledappinfo.h"

#include <QMap>
#include <QObject>
#include <QString>

/*
 * The installed applications of this session, keyed by bottle path. Loaded
 * from the installed-apps file at start-up; callers that add or remove an
 * application update the file themselves. GUI thread only.
 */
class WineInstalledApps : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineInstalledApps)
public:
    static WineInstalledApps *instance();

    // Replaces the contents with the applications of the installed-apps file.
    void initInstalledApps();
    void addInstalledApps(const TInstalledAppInfo &info);
    // Only the record's bottlePath is used.
    void removeInstallApps(const TInstalledAppInfo &info);
    const QMap<QString, TInstalledAppInfo> &getInstalledApps() const;

signals:
    void signalInstalledAppChanged();

private:
    WineInstalledApps() = default;

    QMap<QString, TInstalledAppInfo> m_installedApps;
};

#endif // WINEINSTALLEDAPPS_H
