// The install task with real Wine, in one bottle whose name would run a
// command if it ever reached a shell unquoted: the installer runs in a
// prepared bottle, a lingering installer is ended by the check timer, the
// 64-bit path re-creates the bottle, the installer's entries become the
// application's menu entry. A recommended package is copied into the menu.
// (The .msi path, cancelling and starting the installed program run in the
// command-line and install-flow tests.)

#include "doaction.h"
#include "installinfo.h"
#include "jsonoperator.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "startmanagertestutil.h"
#include "wineinstalledapps.h"
#include "winesettings.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace PlatformTest;

namespace {

// Icon files under the user's icon directory, relative to it.
QStringList iconFiles()
{
    const QString icons = home() + QStringLiteral("/.local/share/icons");
    QStringList files;
    QDirIterator it(icons, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(icons.size()));
    return files;
}

// An installer's entry for the bottle, as Wine writes it.
bool writeEntry(const QString &path, const QString &bottle, const QString &iconLine)
{
    return writeAll(path, QStringLiteral("[Desktop Entry]\nName=Entry\nExec=env WINEPREFIX=\"%1\" "
                                         "wine C:\\\\x.exe\nType=Application\n%2\n")
                                  .arg(bottle, iconLine)
                                  .toUtf8());
}

QString iconFile(const QString &name)
{
    return home() + QStringLiteral("/.local/share/icons/hicolor/48x48/apps/") + name
           + QStringLiteral(".png");
}

const QString hostileName = QStringLiteral("Foo $(touch pwned) `touch pwned`");

// Runs the task to its end without running the event loop, so the check
// timer never ticks on its own. Returns the last status reported.
int runTask(InstallInfo &task, int timeoutMs = 600000)
{
    QSignalSpy spy(&task, &TaskInterface::signalStatus);
    task.start();
    if (!task.wait(timeoutMs))
        return -1;
    return spy.isEmpty() ? 0 : spy.constLast().at(1).toInt();
}

bool logHasCommand(const QStringList &messages, const QString &text)
{
    for (const QString &message : messages) {
        if (message.contains(QLatin1String("Start command: ")) && message.contains(text))
            return true;
    }
    return false;
}

} // namespace

class TestInstallInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void menuEntryWithoutWine();
    void defaultEntriesAndIconsWithoutWine();
    void bottleOutsideAppsSurvivesRecreation();
    void twoStageInstallThenFailedRetryAndUninstall();
    void defaultInstallOf64BitSetup();
    void destroyedWhilePreparingStartsNoInstaller();
    void recommendedPackageEntries();

private:
    TInstalledAppInfo defaultRecord(const QString &installer, const QString &type) const;

    QString m_bottle;
    QString m_hostileSetup;
};

void TestInstallInfo::initTestCase()
{
    QVERIFY2(QFileInfo::exists(fixture(QStringLiteral("foo-setup.exe"))),
             "the Windows test programs are missing: build the lwa_fixtures target");
    QVERIFY(StartManagerTest::installActivationFile());
    useBuildPlatform();
    // Anything a name managed to run would land here.
    QVERIFY(QDir::setCurrent(home()));

    // An installer file whose name is a command, too.
    m_hostileSetup = home() + QStringLiteral("/Downloads/$(touch pwned); `touch pwned` setup.exe");
    QVERIFY(writeAll(m_hostileSetup, readAll(fixture(QStringLiteral("foo-setup.exe")))));

    // The generic bottle as an installation unpacks it, prepared once here
    // with time to spare; the task's own fixbottle.sh then finds it ready.
    m_bottle = home() + QStringLiteral("/.lirvanwine/apps/") + hostileName;
    Result result = run(tool(QStringLiteral("tools/unzip.sh")),
                        {tool(QStringLiteral("data/Depends/DefaultBottle/files.7z")), m_bottle});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    result = run(tool(QStringLiteral("tools/fixbottle.sh")), {m_bottle},
                 QProcessEnvironment::systemEnvironment(), 300000);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
}

void TestInstallInfo::cleanupTestCase()
{
    endWine(m_bottle);
    QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/pwned")));
}

TInstalledAppInfo TestInstallInfo::defaultRecord(const QString &installer,
                                                 const QString &type) const
{
    TInstalledAppInfo info;
    info.appName = QStringLiteral("Foo App");
    info.bottlePath = m_bottle;
    info.publishedAppInfo.installType = 1;
    info.peInfo.peFilePath = installer;
    info.peInfo.peFileType = type;
    info.peInfo.peProductName = QStringLiteral("Foo Setup");
    return info;
}

