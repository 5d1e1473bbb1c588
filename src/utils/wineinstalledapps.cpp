#include "wineinstalledapps.h"

#include "jsonoperator.h"

#include <QDebug>
#include <QList>

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
