// The installed-app actions and the file utilities they share with the
// install task, in a temporary home: starting through the real start
// manager on a private session bus, pointing an entry at another program,
// uninstalling, and deletions that never reach beyond one bottle.

#include "doaction.h"
#include "inioperator.h"
#include "jsonoperator.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "startmanagertestutil.h"
#include "wineinstalledapps.h"
#include "winesettings.h"

#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

using namespace PlatformTest;

namespace {

QString appsDir()
{
    return home() + QStringLiteral("/.lirvanwine/apps/");
}

QString iconsDir()
{
    return home() + QStringLiteral("/.local/share/icons/hicolor/");
}

bool touch(const QString &path, const QByteArray &content = "x")
{
    return writeAll(path, content);
}

TInstalledAppInfo appInfo(const QString &name, const QString &bottleName, int installType)
{
    TInstalledAppInfo info;
    info.appName = name;
    info.bottlePath = appsDir() + bottleName;
    info.publishedAppInfo.installType = installType;
    info.installTime = QStringLiteral("2026-01-02 03:04:05");
    info.desktopInfo.desktopPath = applicationsDir() + name + QStringLiteral(".desktop");
    return info;
}

QByteArray entryText(const QString &exec, const QString &icon = QString())
{
    return (QStringLiteral("[Desktop Entry]\nName=App\nType=Application\nExec=") + exec
            + QStringLiteral("\nPath=/\nStartupWMClass=old.exe\n")
            + (icon.isEmpty() ? QString() : QStringLiteral("Icon=") + icon + QLatin1Char('\n')))
            .toUtf8();
}

// Registers the application in the installed-apps file and the registry.
void registerApp(const TInstalledAppInfo &info)
{
    CommonJsonOperator::writeToJasonfile(info, installedAppsFilePath());
    WineInstalledApps::instance()->addInstalledApps(info);
}

bool isRegistered(const TInstalledAppInfo &info)
{
    TInstalledAppInfo found;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(info.appName, found,
                                                        installedAppsFilePath());
    return !found.appName.isEmpty()
           || WineInstalledApps::instance()->getInstalledApps().contains(info.bottlePath);
}

ino_t inodeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

class TestDoaction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void categoryNames();
    void replaceLineInFileRewritesMarkedLines();
    void replaceLineInFileReplacesTheFileWhole();
    void listsAndNames();
    void findFileIgnoresCaseAndStaysInTree();
    void findFileAndRemoveMatchesWholeIconNames();
    void copyDirectoryKeepsExistingFiles();
    void bottleRemovalStaysInsideOneBottle();

    void stratAppResultCodes();
    void stratAppWithoutSessionBus();
    void stratAppLaunchesThroughStartManager();
    void stratAppFindsEntryByBottle();

    void manualRunDefaultInstallation();
    void manualRunRecommendedInstallation();
    void manualRunFallsBackAndCreatesEntry();

    void unInstallRemovesEverything();
    void unInstallKeepsIconOfAnotherEntry();
    void unInstallWithBottleGone();
    void unInstallDotDotNameLeavesOthersAlone();
};

void TestDoaction::initTestCase()
{
    QVERIFY(StartManagerTest::installActivationFile());
    useBuildPlatform();
}

void TestDoaction::init()
{
    QDir(home() + QStringLiteral("/.lirvanwine")).removeRecursively();
    QDir(home() + QStringLiteral("/.local/share/applications")).removeRecursively();
    QDir(home() + QStringLiteral("/.local/share/icons")).removeRecursively();
    QVERIFY(QDir().mkpath(appsDir()));
    QVERIFY(QDir().mkpath(applicationsDir()));
}

void TestDoaction::categoryNames()
{
    Doaction *action = Doaction::instance();
    QCOMPARE(action->getCategoryName(0), QStringLiteral("全部"));
    QCOMPARE(action->getCategoryName(6), QStringLiteral("游戏娱乐"));
    QCOMPARE(action->getCategoryName(11), QStringLiteral("其他应用"));
    QCOMPARE(action->getCategoryName(12), QStringLiteral("unknown"));
    QCOMPARE(action->getCategoryName(-1), QStringLiteral("unknown"));
}