void TestInstallInfo::menuEntryWithoutWine()
{
    // A bottle of files only, with the program and an installer's entry.
    const QString bottle = home() + QStringLiteral("/.lirvanwine/apps/Files only");
    QVERIFY(writeAll(bottle + QStringLiteral("/drive_c/Program Files/Foo/FOO.EXE"), "MZ"));
    const QString entry = home() + QStringLiteral("/Desktop/Files.desktop");
    const QByteArray text = "[Desktop Entry]\nName=Foo\nExec=installer wrote this\n"
                            "StartupWMClass=foo.exe\n";
    const QString taken = applicationsDir() + QStringLiteral("Files.desktop");
    QVERIFY(writeAll(taken, "[Desktop Entry]\nName=Another app\n"));
    QVERIFY(writeAll(entry, text));

    TInstalledAppInfo info;
    info.bottlePath = bottle;
    info.desktopInfo.desktopPath = QStringLiteral("previous");
    InstallInfo task(info);
    // No entries from the installer: nothing is chosen.
    int count = -1;
    task.createDesktopfileByDefaultInstall(count, QStringLiteral("Files only"));
    QCOMPARE(count, 0);
    QCOMPARE(task.getAppInfo().desktopInfo.desktopPath, QStringLiteral("previous"));

    // The name is taken in the menu: the entry is pointed at the program
    // (found ignoring case) but stays where it is, and is recorded there.
    LogCapture log;
    QString fileName;
    task.modifyDesktopFile(entry, fileName);
    QCOMPARE(fileName, QStringLiteral("Files.desktop"));
    QCOMPARE(task.getAppInfo().desktopInfo.desktopPath, entry);
    QVERIFY(log.contains(QStringLiteral("Cut desktop file to ")));
    QCOMPARE(readAll(taken), QByteArray("[Desktop Entry]\nName=Another app\n"));
    QVERIFY(readAll(entry).contains("\nExec=env WINEPREFIX=\"" + bottle.toUtf8() + "\" "));
    QVERIFY(readAll(entry).contains(" C:\\\\\\\\Program\\\\ Files\\\\\\\\Foo\\\\\\\\FOO.EXE\n"));
    QVERIFY(QFile::remove(taken));
    QVERIFY(QDir(bottle).removeRecursively());
}

void TestInstallInfo::defaultEntriesAndIconsWithoutWine()
{
    // The user's desktop folder has a localised name.
    const QString xdgDesktop = home() + QStringLiteral("/桌面");
    QVERIFY(writeAll(home() + QStringLiteral("/.config/user-dirs.dirs"),
                     "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"));
    const auto restore = qScopeGuard([&] {
        QFile::remove(home() + QStringLiteral("/.config/user-dirs.dirs"));
        QDir(xdgDesktop).removeRecursively();
    });
    const QString bottle = home() + QStringLiteral("/.lirvanwine/apps/Entries");
    const QString menu = applicationsDir() + QStringLiteral("wine/Programs/Foo/");
    QVERIFY(writeEntry(home() + QStringLiteral("/Desktop/FooApp.desktop"), bottle,
                       QStringLiteral("Icon=AAAA_foo.0")));
    QVERIFY(writeEntry(xdgDesktop + QStringLiteral("/FooApp copy.desktop"), bottle,
                       QStringLiteral("Icon=BBBB_shared.0")));
    QVERIFY(writeEntry(menu + QStringLiteral("Uninstall FooApp.desktop"), bottle,
                       QStringLiteral("Icon=CCCC_uninstall.0")));
    // Another application's shortcut uses one of the icons.
    QVERIFY(writeAll(xdgDesktop + QStringLiteral("/Other.desktop"),
                     "[Desktop Entry]\nName=Other\nExec=other\nIcon = BBBB_shared.0\n"));
    for (const char *icon : {"AAAA_foo.0", "BBBB_shared.0", "CCCC_uninstall.0"})
        QVERIFY(writeAll(iconFile(QLatin1String(icon)), "png"));

    TInstalledAppInfo info;
    info.bottlePath = bottle;
    info.peInfo.peProductName = QStringLiteral("FooApp");
    InstallInfo task(info);
    int count = 0;
    task.createDesktopfileByDefaultInstall(count, QStringLiteral("Entries"));
    QCOMPARE(count, 3);
    // The first desktop shortcut is kept and moved into the menu; the second
    // one, on the localised desktop, and the uninstall entry are deleted.
    QCOMPARE(task.getAppInfo().desktopInfo.desktopPath,
             applicationsDir() + QStringLiteral("FooApp.desktop"));
    QVERIFY(QFileInfo::exists(applicationsDir() + QStringLiteral("FooApp.desktop")));
    QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/Desktop/FooApp.desktop")));
    QVERIFY(!QFileInfo::exists(xdgDesktop + QStringLiteral("/FooApp copy.desktop")));
    QVERIFY(!QFileInfo::exists(menu + QStringLiteral("Uninstall FooApp.desktop")));
    // Only the icon that no remaining entry names is gone.
    QVERIFY(QFileInfo::exists(iconFile(QStringLiteral("AAAA_foo.0"))));
    QVERIFY(QFileInfo::exists(iconFile(QStringLiteral("BBBB_shared.0"))));
    QVERIFY(!QFileInfo::exists(iconFile(QStringLiteral("CCCC_uninstall.0"))));
    QVERIFY(QDir(applicationsDir() + QStringLiteral("wine")).removeRecursively());
    QVERIFY(QFile::remove(applicationsDir() + QStringLiteral("FooApp.desktop")));
    QVERIFY(QDir(home() + QStringLiteral("/.local/share/icons")).removeRecursively());
}

