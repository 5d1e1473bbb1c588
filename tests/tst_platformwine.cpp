// The platform layer with real Wine, in one default bottle: fixbottle.sh
// prepares it, foo-setup.exe installs Foo App into it the way the install
// task runs an installer, and then localdesktop.sh, Wine's uninstaller and
// kill.sh are checked against what the installation left behind.

#include "platformtestutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace PlatformTest;

namespace {

QString wine()
{
    return tool(QStringLiteral("lirvan-wine5-stable/bin/wine"));
}

QString wine64()
{
    return tool(QStringLiteral("lirvan-wine5-stable/bin/wine64"));
}

QString desktopEntry()
{
    return home() + QStringLiteral("/Desktop/Foo.desktop");
}

QString menuEntry(const QString &name)
{
    return home() + QStringLiteral("/.local/share/applications/wine/Programs/Foo/") + name
           + QStringLiteral(".desktop");
}

// Runs a command line through bash, as the assistant runs Wine commands.
Result runShell(const QString &commandLine,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                int timeoutMs = 120000)
{
    return run(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), commandLine}, environment,
               timeoutMs);
}

QStringList iconFiles(const QString &suffix)
{
    QStringList found;
    QDirIterator it(home() + QStringLiteral("/.local/share/icons"), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(suffix))
            found.append(path);
    }
    return found;
}

} // namespace

class TestPlatformWine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void fixbottleLeavesRegistryAndFonts();
    void installerInstallsUnderWine();
    void killActsOnlyOnItsBottle();
    void localdesktopRemovesEntries();

private:
    QStringList uninstallerApps() const;

    QString m_bottle;
};

void TestPlatformWine::initTestCase()
{
    QVERIFY2(QFileInfo::exists(fixture(QStringLiteral("foo-setup.exe"))),
             "the Windows test programs are missing: build the lwa_fixtures target");
    m_bottle = home() + QStringLiteral("/.lirvanwine/apps/Foo");

    // Unpack the default bottle first, as an installation does.
    Result result = run(tool(QStringLiteral("tools/unzip.sh")),
                        {tool(QStringLiteral("data/Depends/DefaultBottle/files.7z")), m_bottle});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    result = run(tool(QStringLiteral("tools/fixbottle.sh")), {m_bottle},
                 QProcessEnvironment::systemEnvironment(), 240000);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
}

void TestPlatformWine::cleanupTestCase()
{
    endWine(m_bottle);
}

QStringList TestPlatformWine::uninstallerApps() const
{
    const Result result = runShell(
            QStringLiteral("WINEPREFIX=\"%1\" \"%2\" uninstaller --list").arg(m_bottle, wine()));
    QStringList apps;
    for (const QString &line : result.out.split(QStringLiteral("\r\n"))) {
        const int separator = line.lastIndexOf(QStringLiteral("|||"));
        if (separator >= 0)
            apps.append(line.mid(separator + 3));
    }
    return apps;
}

void TestPlatformWine::fixbottleLeavesRegistryAndFonts()
{
    QVERIFY(QFileInfo(m_bottle + QStringLiteral("/system.reg")).size() > 0);
    const QByteArray userReg = readAll(m_bottle + QStringLiteral("/user.reg"));
    QVERIFY(!userReg.isEmpty());
    QVERIFY(userReg.contains("[Software\\\\Wine\\\\Fonts\\\\Replacements]"));
    QVERIFY(userReg.contains("\"SimSun\"=\"WenQuanYi Micro Hei\""));
    QVERIFY(userReg.contains("\"\\x5b8b\\x4f53\"=\"WenQuanYi Micro Hei\"")); // 宋体
    QVERIFY(QFileInfo(m_bottle + QStringLiteral("/drive_c/windows/system32")).isDir());
}

void TestPlatformWine::installerInstallsUnderWine()
{
    // The command line of a 64-bit installer: the path goes in unquoted.
    const Result result = runShell(
            QStringLiteral("WINEPREFIX=\"%1\" %2 %3")
                    .arg(m_bottle, wine64(), fixture(QStringLiteral("foo-setup.exe"))));
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

    const QString installDir = m_bottle + QStringLiteral("/drive_c/Program Files/Foo/");
    QVERIFY(QFileInfo(installDir + QStringLiteral("foo.exe")).size() > 0);
    QVERIFY(QFileInfo(installDir + QStringLiteral("uninstall.exe")).size() > 0);
    QCOMPARE(uninstallerApps(), QStringList{"Foo App"});
}

