#include "sampleinstalledapps.h"

#include "jsonoperator.h"

#include <QDir>

namespace {

TInstalledAppInfo installedApp(const QString &name, const QString &time, int installType)
{
    TInstalledAppInfo info;
    info.appName = name;
    info.installTime = time;
    info.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/") + name;
    info.logPath = QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/install.log");
    info.publishedAppInfo.appName = name;
    info.publishedAppInfo.installType = installType;
    QDir().mkpath(info.bottlePath);
    return info;
}

} // namespace

void SampleInstalledApps::write()
{
    TInstalledAppInfo foo = installedApp(QStringLiteral("Foo App"),
                                         QStringLiteral("2026-12-06 09:12:40"), 0);
    foo.publishedAppInfo.version = QStringLiteral("1.2.3");
    foo.publishedAppInfo.score = 4.5;
    foo.publishedAppInfo.categories = 7;
    foo.publishedAppInfo.author = QStringLiteral("lirvan");
    TInstalledAppInfo setup = installedApp(QStringLiteral("Foo Setup"),
                                           QStringLiteral("2026-12-05 17:30:02"), 1);
    setup.peInfo.peProductVersion = QStringLiteral("1. 2 .3");
    TInstalledAppInfo bar = installedApp(QStringLiteral("Bar 阅读器"),
                                         QStringLiteral("2026-11-28 08:01:55"), 1);
    bar.peInfo.peProductVersion = QStringLiteral("2.0.1");
    bar.publishedAppInfo.score = 3.5;
    bar.publishedAppInfo.categories = 8;
    for (const TInstalledAppInfo &info : {foo, setup, bar})
        CommonJsonOperator::writeToJasonfile(info, installedAppsFilePath());
}
