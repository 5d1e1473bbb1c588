// The installed-app actions and the file utilities they share with the
// install task, in a temporary home: starting through the real start
// manager on a private session bus, pointing an entry at another program,
// uninstalling, and deletions that never reach beyond one bottle.

#include "doaction.h"
#include "heldinstalledappslock.h"
#include "inioperator.h"
#include "jsonoperator.h"
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

Doaction *act()
{
    return Doaction::instance();
}

bool exists(const QString &path)
{
    return QFileInfo::exists(path);
}

QString appsDir()
{
    return home() + "/.lirvanwine/apps/";
}

QString iconsDir()
{
    return home() + "/.local/share/icons/hicolor/";
}

bool touch(const QString &path, const QByteArray &content = "x")
{
    return writeAll(path, content);
}

bool touchAll(const QStringList &paths)
{
    return std::all_of(paths.begin(), paths.end(), [](const QString &path) { return touch(path); });
}

// Those of the paths that exist.
QStringList present(const QStringList &paths)
{
    QStringList found;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(found), exists);
    return found;
}

TInstalledAppInfo appInfo(const QString &name, const QString &bottleName, int installType)
{
    TInstalledAppInfo info;
    info.appName = name;
    info.bottlePath = appsDir() + bottleName;
    info.publishedAppInfo.installType = installType;
    info.installTime = "2026-01-02 03:04:05";
    info.desktopInfo.desktopPath = applicationsDir() + name + ".desktop";
    return info;
}