void TestDoaction::replaceLineInFileRewritesMarkedLines()
{
    const QString path = home() + QStringLiteral("/entry.desktop");
    QVERIFY(touch(path, "[Desktop Entry]\nTryExec=a\nExec=b\n\nName=Exec=x\nExec=last"));
    Doaction::instance()->replaceLineInFile(path, QStringLiteral("Exec="),
                                            QStringLiteral("Exec=new"));
    // Substring test; the unterminated last line stays as it was.
    QCOMPARE(readAll(path),
             QByteArray("[Desktop Entry]\nExec=new\nExec=new\n\nExec=new\nExec=last"));

    QVERIFY(touch(path, "a\nExec=1\n"));
    Doaction::instance()->replaceLineInFile(path, QStringLiteral("Exec="),
                                            QStringLiteral("Exec=2"));
    QCOMPARE(readAll(path), QByteArray("a\nExec=2\n"));

    const QString missing = home() + QStringLiteral("/missing.desktop");
    Doaction::instance()->replaceLineInFile(missing, QStringLiteral("Exec="), QStringLiteral("x"));
    QVERIFY(!QFileInfo::exists(missing));
}

void TestDoaction::replaceLineInFileReplacesTheFileWhole()
{
    // Written beside the file and renamed over it: a reader (or a crash)
    // never meets a half-written file, and the mode stays, so a start
    // script stays executable.
    const QString path = home() + QStringLiteral("/run.sh");
    QVERIFY(touch(path, "#!/bin/bash\nBOTTLENAME=\"old\"\n"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const ino_t before = inodeOf(path);
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));

    Doaction::instance()->replaceLineInFile(path, QStringLiteral("BOTTLENAME="),
                                            QStringLiteral("BOTTLENAME=\"new\""));
    QCOMPARE(readAll(path), QByteArray("#!/bin/bash\nBOTTLENAME=\"new\"\n"));
    QVERIFY(inodeOf(path) != before);
    QCOMPARE(reader.readAll(), QByteArray("#!/bin/bash\nBOTTLENAME=\"old\"\n"));
    QVERIFY(QFileInfo(path).permissions() & QFile::ExeOwner);
    QCOMPARE(QDir(home()).entryList({QStringLiteral("run.sh*")}, QDir::Files | QDir::Hidden),
             QStringList{"run.sh"});
}

void TestDoaction::listsAndNames()
{
    Doaction *action = Doaction::instance();
    const QString dir = home() + QStringLiteral("/list/");
    QVERIFY(touch(dir + QStringLiteral("b.desktop")));
    QVERIFY(touch(dir + QStringLiteral("a.desktop")));
    QVERIFY(touch(dir + QStringLiteral("c.txt")));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("d.desktop")));
    QCOMPARE(action->getDesktopFileList(dir), QStringList({"a.desktop", "b.desktop"}));
    QCOMPARE(action->getDesktopFileList(home() + QStringLiteral("/none")), QStringList());

    QString name = QStringLiteral("unchanged");
    action->getCurrentDirName(home() + QStringLiteral("/none"), name);
    QCOMPARE(name, QStringLiteral("unchanged"));
    action->getCurrentDirName(dir, name);
    QCOMPARE(name, QStringLiteral("list"));
}