void TestInstallInfo::bottleOutsideAppsSurvivesRecreation()
{
    // A 64-bit installer re-creates its bottle, but only a bottle: a record
    // pointing elsewhere (here a catalogue name "..") deletes nothing. Wine
    // is made unreachable, so the installation then fails at once.
    WineSettings::instance()->setValue(QStringLiteral("wine64"),
                                       QStringLiteral("/nonexistent/wine64"));
    const auto restore = qScopeGuard([] { useBuildPlatform(); });
    const QString other = home() + QStringLiteral("/.lirvanwine/apps/Other/drive_c/keep");
    QVERIFY(writeAll(other, "x"));
    for (const QString &bottle :
         {home() + QStringLiteral("/.lirvanwine/apps/.."), home() + QStringLiteral("/Documents")}) {
        QVERIFY(writeAll(home() + QStringLiteral("/Documents/letter.txt"), "x"));
        TInstalledAppInfo info = defaultRecord(m_hostileSetup, QStringLiteral("Win64 EXE"));
        info.bottlePath = bottle;
        InstallInfo task;
        task.setAppInfo(info);
        LogCapture log;
        QCOMPARE(runTask(task), int(TaskFailed));
        QVERIFY(log.contains(QStringLiteral("Not a bottle, left alone: ") + bottle));
        QVERIFY(QFileInfo::exists(other));
        QVERIFY(QFileInfo::exists(home() + QStringLiteral("/Documents/letter.txt")));
        QVERIFY(QFileInfo::exists(m_bottle + QStringLiteral("/user.reg")));
    }
}