QByteArray entryText(const QString &exec, const QString &icon = QString())
{
    return ("[Desktop Entry]\nName=App\nType=Application\nExec=" + exec
            + "\nPath=/\nStartupWMClass=old.exe\n"
            + (icon.isEmpty() ? QString() : "Icon=" + icon + QLatin1Char('\n')))
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
    void initTestCase()
    {
        QVERIFY(StartManagerTest::installActivationFile());
        useBuildPlatform();
    }
    void init()
    {
        for (const char *dir :
             {"/.lirvanwine", "/.local/share/applications", "/.local/share/icons"})
            QDir(home() + dir).removeRecursively();
        QVERIFY(QDir().mkpath(appsDir()));
        QVERIFY(QDir().mkpath(applicationsDir()));
    }

    void replaceLineInFileReplacesMarkedLinesWhole()
    {
        // Written beside the file and renamed over it: a reader (or a crash)
        // never meets a half-written file, and the mode stays, so a start
        // script stays executable.
        const QString path = home() + "/run.sh";
        QVERIFY(touch(path, "#!/bin/bash\nTryExec=a\nExec=b\n\nName=Exec=x\nExec=last"));
        QVERIFY(QFile::setPermissions(path,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const ino_t before = inodeOf(path);
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));

        act()->replaceLineInFile(path, "Exec=", "Exec=new");
        // Substring test; the unterminated last line stays as it was.
        QCOMPARE(readAll(path),
                 QByteArray("#!/bin/bash\nExec=new\nExec=new\n\nExec=new\nExec=last"));
        QVERIFY(inodeOf(path) != before);
        QCOMPARE(reader.readAll(),
                 QByteArray("#!/bin/bash\nTryExec=a\nExec=b\n\nName=Exec=x\nExec=last"));
        QVERIFY(QFileInfo(path).permissions() & QFile::ExeOwner);
        QCOMPARE(QDir(home()).entryList({QStringLiteral("run.sh*")}, QDir::Files | QDir::Hidden),
                 QStringList{"run.sh"});

        const QString missing = home() + "/missing.desktop";
        act()->replaceLineInFile(missing, "Exec=", "x");
        QVERIFY(!exists(missing));
    }
    void listsAndNames()
    {
        Doaction *action = Doaction::instance();
        const QString dir = home() + "/list/";
        QVERIFY(touchAll({dir + "b.desktop", dir + "a.desktop", dir + "c.txt"}));
        QVERIFY(QDir().mkpath(dir + "d.desktop"));
        QCOMPARE(action->getDesktopFileList(dir), QStringList({"a.desktop", "b.desktop"}));
        QCOMPARE(action->getDesktopFileList(home() + QStringLiteral("/none")), QStringList());

        QString name;
        action->getCurrentDirName(dir, name);
        QCOMPARE(name, QStringLiteral("list"));
        // Category numbers from the catalogue index a table of names.
        QCOMPARE(action->getCategoryName(6), QStringLiteral("游戏娱乐"));
        QCOMPARE(action->getCategoryName(12), QStringLiteral("unknown"));
    }
    void findFileIgnoresCaseAndStaysInTree()
    {
        const QString root = home() + "/tree";
        QVERIFY(touchAll({root + "/a/FOO.exe", root + "/b/c/foo.EXE", root + "/foo.exe",
                          root + "/foo.exe.bak", home() + "/outside/foo.exe"}));
        QVERIFY(QFile::link(home() + "/outside", root + "/link"));
        // A loop must not hang the walk either.
        QVERIFY(QFile::link(root, root + "/a/loop"));

        QStringList found{"kept"};
        act()->findFile(root, "foo.exe", found);
        // Directories first at every level.
        QCOMPARE(found, QStringList({"kept", root + "/a/FOO.exe", root + "/b/c/foo.EXE",
                                     root + "/foo.exe"}));
    }
    void findFileAndRemoveMatchesWholeIconNames()
    {
        const QString root = iconsDir();
        const QStringList removed = {root + "48x48/apps/foo-app.png",
                                     root + "scalable/apps/foo-app.svg",
                                     root + "16x16/apps/foo-app.xpm"};
        const QStringList kept = {root + "48x48/apps/foo-app-helper.png",
                                  root + "48x48/apps/myfoo-app.png", root + "48x48/apps/foo.png",
                                  root + "48x48/apps/foo-appx.png"};
        QVERIFY(touchAll(removed + kept));
        QVERIFY(act()->findFileAndRemove(root, "foo-app"));
        QCOMPARE(present(removed + kept), kept);
        QVERIFY(!act()->findFileAndRemove(home() + "/none", "foo"));
    }
    void copyDirectoryKeepsExistingFiles()
    {
        const QString src = home() + "/src";
        const QString dst = home() + "/dst";
        for (const QString &path :
             {src + "/top.png", src + "/hicolor/48x48/apps/app.png", src + "/skipme/x.png"})
            QVERIFY(touch(path, "new"));
        QVERIFY(touch(dst + "/top.png", "old"));

        act()->copyDirectory(src, dst, {".", "..", "skipme"});
        QCOMPARE(readAll(dst + QStringLiteral("/top.png")), QByteArray("old"));
        QCOMPARE(readAll(dst + QStringLiteral("/hicolor/48x48/apps/app.png")), QByteArray("new"));
        QVERIFY(!exists(dst + "/skipme"));
    }
    void bottleRemovalStaysInsideOneBottle()
    {
        const QString lirvanWine = home() + "/.lirvanwine";
        const QStringList files = {appsDir() + "Foo/drive_c/x", lirvanWine + "/icons/i.png",
                                   home() + "/precious/file", appsDir() + "Other/drive_c/x",
                                   lirvanWine + "/com.foo.app/user.reg"};
        QVERIFY(touchAll(files));
        QVERIFY(QFile::link(home() + "/precious", appsDir() + "Linked"));

        // Refused: nothing here is a bottle of its own.
        for (const QString &path :
             {QString(), appsDir(), appsDir() + ".", appsDir() + "..", appsDir() + "Foo/drive_c",
              home() + "/precious", lirvanWine, appsDir() + "../icons"}) {
            QVERIFY2(!Doaction::removeBottle(path), qPrintable(path));
        }
        for (const QString &path :
             {QString(), lirvanWine + "/apps", lirvanWine + "/icons", lirvanWine + "/.",
              lirvanWine + "/..", home() + "/precious", appsDir() + "Foo"}) {
            QVERIFY2(!Doaction::removeRealBottle(path), qPrintable(path));
        }
        QCOMPARE(present(files), files);

        QVERIFY(Doaction::removeBottle(appsDir() + "Foo/"));
        // A link is removed, never what it points to.
        QVERIFY(Doaction::removeBottle(appsDir() + "Linked"));
        QVERIFY(!QFileInfo(appsDir() + "Linked").isSymLink());
        QVERIFY(exists(home() + "/precious/file"));
        QVERIFY(Doaction::removeRealBottle(lirvanWine + "/com.foo.app"));
        QCOMPARE(present(files), files.mid(1, 3));
    }

    void stratAppResultCodes()
    {
        TInstalledAppInfo info = appInfo("Codes", "Codes", 1);
        info.appName.clear();
        QCOMPARE(act()->stratAPP(&info), 1);
        info.appName = "Codes";
        info.desktopInfo.desktopPath.clear();
        QCOMPARE(act()->stratAPP(&info), 2);
    }
    void stratAppWithoutSessionBus()
    {
        // A process without a session bus: run this test program again in a
        // child that only makes that one call.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        environment.insert("LWA_STRATAPP_CHILD", "1");
        const Result result = run(QCoreApplication::applicationFilePath(), {}, environment);
        QVERIFY2(result.finished, qPrintable(result.err));
        QCOMPARE(result.exitCode, 3);
        QVERIFY(result.err.contains("Cannot connect to the bus daemon"));
    }
    void stratAppLaunchesThroughStartManager()
    {
        TInstalledAppInfo info = appInfo("Launch", "Launch", 1);
        const QString marker = info.bottlePath + "/launched";
        QVERIFY(QDir().mkpath(info.bottlePath));
        QVERIFY(touch(info.desktopInfo.desktopPath,
                      entryText("/usr/bin/touch \"" + marker + "\"")));
        QCOMPARE(act()->stratAPP(&info), 0);
        QVERIFY(waitFor([&] { return exists(marker); }, 10000));

        // The recorded entry is gone, another entry of the same bottle remains.
        QVERIFY(QFile::remove(info.desktopInfo.desktopPath) && QFile::remove(marker));
        QVERIFY(touch(applicationsDir() + "a-unrelated.desktop",
                      entryText("/usr/bin/touch /nonexistent/x")));
        // A bottle whose name only begins like this one's is another bottle.
        const QString similar = info.bottlePath + " 2";
        QVERIFY(QDir().mkpath(similar));
        QVERIFY(touch(applicationsDir() + "b-similar.desktop",
                      entryText("/usr/bin/touch \"" + similar + "/found\"")));
        const QString entry = applicationsDir() + "renamed.desktop";
        QVERIFY(touch(entry, entryText("/usr/bin/touch \"" + marker + "\"")));
        QCOMPARE(act()->stratAPP(&info), 0);
        // Only that entry's command writes the marker.
        QVERIFY(waitFor([&] { return exists(marker); }, 10000));
        QVERIFY(!exists(similar + "/found"));
    }

    void manualRunDefaultInstallation()
    {
        TInstalledAppInfo info = appInfo("Manual", "Manual", 1);
        QVERIFY(touch(info.desktopInfo.desktopPath, entryText("old")));
        const QString exeDir = info.bottlePath + "/drive_c/Program Files/My App";
        QString exePath = exeDir + "/run me.exe";

        QCOMPARE(act()->manualRun(&info, exePath), 0);
        QCOMPARE(exePath,
                 QStringLiteral(
                         "C:\\\\\\\\Program\\\\ Files\\\\\\\\My\\\\ App\\\\\\\\run\\\\ me.exe"));
        const QByteArray entry = readAll(info.desktopInfo.desktopPath);
        const QString wine = WineSettings::instance()->stringValue("wine");
        for (const QString &line :
             {"\nExec=env WINEPREFIX=\"" + info.bottlePath + "\" " + wine + " " + exePath + "\n",
              "\nPath=" + exeDir + "\n", QStringLiteral("\nStartupWMClass=run me.exe\n")})
            QVERIFY2(entry.contains(line.toUtf8()), qPrintable(line));

        // A line break in a folder name cannot add a line to the entry.
        const int lines = readAll(info.desktopInfo.desktopPath).count('\n');
        QString broken = info.bottlePath + "/drive_c/Line\nExec=evil/x\ny.exe";
        QCOMPARE(act()->manualRun(&info, broken), 0);
        const QByteArray rewritten = readAll(info.desktopInfo.desktopPath);
        QCOMPARE(rewritten.count('\n'), lines);
        QVERIFY(rewritten.contains("/drive_c/Line\\nExec=evil\n"));
        QVERIFY(rewritten.contains("\nStartupWMClass=x\\ny.exe\n"));

        QString empty;
        QCOMPARE(act()->manualRun(&info, empty), -1);
        info.appName.clear();
        QCOMPARE(act()->manualRun(&info, exePath), 1);
    }
    void manualRunRecommendedInstallation()
    {
        TInstalledAppInfo info = appInfo("Rec", "com.rec.app", 0);
        QVERIFY(QDir().mkpath(info.bottlePath));
        QVERIFY(touch(info.desktopInfo.desktopPath, entryText("old")));
        const QString realBottle = home() + "/.lirvanwine/com.rec.app";
        QString exePath = realBottle + "/drive_c/Rec/rec.exe";
        QVERIFY(QDir().mkpath(realBottle));
        QCOMPARE(act()->manualRun(&info, exePath), 0);
        QCOMPARE(exePath, QStringLiteral("C:\\\\\\\\Rec\\\\\\\\rec.exe"));
        QVERIFY(readAll(info.desktopInfo.desktopPath)
                        .contains(("Exec=env WINEPREFIX=\"" + realBottle + "\" ").toUtf8()));
    }
    void manualRunFallsBackAndCreatesEntry()
    {
        TInstalledAppInfo info = appInfo("Fallback", "Fallback", 1);
        info.desktopInfo.icon = "fallback-icon";
        const QString other = applicationsDir() + "other name.desktop";
        QVERIFY(touch(other, entryText("env WINEPREFIX=\"" + info.bottlePath + "\" wine x")));
        QString exePath = info.bottlePath + "/drive_c/a.exe";
        QCOMPARE(act()->manualRun(&info, exePath), 0);
        QVERIFY(readAll(other).contains("\nStartupWMClass=a.exe\n"));
        QVERIFY(!exists(info.desktopInfo.desktopPath));

        // No entry at all: a new one is written at the recorded path.
        QVERIFY(QFile::remove(other));
        exePath = info.bottlePath + "/drive_c/b.exe";
        QCOMPARE(act()->manualRun(&info, exePath), 0);
        TDesktopfileInfo written;
        CommonIniOperator::readToInifile(info.desktopInfo.desktopPath, written);
        QCOMPARE(QStringList({written.name, written.type, written.startupnotify, written.path,
                              written.startupwmclass, written.icon}),
                 QStringList({"Fallback", "Application", "true", info.bottlePath + "/drive_c",
                              "b.exe", "fallback-icon"}));
        QVERIFY(written.exec.endsWith(" C:\\\\\\\\b.exe"));
    }

    void unInstallRemovesEverything()
    {
        TInstalledAppInfo info = appInfo("Full", "com.full.app", 0);
        const QString realBottle = home() + "/.lirvanwine/com.full.app";
        QVERIFY(touchAll({info.bottlePath + "/files/run.sh", realBottle + "/user.reg",
                          iconsDir() + "48x48/apps/full-app.png"}));
        QVERIFY(touch(info.desktopInfo.desktopPath, entryText("x", "full-app")));
        registerApp(info);
        QVERIFY(isRegistered(info));

        QCOMPARE(act()->unInstallApp(&info), 0);
        QCOMPARE(present({info.bottlePath, realBottle, info.desktopInfo.desktopPath,
                          iconsDir() + "48x48/apps/full-app.png"}),
                 QStringList());
        QVERIFY(!isRegistered(info));
    }
    void unInstallLaterLeavesTheFileToTheWorker()
    {
        TInstalledAppInfo info = appInfo("Later", "Later", 1);
        QVERIFY(touch(info.bottlePath + "/drive_c/x"));
        registerApp(info);
        bool done = false;
        {
            // Another process saving the installed-apps file meanwhile.
            HeldInstalledAppsLock held(installedAppsFilePath(), 30000);
            QVERIFY(held.isLocked());
            act()->unInstallAppLater(info, this, [&] { done = true; });
            QTRY_VERIFY(!exists(info.bottlePath));
            QTest::qWait(300);
            // This thread went on while the record waited for the file.
            QVERIFY(!held.isReleased());
            QVERIFY(!done);
            QVERIFY(WineInstalledApps::instance()->getInstalledApps().contains(info.bottlePath));
        }
        QTRY_VERIFY(done);
        QVERIFY(!isRegistered(info));
    }
    void unInstallKeepsIconOfAnotherEntry()
    {
        // Two applications whose packages bring the same icon name.
        TInstalledAppInfo info = appInfo("Second", "com.second", 0);
        QVERIFY(touch(info.bottlePath + "/files/run.sh"));
        QVERIFY(touch(info.desktopInfo.desktopPath, entryText("x", "shared-app")));
        const QString other = home() + "/.local/share/applications/shared-app.desktop";
        QVERIFY(touch(other, entryText("y", "shared-app")));
        QVERIFY(touch(iconsDir() + "48x48/apps/shared-app.png"));
        registerApp(info);

        QCOMPARE(act()->unInstallApp(&info), 0);
        const QStringList kept = {other, iconsDir() + "48x48/apps/shared-app.png"};
        QCOMPARE(present(QStringList{info.desktopInfo.desktopPath} + kept), kept);
        QVERIFY(!isRegistered(info));
    }
    void unInstallDotDotNameLeavesOthersAlone()
    {
        // A catalogue name ".." gives a bottle path that is ~/.lirvanwine itself.
        TInstalledAppInfo info = appInfo("..", "..", 0);
        const QStringList others = {appsDir() + "Other/drive_c/x",
                                    home() + "/.lirvanwine/com.other.app/user.reg",
                                    home() + "/Documents/letter.txt"};
        QVERIFY(touchAll(others));
        registerApp(info);
        QCOMPARE(act()->unInstallApp(&info), 0);
        QCOMPARE(present(others), others);
        QVERIFY(!isRegistered(info));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("LWA_STRATAPP_CHILD")) {
        TInstalledAppInfo info = appInfo("NoBus", "NoBus", 1);
        return act()->stratAPP(&info);
    }
    TestDoaction test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_doaction.moc"