void TestPlatformWine::killActsOnlyOnItsBottle()
{
    // The installed program, started by the user, keeps the bottle's
    // services running.
    QProcess program;
    program.setProcessEnvironment(bottleEnvironment(m_bottle));
    program.start(wine(),
                  {QStringLiteral("C:\\Program Files\\Foo\\foo.exe"), QStringLiteral("/linger")});
    QVERIFY(program.waitForStarted(10000));
    const QString marker = m_bottle + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt");
    QVERIFY(waitFor([&] { return QFileInfo::exists(marker); }, 60000));
    QVERIFY(readAll(marker).contains("foo ran: /linger"));
    const QStringList names = {"winedevice.exe", "plugplay.exe", "services.exe", "rpcss.exe"};
    const auto services = [&] {
        QList<qint64> pids;
        for (const QString &name : names)
            pids += findProcesses(name, m_bottle);
        std::sort(pids.begin(), pids.end());
        return pids;
    };
    QVERIFY(waitFor([&] { return services().size() >= 3; }, 30000));
    const QList<qint64> before = services();
    const QList<qint64> programPids = findProcesses(QStringLiteral("foo.exe"), m_bottle);
    QCOMPARE(programPids.size(), 1);

    // Another bottle's services are left alone (which processes count is
    // checked on stand-ins by the scripts' own test).
    const QString kill = tool(QStringLiteral("tools/lirvan-wine-helper/kill.sh"));
    QVERIFY(run(kill, {QStringLiteral("services"), QStringLiteral("block")},
                bottleEnvironment(home() + QStringLiteral("/.lirvanwine/apps/Other")))
                    .finished);
    QCOMPARE(services(), before);

    const Result result = run(kill, {QStringLiteral("services"), QStringLiteral("block")},
                              bottleEnvironment(m_bottle));
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
    for (const QString &service : names)
        QVERIFY2(waitFor([&] { return findProcesses(service, m_bottle).isEmpty(); }, 5000),
                 qPrintable(service));
    QVERIFY(isAlive(programPids.first()));
    QVERIFY(!program.waitForFinished(500));

    endWine(m_bottle);
    QVERIFY(program.waitForFinished(30000));
}

void TestPlatformWine::localdesktopRemovesEntries()
{
    QVERIFY(!iconFiles(QStringLiteral("_foo.0.png")).isEmpty());
    const QString script = tool(QStringLiteral("tools/localdesktop.sh"));
    QCOMPARE(run(script, {QStringLiteral("Foo"), QStringLiteral("-l")})
                     .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({desktopEntry(), menuEntry(QStringLiteral("Foo")),
                          menuEntry(QStringLiteral("Uninstall Foo"))}));

    const Result removed = run(script, {QStringLiteral("Foo")});
    QVERIFY2(removed.finished && removed.exitCode == 0, qPrintable(removed.err));

    const Result listed = run(script, {QStringLiteral("Foo"), QStringLiteral("-l")});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, QString());
    QVERIFY(!QFileInfo::exists(desktopEntry()));
    QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/Desktop/Foo.lnk")));
    QVERIFY(!QFileInfo::exists(menuEntry(QStringLiteral("Foo"))));
    QVERIFY(iconFiles(QStringLiteral("_foo.0.png")).isEmpty());
    QVERIFY(iconFiles(QStringLiteral("_uninstall.0.png")).isEmpty());
    QCOMPARE(QDir(home() + QStringLiteral("/.config/menus/applications-merged"))
                     .entryList({QStringLiteral("wine-Programs-Foo-*")}, QDir::Files),
             QStringList());
    // The bottle itself is not touched.
    QVERIFY(QFileInfo::exists(m_bottle + QStringLiteral("/drive_c/Program Files/Foo/foo.exe")));
}

QTEST_GUILESS_MAIN(TestPlatformWine)

#include "tst_platformwine.moc"