void TestInstallInfo::twoStageInstallThenFailedRetryAndUninstall()
{
    // The installer registers a runtime at once and then works for four
    // check intervals before the program and its shortcuts go in; it then
    // lingers. Only the idle, complete installation is ended.
    const ScopedEnvironment twoStage({{"FOO_SETUP_MODE", "twostage"},
                                      {"FOO_SETUP_WORK_MS", "8000"},
                                      {"LWA_INSTALL_CHECK_INTERVAL_MS", "2000"}});
    InstallInfo task(defaultRecord(m_hostileSetup, QStringLiteral("win32 exe")));
    LogCapture log;
    QSignalSpy spy(&task, &TaskInterface::signalStatus);
    task.start();
    QVERIFY(waitFor([&] { return task.isCheckActive(); }, 120000));

    QTRY_VERIFY_WITH_TIMEOUT(task.isFinished(), 300000);
    QVERIFY(!task.isCheckActive());
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.constLast().at(1).toInt(), int(TaskFinished));
    QVERIFY(log.contains(QStringLiteral("Ending the installer")));
    QVERIFY(log.contains(QStringLiteral("install check: idle false installed true")));
    QVERIFY(findProcesses(QStringLiteral("$(touch pwned); `touch pwned` setup.exe"), m_bottle)
                    .isEmpty());

    // The main part is in, reached through the installer's name as it is.
    QVERIFY(QFileInfo::exists(m_bottle + QStringLiteral("/drive_c/Program Files/Foo/foo.exe")));
    QVERIFY(readAll(m_bottle + QStringLiteral("/drive_c/Program Files/Foo Runtime/runtime.dat"))
                    .size()
            > 8 * 60);
    TInstalledAppInfo installed = task.getAppInfo();
    QCOMPARE(installed.desktopInfo.desktopPath, applicationsDir() + QStringLiteral("Foo.desktop"));
    QVERIFY(QFileInfo::exists(installed.desktopInfo.desktopPath));

    // Installed again by an installer that ends well but adds nothing: what
    // was there before does not count. Its bottle was prepared all the same.
    const ScopedEnvironment nothing({{"FOO_SETUP_MODE", "nothing"}});
    InstallInfo retry(defaultRecord(m_hostileSetup, QStringLiteral("Win32 EXE")));
    const int logged = log.messages().size();
    QCOMPARE(runTask(retry), int(TaskFailed));
    QCOMPARE(retry.getResult(), -3);
    QVERIFY(logHasCommand(log.messages().mid(logged), QStringLiteral("fixbottle.sh")));
    QVERIFY(QFileInfo::exists(installed.desktopInfo.desktopPath));

    // Uninstalled while the user still runs the program: it is ended before
    // its bottle goes, and writes nothing into a new bottle of the same name.
    endWine(m_bottle);
    CommonJsonOperator::writeToJasonfile(installed, installedAppsFilePath());
    WineInstalledApps::instance()->addInstalledApps(installed);
    QVERIFY(!iconFiles().isEmpty());
    QProcess program;
    program.setProcessEnvironment(bottleEnvironment(m_bottle));
    program.start(tool(QStringLiteral("lirvan-wine5-stable/bin/wine")),
                  {QStringLiteral("C:\\Program Files\\Foo\\foo.exe"), QStringLiteral("/linger")});
    const QString marker = m_bottle + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt");
    QVERIFY(waitFor([&] { return QFileInfo::exists(marker); }, 60000));

    QCOMPARE(Doaction::instance()->unInstallApp(&installed), 0);
    QVERIFY(findProcesses(QStringLiteral("foo.exe"), m_bottle).isEmpty());
    QVERIFY(wineServers(m_bottle).isEmpty());
    QVERIFY(program.waitForFinished(5000));
    QVERIFY(!QFileInfo::exists(m_bottle));
    QVERIFY(QDir().mkpath(m_bottle));
    QTest::qWait(1000);
    QCOMPARE(QDir(m_bottle).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(QDir().rmdir(m_bottle));
    QCOMPARE(QDir(applicationsDir()).entryList({QStringLiteral("*.desktop")}, QDir::Files),
             QStringList());
    QVERIFY2(iconFiles().isEmpty(), qPrintable(iconFiles().join(QLatin1Char(' '))));
    // The record's removal and Wine's own entries are checked by the
    // actions' and the scripts' tests.
}

void TestInstallInfo::defaultInstallOf64BitSetup()
{
    // Whatever was unpacked goes: the bottle is made anew for 64 bits.
    QVERIFY(writeAll(m_bottle + QStringLiteral("/unpacked-marker"), "x"));
    InstallInfo task(
            defaultRecord(fixture(QStringLiteral("foo-setup.exe")), QStringLiteral("Win64 EXE")));
    LogCapture log;
    QCOMPARE(runTask(task), int(TaskFinished));

    QVERIFY(!QFileInfo::exists(m_bottle + QStringLiteral("/unpacked-marker")));
    QVERIFY(!logHasCommand(log.messages(), QStringLiteral("fixbottle.sh")));
    // Made once from the prepared prefix, which Wine made the same way.
    QVERIFY(log.contains(QStringLiteral("Copy bottle template: ")));
    QVERIFY(log.contains(QStringLiteral("wine64\" regedit /S \"")));
    // The Wine server writes the registry when it ends.
    endWine(m_bottle);
    QVERIFY(readAll(m_bottle + QStringLiteral("/user.reg"))
                    .contains("\"SimSun\"=\"WenQuanYi Micro Hei\""));
}

