#ifndef WINEINSTALLEDAPPS_H
#define WINEINSTALLEDAPPS_H

#include "tinstalledappinfo.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

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
    // From now on reloads the contents whenever another process (the
    // command line, a second session) changes the installed-apps file.
    void followInstalledAppsFile();
    void addInstalledApps(const TInstalledAppInfo &info);
    // Only the record's bottlePath is used.
    void removeInstallApps(const TInstalledAppInfo &info);
    const QMap<QString, TInstalledAppInfo> &getInstalledApps() const;

signals:
    void signalInstalledAppChanged();

private:
    WineInstalledApps() = default;
    void watchFile();
    void reloadIfChanged();

    QMap<QString, TInstalledAppInfo> m_installedApps;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_reloadTimer = nullptr;
    QByteArray m_loadedContents;
};

#endif // WINEINSTALLEDAPPS_H