void TestDoaction::findFileIgnoresCaseAndStaysInTree()
{
    const QString root = home() + QStringLiteral("/tree");
    QVERIFY(touch(root + QStringLiteral("/a/FOO.exe")));
    QVERIFY(touch(root + QStringLiteral("/b/c/foo.EXE")));
    QVERIFY(touch(root + QStringLiteral("/foo.exe")));
    QVERIFY(touch(root + QStringLiteral("/foo.exe.bak")));
    QVERIFY(touch(home() + QStringLiteral("/outside/foo.exe")));
    QVERIFY(QFile::link(home() + QStringLiteral("/outside"), root + QStringLiteral("/link")));
    // A loop must not hang the walk either.
    QVERIFY(QFile::link(root, root + QStringLiteral("/a/loop")));

    QStringList found{QStringLiteral("kept")};
    Doaction::instance()->findFile(root, QStringLiteral("foo.exe"), found);
    // Directories first at every level.
    QCOMPARE(found,
             QStringList({"kept", root + "/a/FOO.exe", root + "/b/c/foo.EXE", root + "/foo.exe"}));
    LogCapture log;
    QStringList none;
    Doaction::instance()->findFile(home() + QStringLiteral("/nothing"), QStringLiteral("x"), none);
    QVERIFY(none.isEmpty());
    QVERIFY(log.contains(QStringLiteral("/nothing not exists!")));
}

void TestDoaction::findFileAndRemoveMatchesWholeIconNames()
{
    const QString root = iconsDir();
    const QStringList removed = {root + "48x48/apps/foo-app.png",
                                 root + "scalable/apps/foo-app.svg",
                                 root + "16x16/apps/foo-app.xpm"};
    const QStringList kept = {root + "48x48/apps/foo-app-helper.png",
                              root + "48x48/apps/myfoo-app.png", root + "48x48/apps/foo.png",
                              root + "48x48/apps/foo-appx.png"};
    for (const QString &path : removed + kept)
        QVERIFY(touch(path));

    QVERIFY(Doaction::instance()->findFileAndRemove(root, QStringLiteral("foo-app")));
    for (const QString &path : removed)
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    for (const QString &path : kept)
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QVERIFY(!Doaction::instance()->findFileAndRemove(home() + QStringLiteral("/none"),
                                                     QStringLiteral("foo")));
}

void TestDoaction::copyDirectoryKeepsExistingFiles()
{
    const QString src = home() + QStringLiteral("/src");
    const QString dst = home() + QStringLiteral("/dst");
    QVERIFY(touch(src + QStringLiteral("/top.png"), "new"));
    QVERIFY(touch(src + QStringLiteral("/hicolor/48x48/apps/app.png"), "new"));
    QVERIFY(touch(src + QStringLiteral("/skipme/x.png"), "new"));
    QVERIFY(touch(dst + QStringLiteral("/top.png"), "old"));

    Doaction::instance()->copyDirectory(src, dst,
                                        {QStringLiteral("."), QStringLiteral(".."),
                                         QStringLiteral("skipme")});
    QCOMPARE(readAll(dst + QStringLiteral("/top.png")), QByteArray("old"));
    QCOMPARE(readAll(dst + QStringLiteral("/hicolor/48x48/apps/app.png")), QByteArray("new"));
    QVERIFY(!QFileInfo::exists(dst + QStringLiteral("/skipme")));
}

