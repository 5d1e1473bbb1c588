// The command line for scripts against the real binary, with real Wine and
// the catalogue service down: install (an .exe and the one .msi of the
// tests), list, uninstall, cancel with SIGINT,
// back up and restore (also in a second home under another user name) and
// hostile archives; beside a running window on a private bus, whose list
// follows, and two writers of the installed-apps file losing no record.

#include "assisthome.h"
#include "doaction.h"
#include "installflowtestutil.h"
#include "jsonoperator.h"
#include "platformtestutil.h"
#include "startmanagertestutil.h"
#include "winesettings.h"

#include <QDirIterator>
#include <QtTest>

#include <signal.h>

using namespace InstallFlowTest;
using namespace PlatformTest;

namespace {

constexpr int WineTimeoutMs = 300000;

struct Cli
{
    int code = -1;
    QString out;
    QString err;
};

QProcessEnvironment homeEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // No display: the commands must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    // Nor a session bus.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // The reasons are checked in the program's own language.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8"));
    return env;
}

void startCli(QProcess &process, const QStringList &args, const QProcessEnvironment &env)
{
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LWA_ASSIST_BINARY), args);
}

Cli cli(const QStringList &args, const QProcessEnvironment &env = homeEnvironment())
{
    QProcess process;
    startCli(process, args, env);
    process.closeWriteChannel();
    Cli result;
    if (process.waitForFinished(WineTimeoutMs))
        result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// Through a pseudo terminal that answers the question with `answer`.
Cli cliOnTerminal(const QStringList &args, const QByteArray &answer)
{
    QStringList quoted;
    for (const QString &arg : args)
        quoted << QLatin1Char('\'') + arg + QLatin1Char('\'');
    QProcess process;
    process.setProcessEnvironment(homeEnvironment());
    process.start(QStringLiteral("script"),
                  {QStringLiteral("-qec"),
                   QStringLiteral(LWA_ASSIST_BINARY " ") + quoted.join(QLatin1Char(' ')),
                   QStringLiteral("/dev/null")});
    process.waitForStarted();
    QTest::qWait(1500);
    process.write(answer);
    Cli result;
    if (process.waitForFinished(60000))
        result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAll());
    return result;
}

// The exit code of an uninstall confirmed on the command line.
int uninstall(const QString &name)
{
    return cli({QStringLiteral("--uninstall"), name, QStringLiteral("--yes")}).code;
}

QString fooBottle(const QString &homePath = home())
{
    return homePath + QStringLiteral("/.lirvanwine/apps/Foo_1");
}

// Everything under the bottles and menu folders, to see that nothing is
// left behind.
QStringList leftovers(const QString &homePath = home())
{
    QStringList found;
    for (const QString &dir :
         {QStringLiteral("/.lirvanwine/apps"), QStringLiteral("/.local/share/applications")}) {
        QDirIterator it(homePath + dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext())
            found << it.next();
    }
    found.removeAll(homePath + QStringLiteral("/.local/share/applications/wine"));
    return found;
}

QString logFile()
{
    return home() + QStringLiteral("/.cache/lirvan-wine-assist/lirvan-wine-assist.log");
}

bool tarDir(const QString &archive, const QString &dir, const QStringList &extra = {})
{
    return run(QStringLiteral("tar"), QStringList{QStringLiteral("--zstd"), QStringLiteral("-cf"),
                                                  archive, QStringLiteral("-C"), dir}
                                              + extra)
                   .exitCode
           == 0;
}

} // namespace

class TestScriptCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void installBackupRestoreAndUninstall();
    void interruptCancelsInstall();
    void hostileArchivesLeaveNothing_data();
    void hostileArchivesLeaveNothing();
    void backupRefusesWhileTheAppRuns();
    void windowFollowsTheCommandLine();
    void concurrentWritersLoseNoRecord();

