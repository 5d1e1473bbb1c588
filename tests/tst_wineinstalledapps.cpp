#include "jsonoperator.h"
#include "wineinstalledapps.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

TInstalledAppInfo record(const QString &appName, const QString &bottlePath)
{
    TInstalledAppInfo info;
    info.appName = appName;
    info.bottlePath = bottlePath;
    info.installTime = QStringLiteral("2024-05-06 07:08:09");
    info.publishedAppInfo.version = appName + QStringLiteral(" 1.0");
    return info;
}

} // namespace

class WineInstalledAppsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        load({record(QStringLiteral("Foo"), QStringLiteral("/b/foo")),
              record(QStringLiteral("Bar"), QStringLiteral("/b/bar"))});
    }

    void loadKeysByBottlePathWithoutChecks()
    {
        QSignalSpy changed(m_apps, &WineInstalledApps::signalInstalledAppChanged);
        // Two file entries share a bottle: the one whose name sorts last stays.
        load({record(QStringLiteral("Zed"), QStringLiteral("/b/shared")),
              record(QStringLiteral("Alpha"), QStringLiteral("/b/shared")),
              record(QStringLiteral("NoBottle"), QString())});

        const QMap<QString, TInstalledAppInfo> &apps = m_apps->getInstalledApps();
        QCOMPARE(apps.keys(), (QStringList{QString(), QStringLiteral("/b/shared")}));
        QCOMPARE(apps.value(QStringLiteral("/b/shared")).appName, QStringLiteral("Zed"));
        QCOMPARE(apps.value(QString()).appName, QStringLiteral("NoBottle"));
        QCOMPARE(changed.count(), 0);
    }

    void addRefusesEmptyAndDuplicateBottles()
    {
        QSignalSpy changed(m_apps, &WineInstalledApps::signalInstalledAppChanged);
        m_apps->addInstalledApps(record(QStringLiteral("Baz"), QStringLiteral("/b/baz")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_apps->getInstalledApps().value(QStringLiteral("/b/baz")),
                 record(QStringLiteral("Baz"), QStringLiteral("/b/baz")));

        const QMap<QString, TInstalledAppInfo> before = m_apps->getInstalledApps();
        m_apps->addInstalledApps(record(QStringLiteral("Other"), QStringLiteral("/b/foo")));
        m_apps->addInstalledApps(record(QStringLiteral("Empty"), QString()));
        QCOMPARE(m_apps->getInstalledApps(), before);
        QCOMPARE(changed.count(), 1);
    }

    void removeUsesOnlyTheBottlePath()
    {
        QSignalSpy changed(m_apps, &WineInstalledApps::signalInstalledAppChanged);
        TInstalledAppInfo different = record(QStringLiteral("Renamed"), QStringLiteral("/b/foo"));
        different.publishedAppInfo.installType = 1;
        different.desktopInfo.desktopPath = QStringLiteral("/elsewhere.desktop");
        m_apps->removeInstallApps(different);
        QCOMPARE(m_apps->getInstalledApps().keys(), QStringList{QStringLiteral("/b/bar")});
        QCOMPARE(changed.count(), 1);

        m_apps->removeInstallApps(different);
        QCOMPARE(changed.count(), 1);

        // Loaded under the empty key, but removal refuses empty bottle paths.
        load({record(QStringLiteral("NoBottle"), QString())});
        m_apps->removeInstallApps(record(QStringLiteral("NoBottle"), QString()));
        QVERIFY(m_apps->getInstalledApps().contains(QString()));
        QCOMPARE(changed.count(), 1);
    }

    void missingFileLeavesRegistryEmpty()
    {
        QDir(QDir::homePath() + QStringLiteral("/.quennet")).removeRecursively();
        m_apps->initInstalledApps();
        QVERIFY(m_apps->getInstalledApps().isEmpty());
    }

private:
    // Writes the given applications as the installed-apps file and loads it.
    void load(const QList<TInstalledAppInfo> &apps)
    {
        QFile::remove(installedAppsFilePath());
        for (const TInstalledAppInfo &info : apps)
            CommonJsonOperator::writeToJasonfile(info, installedAppsFilePath());
        m_apps->initInstalledApps();
    }

    WineInstalledApps *m_apps = WineInstalledApps::instance();
};

QTEST_GUILESS_MAIN(WineInstalledAppsTest)
#include "tst_wineinstalledapps.moc"