void TestInstallInfo::destroyedWhilePreparingStartsNoInstaller()
{
    // The window closes while a new bottle is being prepared: no installer
    // may start afterwards, and closing must not wait for the preparation.
    const ScopedEnvironment mode({{"FOO_SETUP_MODE", "nothing"}});
    // Not bare, as a configuration's package unpacks: fixbottle.sh makes it.
    const QString bottle = home() + QStringLiteral("/.lirvanwine/apps/Preparing");
    QVERIFY(writeAll(bottle + QStringLiteral("/files/run.sh"), "#!/bin/sh\n"));
    TInstalledAppInfo info = defaultRecord(fixture(QStringLiteral("foo-setup.exe")),
                                           QStringLiteral("Win32 EXE"));
    info.bottlePath = bottle;
    auto task = std::make_unique<InstallInfo>(info);
    LogCapture log;
    task->start();
    QVERIFY(waitFor(
            [&] { return !findProcesses(QStringLiteral("wineboot.exe"), bottle).isEmpty(); },
            60000));

    QElapsedTimer timer;
    timer.start();
    task.reset();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!log.contains(QStringLiteral("DefaultInstall Cmd:")));
    QTest::qWait(2000);
    QVERIFY(findProcesses(QStringLiteral("foo-setup.exe"), bottle).isEmpty());
    QVERIFY(findProcesses(QStringLiteral("wineboot.exe"), bottle).isEmpty());
    endWine(bottle);
    QVERIFY(QDir(bottle).removeRecursively());
}

void TestInstallInfo::recommendedPackageEntries()
{
    const QString bottle = home() + QStringLiteral("/.lirvanwine/apps/com.foo.app");
    Result result = run(tool(QStringLiteral("tools/unzip.sh")),
                        {fixture(QStringLiteral("foo-package.7z")), bottle});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    // A start shell that does not exist makes "run.sh -c" fail, whether or
    // not the platform is installed on this machine.
    const QString runScript = bottle + QStringLiteral("/files/run.sh");
    QByteArray script = readAll(runScript);
    script.replace("/opt/lirvan-wine-assist/tools/lirvan-wine-helper/run_v4.sh",
                   "/nonexistent/run_v4.sh");
    QVERIFY(script.contains("/nonexistent/run_v4.sh"));
    QVERIFY(writeAll(runScript, script));
    const QString entries = bottle + QStringLiteral("/entries/applications/");
    QVERIFY(writeAll(entries + QStringLiteral("a-first.desktop"),
                     "[Desktop Entry]\nName=First\nType=Application\nExec=first\n"));
    // Already in the menu: a program of the user's, and an installed
    // application whose package brings an entry of the same name. Both keep
    // their entries; this bottle's entries go beside them.
    QVERIFY(writeAll(applicationsDir() + QStringLiteral("a-first.desktop"),
                     "[Desktop Entry]\nName=Mine\nType=Application\nExec=mine\n"));
    const QString other = home() + QStringLiteral("/.lirvanwine/apps/Bar Reader_2");
    QVERIFY(QDir().mkpath(other));
    const QByteArray otherEntry = "[Desktop Entry]\nName=Bar\nType=Application\nExec=\""
                                  + other.toUtf8() + "/files/run.sh\" -u %u\n";
    QVERIFY(writeAll(applicationsDir() + QStringLiteral("foo-app.desktop"), otherEntry));

    TInstalledAppInfo info;
    info.appName = QStringLiteral("Foo App");
    info.bottlePath = bottle;
    info.publishedAppInfo.installType = 0;
    InstallInfo task(info);
    LogCapture log;
    QCOMPARE(runTask(task), int(TaskFinished));
    QVERIFY(log.contains(QStringLiteral("RecommandInstall Cmd:")));
    QVERIFY(!task.getErrString().isEmpty());

    const QByteArray exec = ("\nExec=" + bottle + "/files/run.sh -u %u\n").toUtf8();
    QCOMPARE(readAll(applicationsDir() + QStringLiteral("a-first.desktop")),
             QByteArray("[Desktop Entry]\nName=Mine\nType=Application\nExec=mine\n"));
    const QByteArray first = readAll(applicationsDir() + QStringLiteral("a-first-2.desktop"));
    QVERIFY(first.contains("Name=First"));
    QVERIFY2(first.contains(exec), first.constData());
    QCOMPARE(readAll(applicationsDir() + QStringLiteral("foo-app.desktop")), otherEntry);
    const QByteArray foo = readAll(applicationsDir() + QStringLiteral("foo-app-2.desktop"));
    QVERIFY(foo.contains("Name=Foo App"));
    QVERIFY2(foo.contains(exec), foo.constData());
    QCOMPARE(task.getAppInfo().desktopInfo.desktopPath,
             applicationsDir() + QStringLiteral("foo-app-2.desktop"));
    QVERIFY(QFileInfo::exists(
            home() + QStringLiteral("/.local/share/icons/hicolor/48x48/apps/foo-app.png")));
}

QTEST_GUILESS_MAIN(TestInstallInfo)

#include "tst_installinfo.moc"