private:
    // A small application without Wine: a bottle with one file, a menu
    // entry and its record.
    TInstalledAppInfo fakeApp(const QString &name);
    QString m_smallArchive;
    QTemporaryDir m_archives;
};

void TestScriptCommands::initTestCase()
{
    QVERIFY(QFileInfo::exists(fixture(QStringLiteral("foo-setup.exe"))));
    QVERIFY(StartManagerTest::installActivationFile());
    useBuildPlatform();
    // Nothing listens there: the catalogue service is down.
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                       QStringLiteral("http://127.0.0.1:9"));
    WineSettings::instance()->sync();
}

void TestScriptCommands::init()
{
    // Each case starts with nothing installed, whatever a failed one left.
    const QString apps = home() + QStringLiteral("/.lirvanwine/apps/");
    for (const QString &bottle : QDir(apps).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        endWine(apps + bottle);
    QVERIFY(QDir(home() + QStringLiteral("/.lirvanwine")).removeRecursively());
    QVERIFY(QDir(applicationsDir()).removeRecursively());
    QFile::remove(installedAppsFilePath());
}

void TestScriptCommands::installBackupRestoreAndUninstall()
{
    QCOMPARE(cli({QStringLiteral("--list")}).out, QString());
    const QString entry = applicationsDir() + QStringLiteral("Foo.desktop");
    Cli installed = cli({QStringLiteral("--install"), fixture(QStringLiteral("foo-setup.exe"))});
    QVERIFY2(installed.code == 0, qPrintable(installed.err));
    QCOMPARE(installed.out, QStringLiteral("Foo\t%1\t%2\n").arg(fooBottle(), entry));
    QVERIFY(QFileInfo::exists(entry));
    QCOMPARE(cli({QStringLiteral("--install"), fixture(QStringLiteral("foo-setup.exe"))}).code, 3);

    // The installer database makes no shortcut: installed, but without a
    // menu entry that is no success. Its bottle is prepared before msiexec
    // runs it, and the check timer ticking meanwhile does not cut it off.
    const QByteArray logBefore = readAll(logFile());
    QProcessEnvironment checking = homeEnvironment();
    checking.insert(QStringLiteral("LWA_INSTALL_CHECK_INTERVAL_MS"), QStringLiteral("1000"));
    const Cli msi = cli({QStringLiteral("--install"), fixture(QStringLiteral("bar-setup.msi")),
                         QStringLiteral("--name"), QStringLiteral("Bar Tool")},
                        checking);
    QCOMPARE(msi.code, 1);
    const QByteArray log = readAll(logFile()).mid(logBefore.size());
    // The unpacked default bottle is bare: it becomes a copy of what
    // fixbottle.sh makes of one, made for the first such bottle.
    const int fixbottle = log.indexOf("fixbottle.sh");
    const int copied = log.indexOf("/generic-", fixbottle);
    QVERIFY2(fixbottle >= 0 && copied > fixbottle
                     && log.indexOf("\" msiexec /i \"", copied) > copied,
             log.constData());
    QVERIFY2(msi.err.contains(QStringLiteral("没有菜单项")), qPrintable(msi.err));
    QCOMPARE(msi.out, QString());
    const TInstalledAppInfo bar = storedRecord(QStringLiteral("Bar Tool"));
    QVERIFY(QFileInfo::exists(bar.bottlePath
                              + QStringLiteral("/drive_c/Program Files/Bar/bar.exe")));
    QCOMPARE(cli({QStringLiteral("--list")}).out,
             QStringLiteral("Bar Tool\t%1\t%2\t%3\nFoo\t1.2.3\t%4\t%5\n")
                     .arg(bar.peInfo.peProductVersion, bar.bottlePath, bar.desktopInfo.desktopPath,
                          fooBottle(), entry));
    endWine(bar.bottlePath);
    endWine(fooBottle());

    // The backed-up machine's user is "alice": her profile in the bottle.
    const QString users = fooBottle() + QStringLiteral("/drive_c/users/");
    QStringList profiles = QDir(users).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    profiles.removeAll(QStringLiteral("Public"));
    QCOMPARE(profiles.size(), 1);
    const QString me = profiles.first();
    QVERIFY(QDir().rename(users + me, users + QStringLiteral("alice")));
    QProcessEnvironment alice = homeEnvironment();
    alice.insert(QStringLiteral("USER"), QStringLiteral("alice"));
    const QString archive = m_archives.filePath(QStringLiteral("foo.tar.zst"));
    const Cli backup = cli({QStringLiteral("--backup"), QStringLiteral("Foo"), archive}, alice);
    QVERIFY2(backup.code == 0, qPrintable(backup.err));
    QCOMPARE(backup.out.trimmed(), archive);
    QVERIFY(QDir().rename(users + QStringLiteral("alice"), users + me));

    // No terminal and no --yes: refused, nothing removed.
    const Cli refused = cli({QStringLiteral("--uninstall"), QStringLiteral("Foo")});
    QCOMPARE(refused.code, 5);
    QVERIFY(refused.err.contains(QStringLiteral("--yes")));
    QVERIFY(QFileInfo::exists(fooBottle()));
    // On a terminal the answer decides.
    QCOMPARE(cliOnTerminal({QStringLiteral("--uninstall"), QStringLiteral("Foo")}, "n\n").code, 5);
    QVERIFY(QFileInfo::exists(entry));
    QCOMPARE(cliOnTerminal({QStringLiteral("--uninstall"), QStringLiteral("Foo")}, "y\n").code, 0);
    QVERIFY(!QFileInfo::exists(fooBottle()));
    QVERIFY(!QFileInfo::exists(entry));

    // Same home, after the uninstall: restore, and start it from its menu entry.
    const Cli restored = cli({QStringLiteral("--restore"), archive});
    QVERIFY2(restored.code == 0, qPrintable(restored.err));
    QCOMPARE(cli({QStringLiteral("--restore"), archive}).code, 3);

    // A second home, where this user is not the one who made the backup.
    AssistHome second;
    QVERIFY(QDir().mkpath(second.path() + QStringLiteral("/.config/lirvan")));
    QVERIFY(QFile::copy(WineSettings::instance()->fileName(),
                        second.path() + QStringLiteral("/.config/lirvan/lirvan-wine-assist.conf")));
    QProcessEnvironment secondEnv = second.environment();
    secondEnv.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const Cli elsewhere = cli({QStringLiteral("--restore"), archive}, secondEnv);
    QVERIFY2(elsewhere.code == 0, qPrintable(elsewhere.err));
    QCOMPARE(elsewhere.out,
             QStringLiteral("Foo\t%1\t%2\n")
                     .arg(fooBottle(second.path()),
                          second.path()
                                  + QStringLiteral("/.local/share/applications/Foo.desktop")));
    const QString secondUsers = fooBottle(second.path()) + QStringLiteral("/drive_c/users/");
    // The user folders lead into the restoring home.
    const QString desktop = QFile::symLinkTarget(users + QStringLiteral("alice/Desktop"));
    QVERIFY2(desktop.startsWith(home() + QLatin1Char('/')), qPrintable(desktop));
    QCOMPARE(QFile::symLinkTarget(secondUsers + QStringLiteral("alice/Desktop")),
             second.path() + desktop.mid(home().size()));
    QCOMPARE(QFileInfo(secondUsers + me).symLinkTarget(), secondUsers + QStringLiteral("alice"));

    for (const QString &homePath : {home(), second.path()}) {
        TInstalledAppInfo record;
        CommonJsonOperator::findAppInfoToJasonfileByAppName(
                QStringLiteral("Foo"), record,
                homePath + QStringLiteral("/.quennet/appinstallinfo.json"));
        QCOMPARE(record.bottlePath, fooBottle(homePath));
        const QString marker = record.bottlePath
                               + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt");
        QFile::remove(marker);
        QCOMPARE(Doaction::instance()->stratAPP(&record), 0);
        QVERIFY2(QTest::qWaitFor([&] { return readAll(marker).contains("foo ran:"); }, 120000),
                 qPrintable(homePath));
        endWine(record.bottlePath);
    }
    QCOMPARE(uninstall(QStringLiteral("Foo")), 0);
    QCOMPARE(uninstall(QStringLiteral("Bar Tool")), 0);
    QCOMPARE(uninstall(QStringLiteral("Bar Tool")), 4);
    QCOMPARE(cli({QStringLiteral("--list")}).out, QString());
    QCOMPARE(leftovers(), QStringList());
}

void TestScriptCommands::interruptCancelsInstall()
{
    QProcessEnvironment env = homeEnvironment();
    env.insert(QStringLiteral("FOO_SETUP_MODE"), QStringLiteral("linger"));
    QProcess process;
    startCli(process,
             {QStringLiteral("--install"), fixture(QStringLiteral("foo-setup.exe")),
              QStringLiteral("--name"), QStringLiteral("Linger")},
             env);
    const QString bottle = home() + QStringLiteral("/.lirvanwine/apps/Linger_1");
    QVERIFY(QTest::qWaitFor(
            [&] { return !findProcesses(QStringLiteral("foo-setup.exe"), bottle).isEmpty(); },
            WineTimeoutMs));
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 128 + SIGINT);
    QVERIFY(waitFor([&] { return processesOfPrefix(bottle).isEmpty(); }, 20000));
    QCOMPARE(leftovers(), QStringList());
    QVERIFY(storedRecord(QStringLiteral("Linger")).appName.isEmpty());
}

