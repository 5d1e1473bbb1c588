// The clean-up of a cancelled recommended-configuration install: the menu
// entries and icons it copied from the bottle go, those of others stay.

#include "execline.h"
#include "installcleanup.h"
#include "platformtestutil.h"
#include "userfolders.h"

#include <QDir>
#include <QtTest>

using namespace PlatformTest;

class TestInstallCleanup : public QObject
{
    Q_OBJECT

private slots:
    void copiedEntriesAndIconsGo()
    {
        const QString bottle = UserFolders::bottles() + QStringLiteral("Quick App_1");
        const QString exec = QStringLiteral("Exec=")
                             + ExecLine::execArgument(bottle + QStringLiteral("/files/run.sh"))
                             + QStringLiteral(" -u %u\n");
        const QByteArray copied = "[Desktop Entry]\nName=Quick\nIcon=quick\n" + exec.toUtf8();
        const QByteArray icon = "png bytes";
        const QString iconPath = QStringLiteral("hicolor/48x48/apps/quick.png");
        QVERIFY(writeAll(bottle + QStringLiteral("/entries/applications/quick.desktop"), copied));
        QVERIFY(writeAll(bottle + QStringLiteral("/entries/applications/other.desktop"), copied));
        QVERIFY(writeAll(bottle + QStringLiteral("/entries/icons/") + iconPath, icon));
        // The copy in the menu, and an entry of the same name that another
        // application owns (another Exec line).
        const QString entry = UserFolders::applications() + QStringLiteral("quick.desktop");
        const QString foreign = UserFolders::applications() + QStringLiteral("other.desktop");
        QVERIFY(writeAll(entry, copied));
        QVERIFY(writeAll(foreign, "[Desktop Entry]\nName=Other\nExec=/bin/true\n"));
        QVERIFY(writeAll(UserFolders::icons() + iconPath, icon));

        InstallCleanup::removeCopiedEntries(bottle);
        QVERIFY(!QFileInfo::exists(entry));
        QVERIFY(!QFileInfo::exists(UserFolders::icons() + iconPath));
        QVERIFY(QFileInfo::exists(foreign));
        QVERIFY(QFileInfo::exists(bottle + QStringLiteral("/entries/applications/quick.desktop")));
    }
};

QTEST_GUILESS_MAIN(TestInstallCleanup)
#include "tst_installcleanup.moc"
