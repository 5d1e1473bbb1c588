// Whole installations of the Windows test programs with real Wine, through
// the stand-alone install window as a user drives it, with the catalogue
// service down: an installer that keeps running is cancelled and leaves
// nothing behind, one that gives up ends in the failure view, a two-stage
// installer installs and starts from the success view, and an overwrite
// ends the old program first. The recommended-package flow is covered
// without Wine by the install window's test and with Wine by the package
// scripts' test.

#include "confirmationanswerer.h"
#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_p.h"
#include "installflowtestutil.h"
#include "lapplication.h"
#include "platformtestutil.h"
#include "startmanagertestutil.h"
#include "testisolation.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"
#include "winesettings.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wnrecoverinstallwidget.h"
#include "wnunkownappinstallwidget.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace InstallFlowTest;
using namespace PlatformTest;

namespace {

constexpr int WineTimeoutMs = 300000;

// With the service down only the default configuration is offered, and its
// bottle is named after the program and the fallback's version.
QString fooBottle()
{
    return home() + QStringLiteral("/.lirvanwine/apps/Foo_1");
}

QStringList menuEntries()
{
    QStringList entries;
    for (const QString &dir : {applicationsDir(), home() + QStringLiteral("/Desktop")}) {
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries.append(it.next());
    }
    return entries;
}

// Starts the installed Foo in its bottle as the user would keep it open;
// its pid once it runs, 0 if it never does.
qint64 startFoo(QProcess &program)
{
    const QString marker = fooBottle() + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt");
    QFile::remove(marker);
    program.setProcessEnvironment(bottleEnvironment(fooBottle()));
    program.start(tool(QStringLiteral("lirvan-wine5-stable/bin/wine")),
                  {QStringLiteral("C:\\Program Files\\Foo\\foo.exe"), QStringLiteral("/linger")});
    if (!waitFor([&] { return readAll(marker).contains("/linger"); }, 120000))
        return 0;
    const QList<qint64> pids = findProcesses(QStringLiteral("foo.exe"), fooBottle());
    return pids.size() == 1 ? pids.first() : 0;
}

// Whether the process has ended, also when the event loop already saw it go.
bool ended(QProcess &process, int timeoutMs)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
}

} // namespace

class TestInstallFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void cancelWhileInstallerRuns();
    void failingInstallerEndsInFailureView();
    void localProgramInstallsAndStarts();
    void overwriteEndsTheRunningProgramFirst();

private:
    // Opens the stand-alone window for the file and waits until it has read
    // the file and heard from the service.
    WineInstallerWnd *openAndConfirm(const QString &file);
    // Accepts the agreement, goes on and installs with the default
    // configuration; the status text of the result, empty without one
    // (and null when not waiting for it).
    QString installWithDefault(WineInstallerWnd *window, bool waitForResult = true);
};

void TestInstallFlow::initTestCase()
{
    QVERIFY2(QFileInfo::exists(fixture(QStringLiteral("foo-setup.exe"))),
             "the Windows test programs are missing: build the lwa_fixtures target");
    QVERIFY(StartManagerTest::installActivationFile());
    useBuildPlatform();
    // Nothing listens there: the catalogue service is down.
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                       QStringLiteral("http://127.0.0.1:9"));
    QVERIFY(QDir::setCurrent(home()));
}

void TestInstallFlow::cleanupTestCase()
{
    WineApplication::instance()->shutdown();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    endWine(fooBottle());
}

WineInstallerWnd *TestInstallFlow::openAndConfirm(const QString &file)
{
    WineApplication *app = WineApplication::instance();
    app->launchWithArgs({QStringLiteral("assist"), file});
    ContainerInstallerObj *obj = app->installers().constLast();
    WineInstallerWnd *window = obj->installer();
    WnAppInfoWidget *info = window->appInfoPage();
    QSignalSpy apps(window->installer(), &WineInstallerPrivate::signalAppsFinished);
    // The name appears once the file is read, the choice once the service
    // failed to answer.
    if (!QTest::qWaitFor([&] { return !info->peInfo().peProductName.isEmpty(); }, 60000)
        || !QTest::qWaitFor([&] { return !apps.isEmpty(); }, 60000))
        return nullptr;
    return window;
}

QString TestInstallFlow::installWithDefault(WineInstallerWnd *window, bool waitForResult)
{
    window->appInfoPage()->agreementBox()->click();
    window->appInfoPage()->nextButton()->click();
    window->findChild<WnUnkownAppInstallWidget *>()->installButton()->click();
    if (!waitForResult)
        return QString();
    WnAppInstallWidget *progress = window->progressPage();
    if (!QTest::qWaitFor([&] { return progress->actionButton()->isVisible(); }, WineTimeoutMs))
        return QString();
    return progress->statusLabel()->text();
}

void TestInstallFlow::cancelWhileInstallerRuns()
{
    const ScopedEnvironment mode({{"FOO_SETUP_MODE", "linger"}});
    const QStringList entriesBefore = menuEntries();
    WineInstallerWnd *window = openAndConfirm(fixture(QStringLiteral("foo-setup.exe")));
    QVERIFY(window);
    QPointer<QWidget> host = window->window();

    // The page shows what the real file says (how, the pages' own test checks).
    QCOMPARE(window->appInfoPage()->peInfo().peProductVersion, QStringLiteral("1.2.3"));
    QVERIFY(installWithDefault(window, false).isNull());
    QVERIFY(QTest::qWaitFor(
            [] { return !findProcesses(QStringLiteral("foo-setup.exe"), fooBottle()).isEmpty(); },
            WineTimeoutMs));
    QCOMPARE(window->progressPage()->state(), int(WnAppInstallWidget::Installing));

    window->progressPage()->cancelButton()->click();
    QVERIFY(cleansUpThenCloses(window));
    QVERIFY2(processesOfPrefix(fooBottle()).isEmpty(),
             qPrintable(QString::number(processesOfPrefix(fooBottle()).size())));
    QVERIFY(!QFileInfo::exists(fooBottle()));
    QCOMPARE(menuEntries(), entriesBefore);
    QVERIFY(storedRecord(QStringLiteral("Foo")).appName.isEmpty());
    QVERIFY(WineInstallerPrivate::runningInstalls().isEmpty());
}