TInstalledAppInfo TestScriptCommands::fakeApp(const QString &name)
{
    TInstalledAppInfo app;
    app.appName = name;
    app.bottlePath = home() + QStringLiteral("/.lirvanwine/apps/") + name;
    app.desktopInfo.desktopPath = applicationsDir() + name + QStringLiteral(".desktop");
    QDir().mkpath(app.bottlePath + QStringLiteral("/drive_c"));
    writeAll(app.bottlePath + QStringLiteral("/drive_c/data.txt"), "user data");
    StartManagerTest::writeEntry(app.desktopInfo.desktopPath,
                                 QStringLiteral("env WINEPREFIX=\"%1\" wine x.exe")
                                         .arg(app.bottlePath));
    CommonJsonOperator::writeToJasonfile(app, installedAppsFilePath());
    return app;
}

void TestScriptCommands::hostileArchivesLeaveNothing_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"dotdot", "absolute", "link-to-root", "truncated"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestScriptCommands::hostileArchivesLeaveNothing()
{
    QFETCH(QString, kind);
    const TInstalledAppInfo app = fakeApp(QStringLiteral("Small"));
    const QString good = m_archives.filePath(QStringLiteral("small.tar.zst"));
    QCOMPARE(cli({QStringLiteral("--backup"), app.appName, good}).code, 0);
    QCOMPARE(uninstall(app.appName), 0);
    QCOMPARE(leftovers(), QStringList());

    // The good archive unpacked, changed and packed again.
    QTemporaryDir tree;
    QCOMPARE(run(QStringLiteral("tar"), {QStringLiteral("--zstd"), QStringLiteral("-xf"), good,
                                         QStringLiteral("-C"), tree.path()})
                     .exitCode,
             0);
    const QString hostile = m_archives.filePath(kind + QStringLiteral(".tar.zst"));
    const QString outside = m_archives.filePath(QStringLiteral("outside"));
    QStringList members{QStringLiteral("manifest.json"), QStringLiteral("record.json"),
                        QStringLiteral("menu"), QStringLiteral("bottle")};
    if (kind == QLatin1String("dotdot")) {
        writeAll(tree.filePath(QStringLiteral("evil")), "x");
        members << QStringLiteral("--transform=s,^evil,bottle/../../../../outside,")
                << QStringLiteral("evil");
    } else if (kind == QLatin1String("absolute")) {
        writeAll(tree.filePath(QStringLiteral("evil")), "x");
        members << QStringLiteral("-P") << QStringLiteral("--transform=s,^evil,") + outside + ','
                << QStringLiteral("evil");
    } else if (kind == QLatin1String("link-to-root")) {
        QVERIFY(QFile::link(QStringLiteral("/"),
                            tree.filePath(QStringLiteral("bottle/drive_c/root"))));
    }
    QVERIFY(tarDir(hostile, tree.path(), members));
    if (kind == QLatin1String("truncated")) {
        const QByteArray bytes = readAll(good);
        writeAll(hostile, bytes.left(bytes.size() * 2 / 3));
    }
    const Cli restored = cli({QStringLiteral("--restore"), hostile});
    QCOMPARE(restored.code, 1);
    QCOMPARE(leftovers(), QStringList());
    QVERIFY(!QFileInfo::exists(outside));
    QVERIFY(storedRecord(app.appName).appName.isEmpty());
}