void TestDoaction::bottleRemovalStaysInsideOneBottle()
{
    const QString lirvanWine = home() + QStringLiteral("/.lirvanwine");
    QVERIFY(touch(appsDir() + QStringLiteral("Foo/drive_c/x")));
    QVERIFY(touch(appsDir() + QStringLiteral("Other/drive_c/x")));
    QVERIFY(touch(lirvanWine + QStringLiteral("/icons/i.png")));
    QVERIFY(touch(lirvanWine + QStringLiteral("/com.foo.app/user.reg")));
    QVERIFY(touch(home() + QStringLiteral("/precious/file")));
    QVERIFY(QFile::link(home() + QStringLiteral("/precious"),
                        appsDir() + QStringLiteral("Linked")));

    // Refused: nothing here is a bottle of its own.
    for (const QString &path :
         {QString(), appsDir(), appsDir() + QStringLiteral("."), appsDir() + QStringLiteral(".."),
          appsDir() + QStringLiteral("Foo/drive_c"), home() + QStringLiteral("/precious"),
          lirvanWine, appsDir() + QStringLiteral("../icons")}) {
        QVERIFY2(!Doaction::removeBottle(path), qPrintable(path));
    }
    for (const QString &path :
         {QString(), lirvanWine + QStringLiteral("/apps"), lirvanWine + QStringLiteral("/icons"),
          lirvanWine + QStringLiteral("/."), lirvanWine + QStringLiteral("/.."),
          home() + QStringLiteral("/precious"), appsDir() + QStringLiteral("Foo")}) {
        QVERIFY2(!Doaction::removeRealBottle(path), qPrintable(path));
    }
    QVERIFY(QFileInfo::exists(appsDir() + QStringLiteral("Foo/drive_c/x")));
    QVERIFY(QFileInfo::exists(lirvanWine + QStringLiteral("/icons/i.png")));
    QVERIFY(QFileInfo::exists(home() + QStringLiteral("/precious/file")));

    QVERIFY(Doaction::removeBottle(appsDir() + QStringLiteral("Foo/")));
    QVERIFY(!QFileInfo::exists(appsDir() + QStringLiteral("Foo")));
    // A link is removed, never what it points to.
    QVERIFY(Doaction::removeBottle(appsDir() + QStringLiteral("Linked")));
    QVERIFY(!QFileInfo(appsDir() + QStringLiteral("Linked")).isSymLink());
    QVERIFY(QFileInfo::exists(home() + QStringLiteral("/precious/file")));
    QVERIFY(Doaction::removeRealBottle(lirvanWine + QStringLiteral("/com.foo.app")));
    QVERIFY(!QFileInfo::exists(lirvanWine + QStringLiteral("/com.foo.app")));
    QVERIFY(QFileInfo::exists(appsDir() + QStringLiteral("Other/drive_c/x")));
}

void TestDoaction::stratAppResultCodes()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Codes"), QStringLiteral("Codes"), 1);
    info.appName.clear();
    QCOMPARE(Doaction::instance()->stratAPP(&info), 1);
    info.appName = QStringLiteral("Codes");
    const QString desktopPath = info.desktopInfo.desktopPath;
    info.desktopInfo.desktopPath.clear();
    QCOMPARE(Doaction::instance()->stratAPP(&info), 2);
    info.desktopInfo.desktopPath = desktopPath;
    // Neither the file nor an entry naming the bottle.
    QVERIFY(touch(applicationsDir() + QStringLiteral("other.desktop"),
                  entryText(QStringLiteral("/usr/bin/true /elsewhere"))));
    LogCapture log;
    QCOMPARE(Doaction::instance()->stratAPP(&info), 4);
    QVERIFY(log.contains(QStringLiteral("DesktopFilePath not exists!")));
}

void TestDoaction::stratAppWithoutSessionBus()
{
    // A process without a session bus: run this test program again in a
    // child that only makes that one call.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("LWA_STRATAPP_CHILD"), QStringLiteral("1"));
    const Result result = run(QCoreApplication::applicationFilePath(), {}, environment);
    QVERIFY2(result.finished, qPrintable(result.err));
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.err.contains(QStringLiteral("Cannot connect to the bus daemon")));
}

void TestDoaction::stratAppLaunchesThroughStartManager()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Launch"), QStringLiteral("Launch"), 1);
    const QString marker = info.bottlePath + QStringLiteral("/launched");
    QVERIFY(QDir().mkpath(info.bottlePath));
    QVERIFY(touch(info.desktopInfo.desktopPath, entryText("/usr/bin/touch \"" + marker + "\"")));
    LogCapture log;
    QCOMPARE(Doaction::instance()->stratAPP(&info), 0);
    QVERIFY(waitFor([&] { return QFileInfo::exists(marker); }, 10000));
    QVERIFY(log.contains(QStringLiteral("AppName:Launch DesktopFile:")
                         + info.desktopInfo.desktopPath));
}