void TestInstallFlow::failingInstallerEndsInFailureView()
{
    const ScopedEnvironment mode({{"FOO_SETUP_MODE", "fail"}});
    WineInstallerWnd *window = openAndConfirm(fixture(QStringLiteral("foo-setup.exe")));
    QVERIFY(window);
    QCOMPARE(installWithDefault(window), QStringLiteral("安装失败"));
    QCOMPARE(window->progressPage()->actionButton()->text(), QStringLiteral("提交反馈失败信息"));
    QVERIFY(!QFileInfo::exists(fooBottle()));
    QVERIFY(storedRecord(QStringLiteral("Foo")).appName.isEmpty());
    window->window()->close();
}

void TestInstallFlow::localProgramInstallsAndStarts()
{
    // A two-stage installer: a runtime registered at once, then a long
    // stretch of work before the program and its shortcuts go in.
    const ScopedEnvironment mode({{"FOO_SETUP_MODE", "twostage"},
                                  {"FOO_SETUP_WORK_MS", "6000"},
                                  {"LWA_INSTALL_CHECK_INTERVAL_MS", "1500"}});
    WineInstallerWnd *window = openAndConfirm(fixture(QStringLiteral("foo-setup.exe")));
    QVERIFY(window);
    QPointer<QWidget> host = window->window();
    QCOMPARE(installWithDefault(window), QStringLiteral("安装成功"));
    WnAppInstallWidget *progress = window->progressPage();
    QCOMPARE(progress->actionButton()->text(), QStringLiteral("立即启动"));
    // The installer was not cut off after its first stage.
    QVERIFY(QFileInfo::exists(fooBottle() + QStringLiteral("/drive_c/Program Files/Foo/foo.exe")));

    const TInstalledAppInfo record = storedRecord(QStringLiteral("Foo"));
    QCOMPARE(record.bottlePath, fooBottle());
    QCOMPARE(record.publishedAppInfo.installType, 1);
    QCOMPARE(record.publishedAppInfo.author, QStringLiteral("unknown"));
    QCOMPARE(record.peInfo.peProductVersion, QStringLiteral("1.2.3"));
    QVERIFY(QDateTime::fromString(record.installTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    .isValid());
    QCOMPARE(record.desktopInfo.desktopPath, applicationsDir() + QStringLiteral("Foo.desktop"));
    QCOMPARE(record.desktopInfo.startupwmclass, QStringLiteral("foo.exe"));
    QVERIFY2(record.desktopInfo.exec.contains(fooBottle()), qPrintable(record.desktopInfo.exec));
    QVERIFY(WineInstalledApps::instance()->getInstalledApps().contains(fooBottle()));

    const QString marker = fooBottle() + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt");
    QVERIFY(!QFileInfo::exists(marker));
    progress->actionButton()->click();
    QTRY_VERIFY(!host);
    // The program creates the file before it writes its line: wait for the line.
    QVERIFY(QTest::qWaitFor([&] { return readAll(marker).contains("foo ran:"); }, 120000));
    endWine(fooBottle());
}

void TestInstallFlow::overwriteEndsTheRunningProgramFirst()
{
    QProcess program;
    const qint64 foo = startFoo(program);
    QVERIFY(foo > 0);
    WineInstallerWnd *window = openAndConfirm(fixture(QStringLiteral("foo-setup.exe")));
    QVERIFY(window);
    QVERIFY(installWithDefault(window, false).isNull());
    QCOMPARE(window->currentPage(), int(WineInstallerWnd::RecoverPage));

    {
        ConfirmationAnswerer yes(true);
        window->recoverPage()->recoverButton()->click();
    }
    WnAppInstallWidget *progress = window->progressPage();
    QVERIFY(QTest::qWaitFor([&] { return progress->actionButton()->isVisible(); }, WineTimeoutMs));
    QCOMPARE(progress->statusLabel()->text(), QStringLiteral("安装成功"));
    QVERIFY(!isAlive(foo));
    QVERIFY(ended(program, 5000));
    // The new bottle holds only the new installation's files.
    QVERIFY(QFileInfo::exists(fooBottle() + QStringLiteral("/drive_c/Program Files/Foo/foo.exe")));
    QVERIFY(!QFileInfo::exists(fooBottle()
                               + QStringLiteral("/drive_c/Program Files/Foo/foo-ran.txt")));
    QVERIFY(!QFileInfo::exists(fooBottle() + QStringLiteral("/drive_c/Program Files/Foo Runtime")));
    QCOMPARE(storedRecord(QStringLiteral("Foo")).bottlePath, fooBottle());
    endWine(fooBottle());
    window->window()->close();
}

int main(int argc, char *argv[])
{
    // A private session bus for the start manager, a home of its own.
    TestIsolation::ensure(argc, argv, true);
    // Each function installs with real Wine; the test's own time-out bounds
    // the whole run.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "1500000");
    LApplication app(argc, argv);
    TestInstallFlow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installflow.moc"