void TestScriptCommands::backupRefusesWhileTheAppRuns()
{
    const TInstalledAppInfo app = fakeApp(QStringLiteral("Busy"));
    QProcess running;
    running.setProcessEnvironment(bottleEnvironment(app.bottlePath));
    running.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(running.waitForStarted());
    const QString archive = m_archives.filePath(QStringLiteral("busy.tar.zst"));
    const Cli refused = cli({QStringLiteral("--backup"), app.appName, archive});
    QCOMPARE(refused.code, 5);
    QVERIFY2(refused.err.contains(QStringLiteral("--force")), qPrintable(refused.err));
    QVERIFY(!QFileInfo::exists(archive));
    QCOMPARE(cli({QStringLiteral("--backup"), app.appName, archive, QStringLiteral("--force")})
                     .code,
             0);
    running.kill();
    running.waitForFinished();
    QCOMPARE(cli({QStringLiteral("--backup"), app.appName, archive}).code, 0);
}

void TestScriptCommands::windowFollowsTheCommandLine()
{
    const TInstalledAppInfo app = fakeApp(QStringLiteral("Listed"));
    const QString archive = m_archives.filePath(QStringLiteral("listed.tar.zst"));
    QCOMPARE(cli({QStringLiteral("--backup"), app.appName, archive}).code, 0);

    QProcess window;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(LWA_ASSIST_BINARY), QStringList());
    const auto logged = [&](const QString &text) {
        return QTest::qWaitFor([&] { return readAll(logFile()).contains(text.toUtf8()); }, 20000);
    };
    QVERIFY(logged(QStringLiteral("show main window")));

    QCOMPARE(uninstall(app.appName), 0);
    QVERIFY(logged(QStringLiteral("installed-apps file changed, applications: 0")));
    QCOMPARE(cli({QStringLiteral("--restore"), archive}).code, 0);
    QVERIFY(logged(QStringLiteral("installed-apps file changed, applications: 1")));
    window.terminate();
    QVERIFY(window.waitForFinished(10000));
}

void TestScriptCommands::concurrentWritersLoseNoRecord()
{
    const QString file = m_archives.filePath(QStringLiteral("apps.json"));
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(LWA_JSON_WRITER), {file, QStringLiteral("0")});
    second.start(QStringLiteral(LWA_JSON_WRITER), {file, QStringLiteral("100")});
    QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
    QList<TInstalledAppInfo> apps;
    CommonJsonOperator::readToJasonfile(apps, file);
    QCOMPARE(apps.size(), 200);
}

int main(int argc, char *argv[])
{
    // Wine on a busy machine: an installation may take minutes.
    qputenv("QTEST_FUNCTION_TIMEOUT", "900000");
    QCoreApplication app(argc, argv);
    TestScriptCommands test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scriptcommands.moc"
