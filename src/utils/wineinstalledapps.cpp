#include "wineinstalledapps.h"

#include "jsonoperator.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QList>
#include <QTimer>

namespace {

// Changes come in bursts (a new file renamed over the old one); one reload
// after the burst is enough, and well within a second.
constexpr int ReloadDelayMs = 150;

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

WineInstalledApps *WineInstalledApps::instance()
{
    static WineInstalledApps apps;
    return &apps;
}

void WineInstalledApps::initInstalledApps()
{
    QList<TInstalledAppInfo> apps;
    CommonJsonOperator::readToJasonfile(apps, installedAppsFilePath());

    // No checks here: what the file holds is listed, even without a bottle
    // path. A later entry of the same bottle replaces an earlier one.
    m_installedApps.clear();
    for (const TInstalledAppInfo &info : qAsConst(apps))
        m_installedApps.insert(info.bottlePath, info);
}

void WineInstalledApps::followInstalledAppsFile()
{
    if (m_watcher)
        return;
    m_loadedContents = fileContents(installedAppsFilePath());
    m_watcher = new QFileSystemWatcher(this);
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(ReloadDelayMs);
    connect(m_reloadTimer, &QTimer::timeout, this, &WineInstalledApps::reloadIfChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_reloadTimer,
            QOverload<>::of(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_reloadTimer,
            QOverload<>::of(&QTimer::start));
    watchFile();
}

// The file is replaced by a rename on every save, which ends a watch on the
// file itself; the directory's watch sees the rename and the file is
// watched again. The directory is made so that the first save is seen too.
void WineInstalledApps::watchFile()
{
    const QString path = installedAppsFilePath();
    const QString dir = QFileInfo(path).absolutePath();
    QDir().mkpath(dir);
    if (!m_watcher->directories().contains(dir))
        m_watcher->addPath(dir);
    if (QFileInfo::exists(path) && !m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void WineInstalledApps::reloadIfChanged()
{
    watchFile();
    const QByteArray contents = fileContents(installedAppsFilePath());
    if (contents == m_loadedContents)
        return;
    m_loadedContents = contents;
    initInstalledApps();
    qInfo() << "installed-apps file changed, applications:" << m_installedApps.size();
    emit signalInstalledAppChanged();
}

void WineInstalledApps::addInstalledApps(const TInstalledAppInfo &info)
{
    if (info.bottlePath.isEmpty()) {
        qInfo() << "App bottle suffix not exists";
        return;
    }
    if (m_installedApps.contains(info.bottlePath)) {
        qInfo().noquote() << info.bottlePath + QStringLiteral(" is aready in the apps list view");
        return;
    }
    qInfo().noquote() << QStringLiteral("add app ") + info.bottlePath;
    m_installedApps.insert(info.bottlePath, info);
    emit signalInstalledAppChanged();
}

void WineInstalledApps::removeInstallApps(const TInstalledAppInfo &info)
{
    if (info.bottlePath.isEmpty()) {
        qInfo() << "App bottle suffix not exists";
        return;
    }
    if (m_installedApps.remove(info.bottlePath) == 0) {
        qInfo().noquote() << info.bottlePath + QStringLiteral(" is not in the apps list view");
        return;
    }
    qInfo().noquote() << QStringLiteral("remove app ") + info.bottlePath;
    emit signalInstalledAppChanged();
}

const QMap<QString, TInstalledAppInfo> &WineInstalledApps::getInstalledApps() const
{
    return m_installedApps;
}