void TestDoaction::stratAppFindsEntryByBottle()
{
    // The recorded entry is gone, another entry of the same bottle remains.
    TInstalledAppInfo info = appInfo(QStringLiteral("Moved"), QStringLiteral("Moved"), 1);
    const QString marker = info.bottlePath + QStringLiteral("/found");
    QVERIFY(QDir().mkpath(info.bottlePath));
    QVERIFY(touch(applicationsDir() + QStringLiteral("a-unrelated.desktop"),
                  entryText(QStringLiteral("/usr/bin/touch /nonexistent/x"))));
    // A bottle whose name only begins like this one's is another bottle.
    const QString similar = info.bottlePath + QStringLiteral(" 2");
    QVERIFY(QDir().mkpath(similar));
    QVERIFY(touch(applicationsDir() + QStringLiteral("b-similar.desktop"),
                  entryText("/usr/bin/touch \"" + similar + "/found\"")));
    const QString entry = applicationsDir() + QStringLiteral("renamed.desktop");
    QVERIFY(touch(entry, entryText("/usr/bin/touch \"" + marker + "\"")));
    LogCapture log;
    QCOMPARE(Doaction::instance()->stratAPP(&info), 0);
    QVERIFY(waitFor([&] { return QFileInfo::exists(marker); }, 10000));
    QVERIFY(log.contains(QStringLiteral("DesktopFile:") + entry));
    QVERIFY(!QFileInfo::exists(similar + QStringLiteral("/found")));

    // Without a bottle path no entry is anybody's.
    info.bottlePath.clear();
    QCOMPARE(Doaction::instance()->stratAPP(&info), 4);
    QString exePath = QStringLiteral("/x/y.exe");
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 2);
    QVERIFY(readAll(entry).contains("\nStartupWMClass=old.exe\n"));
}

void TestDoaction::manualRunDefaultInstallation()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Manual"), QStringLiteral("Manual"), 1);
    QVERIFY(touch(info.desktopInfo.desktopPath, entryText(QStringLiteral("old"))));
    const QString exeDir = info.bottlePath + QStringLiteral("/drive_c/Program Files/My App");
    QString exePath = exeDir + QStringLiteral("/run me.exe");

    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 0);
    QCOMPARE(exePath,
             QStringLiteral("C:\\\\\\\\Program\\\\ Files\\\\\\\\My\\\\ App\\\\\\\\run\\\\ me.exe"));
    const QByteArray entry = readAll(info.desktopInfo.desktopPath);
    const QString wine = WineSettings::instance()->stringValue(QStringLiteral("wine"));
    QVERIFY2(entry.contains(("\nExec=env WINEPREFIX=\"" + info.bottlePath + "\" " + wine + " "
                             + exePath + "\n")
                                    .toUtf8()),
             entry.constData());
    QVERIFY(entry.contains(("\nPath=" + exeDir + "\n").toUtf8()));
    QVERIFY(entry.contains("\nStartupWMClass=run me.exe\n"));

    // A line break in a folder name cannot add a line to the entry.
    const int lines = readAll(info.desktopInfo.desktopPath).count('\n');
    QString broken = info.bottlePath + QStringLiteral("/drive_c/Line\nExec=evil/x\ny.exe");
    QCOMPARE(Doaction::instance()->manualRun(&info, broken), 0);
    const QByteArray rewritten = readAll(info.desktopInfo.desktopPath);
    QCOMPARE(rewritten.count('\n'), lines);
    QVERIFY(rewritten.contains("/drive_c/Line\\nExec=evil\n"));
    QVERIFY(rewritten.contains("\nStartupWMClass=x\\ny.exe\n"));

    QString empty;
    QCOMPARE(Doaction::instance()->manualRun(&info, empty), -1);
    info.appName.clear();
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 1);
}

void TestDoaction::manualRunRecommendedInstallation()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Rec"), QStringLiteral("com.rec.app"), 0);
    QVERIFY(QDir().mkpath(info.bottlePath));
    QVERIFY(touch(info.desktopInfo.desktopPath, entryText(QStringLiteral("old"))));
    const QString realBottle = home() + QStringLiteral("/.lirvanwine/com.rec.app");
    QString exePath = realBottle + QStringLiteral("/drive_c/Rec/rec.exe");

    // The real bottle does not exist yet.
    LogCapture log;
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 2);
    QVERIFY(log.contains(QStringLiteral("Recommnd install realBottom dir is not exists!")));

    QVERIFY(QDir().mkpath(realBottle));
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 0);
    QCOMPARE(exePath, QStringLiteral("C:\\\\\\\\Rec\\\\\\\\rec.exe"));
    QVERIFY(readAll(info.desktopInfo.desktopPath)
                    .contains(("Exec=env WINEPREFIX=\"" + realBottle + "\" ").toUtf8()));
}

void TestDoaction::manualRunFallsBackAndCreatesEntry()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Fallback"), QStringLiteral("Fallback"), 1);
    info.desktopInfo.icon = QStringLiteral("fallback-icon");
    const QString other = applicationsDir() + QStringLiteral("other name.desktop");
    QVERIFY(touch(other, entryText("env WINEPREFIX=\"" + info.bottlePath + "\" wine x")));
    QString exePath = info.bottlePath + QStringLiteral("/drive_c/a.exe");
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 0);
    QVERIFY(readAll(other).contains("\nStartupWMClass=a.exe\n"));
    QVERIFY(!QFileInfo::exists(info.desktopInfo.desktopPath));

    // No entry at all: a new one is written at the recorded path.
    QVERIFY(QFile::remove(other));
    exePath = info.bottlePath + QStringLiteral("/drive_c/b.exe");
    QCOMPARE(Doaction::instance()->manualRun(&info, exePath), 0);
    TDesktopfileInfo written;
    CommonIniOperator::readToInifile(info.desktopInfo.desktopPath, written);
    QCOMPARE(written.name, QStringLiteral("Fallback"));
    QCOMPARE(written.type, QStringLiteral("Application"));
    QCOMPARE(written.startupnotify, QStringLiteral("true"));
    QCOMPARE(written.path, info.bottlePath + QStringLiteral("/drive_c"));
    QCOMPARE(written.startupwmclass, QStringLiteral("b.exe"));
    QCOMPARE(written.icon, QStringLiteral("fallback-icon"));
    QVERIFY(written.exec.endsWith(QStringLiteral(" C:\\\\\\\\b.exe")));
}

void TestDoaction::unInstallRemovesEverything()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Full"), QStringLiteral("com.full.app"), 0);
    const QString realBottle = home() + QStringLiteral("/.lirvanwine/com.full.app");
    QVERIFY(touch(info.bottlePath + QStringLiteral("/files/run.sh")));
    QVERIFY(touch(realBottle + QStringLiteral("/user.reg")));
    QVERIFY(touch(info.desktopInfo.desktopPath,
                  entryText(QStringLiteral("x"), QStringLiteral("full-app"))));
    QVERIFY(touch(iconsDir() + QStringLiteral("48x48/apps/full-app.png")));
    QVERIFY(touch(iconsDir() + QStringLiteral("48x48/apps/full-app-other.png")));
    registerApp(info);
    QVERIFY(isRegistered(info));

    QCOMPARE(Doaction::instance()->unInstallApp(&info), 0);
    QVERIFY(!QFileInfo::exists(info.bottlePath));
    QVERIFY(!QFileInfo::exists(realBottle));
    QVERIFY(!QFileInfo::exists(info.desktopInfo.desktopPath));
    QVERIFY(!QFileInfo::exists(iconsDir() + QStringLiteral("48x48/apps/full-app.png")));
    QVERIFY(QFileInfo::exists(iconsDir() + QStringLiteral("48x48/apps/full-app-other.png")));
    QVERIFY(!isRegistered(info));
}

void TestDoaction::unInstallKeepsIconOfAnotherEntry()
{
    // Two applications whose packages bring the same icon name.
    TInstalledAppInfo info = appInfo(QStringLiteral("Second"), QStringLiteral("com.second"), 0);
    QVERIFY(touch(info.bottlePath + QStringLiteral("/files/run.sh")));
    QVERIFY(touch(info.desktopInfo.desktopPath,
                  entryText(QStringLiteral("x"), QStringLiteral("shared-app"))));
    const QString other = home() + QStringLiteral("/.local/share/applications/shared-app.desktop");
    QVERIFY(touch(other, entryText(QStringLiteral("y"), QStringLiteral("shared-app"))));
    QVERIFY(touch(iconsDir() + QStringLiteral("48x48/apps/shared-app.png")));
    registerApp(info);

    QCOMPARE(Doaction::instance()->unInstallApp(&info), 0);
    QVERIFY(!QFileInfo::exists(info.desktopInfo.desktopPath));
    QVERIFY(QFileInfo::exists(other));
    QVERIFY(QFileInfo::exists(iconsDir() + QStringLiteral("48x48/apps/shared-app.png")));
    QVERIFY(!isRegistered(info));
}

void TestDoaction::unInstallWithBottleGone()
{
    TInstalledAppInfo info = appInfo(QStringLiteral("Gone"), QStringLiteral("Gone"), 1);
    // Without an Icon value no icon is touched.
    QVERIFY(touch(info.desktopInfo.desktopPath, entryText(QStringLiteral("x"))));
    QVERIFY(touch(iconsDir() + QStringLiteral("48x48/apps/Gone.png")));
    registerApp(info);
    QSignalSpy changed(WineInstalledApps::instance(),
                       &WineInstalledApps::signalInstalledAppChanged);

    LogCapture log;
    QCOMPARE(Doaction::instance()->unInstallApp(&info), 0);
    QVERIFY(!QFileInfo::exists(info.desktopInfo.desktopPath));
    QVERIFY(QFileInfo::exists(iconsDir() + QStringLiteral("48x48/apps/Gone.png")));
    QVERIFY(!isRegistered(info));
    QCOMPARE(changed.count(), 1);
    // localdesktop.sh was still asked to clean up after that bottle name.
    QVERIFY(log.contains(QStringLiteral("localdesktop.sh\\\" \\\"Gone\\\"")));
}

void TestDoaction::unInstallDotDotNameLeavesOthersAlone()
{
    // A catalogue name ".." gives a bottle path that is ~/.lirvanwine itself.
    TInstalledAppInfo info = appInfo(QStringLiteral(".."), QStringLiteral(".."), 0);
    QVERIFY(touch(appsDir() + QStringLiteral("Other/drive_c/x")));
    QVERIFY(touch(home() + QStringLiteral("/.lirvanwine/com.other.app/user.reg")));
    QVERIFY(touch(home() + QStringLiteral("/Documents/letter.txt")));
    registerApp(info);

    QCOMPARE(Doaction::instance()->unInstallApp(&info), 0);
    QVERIFY(QFileInfo::exists(appsDir() + QStringLiteral("Other/drive_c/x")));
    QVERIFY(QFileInfo::exists(home() + QStringLiteral("/.lirvanwine/com.other.app/user.reg")));
    QVERIFY(QFileInfo::exists(home() + QStringLiteral("/Documents/letter.txt")));
    QVERIFY(!isRegistered(info));

    info = appInfo(QStringLiteral("Empty"), QString(), 0);
    info.bottlePath.clear();
    QCOMPARE(Doaction::instance()->unInstallApp(&info), 0);
    QVERIFY(QFileInfo::exists(home() + QStringLiteral("/.lirvanwine/com.other.app/user.reg")));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("LWA_STRATAPP_CHILD")) {
        TInstalledAppInfo info = appInfo(QStringLiteral("NoBus"), QStringLiteral("NoBus"), 1);
        return Doaction::instance()->stratAPP(&info);
    }
    TestDoaction test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_doaction.moc"
