// The install flow without Wine, through the real window, controller, tasks,
// helper scripts and reference catalogue service: retries, failures with
// feedback, overwrite, second windows, cancelling, hostile names, telemetry.

#include "catalogueapiserver.h"
#include "cataloguereply.h"
#include "confirmationanswerer.h"
#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "containerinstallview_mwd.h"
#include "containerinstallview_p.h"
#include "doaction.h"
#include "heldinstalledappslock.h"
#include "installflowtestutil.h"
#include "isolatedhome.h"
#include "jsonoperator.h"
#include "lapplication.h"
#include "llineedit.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "wineapplication.h"
#include "wineastapplist.h"
#include "wineinstalledapps.h"
#include "winemainwindow.h"
#include "winesettings.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wninstallmethodwidget.h"
#include "wnmethoditem.h"
#include "wnrecoverinstallwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace InstallFlowTest;
using namespace PlatformTest;

namespace {

constexpr int FlowTimeoutMs = 60000;

QString bottlesDir()
{
    return home() + QStringLiteral("/.lirvanwine/apps/");
}

QString recommendedCache()
{
    return home() + QStringLiteral("/.cache/lirvan-wine-assist/apps/recommond/");
}

QString quickIcon()
{
    return home() + QStringLiteral("/.local/share/icons/hicolor/48x48/apps/quick-app.png");
}

bool resultShown(const WnAppInstallWidget *page)
{
    return page->actionButton()->isVisible();
}

// The status the window ends with, or a note that it never ended.
QString outcome(const WineInstallerWnd *window)
{
    const WnAppInstallWidget *page = window->progressPage();
    return QTest::qWaitFor([&] { return resultShown(page); }, FlowTimeoutMs)
                   ? page->statusLabel()->text()
                   : QStringLiteral("(no result)");
}

void uninstall(const QString &name)
{
    TInstalledAppInfo record = storedRecord(name);
    Doaction::instance()->unInstallApp(&record);
}

// The id a process wrote to file once it exists, 0 if it never does.
qint64 pidIn(const QString &file)
{
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(file); }, FlowTimeoutMs))
        return 0;
    return QString::fromLatin1(readAll(file)).trimmed().toLongLong();
}

TPublishedAppInfo appAt(const QString &url, const QString &name, const QString &version,
                        const QString &md5, int installType = 0)
{
    TPublishedAppInfo info;
    info.installType = installType;
    info.appName = name;
    info.version = version;
    info.MD5 = md5;
    info.Url = url;
    return info;
}

// A log archive at the moment it is handed to the upload.
struct SentArchive
{
    QString path;
    bool existed = false;
    QFileDevice::Permissions dirPermissions;

    static SentArchive seen(const QString &path)
    {
        return {path, QFileInfo::exists(path), QFile::permissions(QFileInfo(path).path())};
    }
};

const QString installedText = QStringLiteral("安装成功");
const QString networkText = QStringLiteral("网络故障，请确保网络畅通后重试");
const QString refusedText = QStringLiteral("无法使用此名称安装");

} // namespace

class TestInstallWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void localProgramKnownToCatalogue();
    void catalogueDialogInstalls();
    void recordWaitsForTheFileOffTheGuiThread();
    void bottleNamesStayInside_data();
    void bottleNamesStayInside();
    void unusableNamesAreRefused_data();
    void unusableNamesAreRefused();
    void overwriteReinstalls();
    void retryChecksInstallStateAgain();
    void wrongMd5FeedbackUploadsLog();
    void textFileIsRefused();
    void secondWindowAndCancelWhileDownloading();
    void cancelWhileUnpacking();
    void concurrentDefaultDownloads();

private:
    // The catalogue's record of the application, without a package name
    // (the package's own id names it then).
    TPublishedAppInfo published(int id) const;
    // A stand-alone window for a catalogue record with its flow started.
    QPointer<containerinstallview_mwd> openCatalogueWindow(const TPublishedAppInfo &info) const;
    void expectInstalled(const QString &name, const QString &bottleName) const;
    void expectNothingOf(const QString &name, const QString &bottle) const;

    QTemporaryDir m_data;
    std::unique_ptr<CatalogueApiServer> m_service;
    QString m_quickMd5;
};

void TestInstallWindow::initTestCase()
{
    useBuildPlatform();
    QVERIFY(QDir::setCurrent(home()));
    QVERIFY(makeQuickPackage(m_data.filePath(QStringLiteral("quick.7z"))));
    m_quickMd5 = md5Of(m_data.filePath(QStringLiteral("quick.7z")));
    const QString zeros(32, QLatin1Char('0'));
    const QString hostile = QStringLiteral("Evil \"$(touch pwned)\" `touch pwned` /../x \\ ..");
    QJsonArray apps{
            catalogueApp(11, QStringLiteral("Quick App"), QStringLiteral("1.0"),
                         QStringLiteral("alice"), 4.0, QStringLiteral("quick.7z"), m_quickMd5),
            catalogueApp(12, QStringLiteral("Broken App"), QStringLiteral("1.0"), QString(), 3.0,
                         QStringLiteral("quick.7z"), zeros),
            catalogueApp(14, hostile, QStringLiteral("1/../.."), QStringLiteral("$(id)"), 3.0,
                         QStringLiteral("quick.7z"), m_quickMd5),
    };
    // Five configurations for the program foo-setup.exe, read as "Foo".
    const QList<QPair<int, double>> foo = {{21, 4.5}, {22, 3}, {23, 5}, {24, 1}, {25, 2}};
    for (const auto &entry : foo)
        apps.append(catalogueApp(entry.first, QStringLiteral("Foo %1").arg(entry.second),
                                 QStringLiteral("1.2.3"), QStringLiteral("bob"), entry.second,
                                 QStringLiteral("quick.7z"), m_quickMd5, {QStringLiteral("Foo")}));
    const QString defaultBottle = tool(QStringLiteral("data/Depends/DefaultBottle/files.7z"));
    QVERIFY(QFile::copy(defaultBottle, m_data.filePath(QStringLiteral("default.7z"))));
    QVERIFY(CatalogueApiServer::writeCatalogue(m_data.path(),
                                               catalogue(apps, QStringLiteral("default.7z"),
                                                         md5Of(defaultBottle))));
    m_service = std::make_unique<CatalogueApiServer>(m_data.path());
    QVERIFY(m_service->isRunning());
    m_service->use();
    WineAstApplist::instance()->requestAppList();
    QTRY_VERIFY_WITH_TIMEOUT(!WineAstApplist::instance()->categories().isEmpty(), 15000);
}

void TestInstallWindow::cleanup()
{
    WineApplication::instance()->shutdown();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<containerinstallview_mwd *>(window))
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(WineInstallerPrivate::runningInstalls().isEmpty());
    QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/pwned")));
}

TPublishedAppInfo TestInstallWindow::published(int id) const
{
    const QByteArray catalogue = readAll(m_data.filePath(QStringLiteral("catalogue.json")));
    TPublishedAppInfo info;
    for (const QJsonValue &app :
         QJsonDocument::fromJson(catalogue).object().value(QStringLiteral("apps")).toArray()) {
        if (app.toObject().value(QStringLiteral("id")).toInt() == id)
            info = CatalogueReply::appFromJson(app.toObject());
    }
    info.packageName.clear();
    info.Url.prepend(m_service->baseUrl());
    return info;
}

QPointer<containerinstallview_mwd> TestInstallWindow::openCatalogueWindow(
        const TPublishedAppInfo &info) const
{
    QPointer<containerinstallview_mwd> host = new containerinstallview_mwd;
    // Coupled to the application controller as every install window is.
    auto obj = new ContainerInstallerObj;
    obj->setView(host, ContainerInstallerObj::MainWindowHost);
    host->installer()->setPublishedAppInfo(info);
    host->show();
    host->installer()->startInstallFlow();
    return host;
}

void TestInstallWindow::expectInstalled(const QString &name, const QString &bottleName) const
{
    const QString bottle = bottlesDir() + bottleName;
    const TInstalledAppInfo record = storedRecord(name);
    QCOMPARE(record.appName, name);
    QCOMPARE(record.bottlePath, bottle);
    // The package's entry; applications installed before from the same
    // package keep theirs, so it may stand beside them as quick-app-<n>.
    const QFileInfo entry(record.desktopInfo.desktopPath);
    QCOMPARE(entry.absolutePath() + QLatin1Char('/'), applicationsDir());
    QVERIFY2(QRegularExpression(QStringLiteral("^quick-app(-[0-9]+)?\\.desktop$"))
                     .match(entry.fileName())
                     .hasMatch(),
             qPrintable(entry.fileName()));
    QVERIFY(WineInstalledApps::instance()->getInstalledApps().contains(bottle));

    // The start script ran once adapted to this machine, values as they are.
    const QStringList ran = QString::fromUtf8(readAll(bottle + QStringLiteral("/files/ran.txt")))
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(ran, (QStringList{QStringLiteral("-c"), bottleName,
                               tool(QStringLiteral("tools/lirvan-wine-helper/run_v4.sh")),
                               tool(QStringLiteral("lirvan-wine5-stable/bin/wine")),
                               QStringLiteral("LD_PRELOAD=") + bottle
                                       + QStringLiteral("/files/libloader.so"),
                               bottle + QStringLiteral("/files/gtkGetFileNameDlg"),
                               bottle + QStringLiteral("/files")}));
    // The entry was copied into the menu and points at the bottle.
    QVERIFY(readAll(record.desktopInfo.desktopPath).contains("\nExec="));
    QVERIFY(QFileInfo::exists(quickIcon()));
    // The downloaded package is gone once unpacked.
    QVERIFY(!QFileInfo::exists(recommendedCache() + bottleName + QStringLiteral(".7z")));
}

void TestInstallWindow::expectNothingOf(const QString &name, const QString &bottle) const
{
    QVERIFY2(!QFileInfo::exists(bottle), qPrintable(bottle));
    QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.lirvanwine/")
                               + QFileInfo(bottle).fileName()));
    QVERIFY(storedRecord(name).appName.isEmpty());
    QVERIFY(!WineInstalledApps::instance()->getInstalledApps().contains(bottle));
    // Every menu entry left belongs to an application still installed.
    QStringList entries = QDir(applicationsDir()).entryList({QStringLiteral("*.desktop")});
    for (const TInstalledAppInfo &other : WineInstalledApps::instance()->getInstalledApps())
        entries.removeAll(QFileInfo(other.desktopInfo.desktopPath).fileName());
    QVERIFY2(entries.isEmpty(), qPrintable(entries.join(QLatin1Char(' '))));
}

void TestInstallWindow::localProgramKnownToCatalogue()
{
    // The service drops the first package transfer half-way.
    CatalogueApiServer dropping(m_data.path(),
                                {QStringLiteral("--drop-after"), QStringLiteral("1000"),
                                 QStringLiteral("--faulty-requests"), QStringLiteral("1")});
    QVERIFY(dropping.isRunning());
    dropping.use();
    const auto restore = qScopeGuard([this] { m_service->use(); });

    WineApplication *app = WineApplication::instance();
    app->launchWithArgs({QStringLiteral("assist"), fixture(QStringLiteral("foo-setup.exe"))});
    QCOMPARE(app->installers().size(), 1);
    QPointer<QWidget> host = app->installers().constFirst()->view();
    WineInstallerWnd *window = app->installers().constFirst()->installer();
    WnInstallMethodWidget *methods = window->methodPage();
    QTRY_COMPARE_WITH_TIMEOUT(methods->items().size(), 4, FlowTimeoutMs);
    window->appInfoPage()->agreementBox()->click();
    window->appInfoPage()->nextButton()->click();
    QCOMPARE(window->currentPage(), int(WineInstallerWnd::MethodPage));
    WnAppInstallWidget *progress = window->progressPage();

    // The second entry, 4.5 stars, goes by its catalogue name.
    QTest::mouseClick(methods->items().at(1), Qt::LeftButton);
    methods->installButton()->click();
    QCOMPARE(outcome(window), networkText);
    QVERIFY(WineInstallerPrivate::runningInstalls().isEmpty());
    const QString partial = recommendedCache() + QStringLiteral("Foo 4.5_bob_1.2.3.7z");
    const qint64 partialSize = QFileInfo(partial).size();
    QVERIFY(partialSize >= 1000);
    progress->actionButton()->click();
    QCOMPARE(outcome(window), installedText);
    // The retry asked only for the rest.
    QVERIFY2(dropping.fileRequests().contains(
                     QStringLiteral("GET /files/quick.7z bytes=%1-").arg(partialSize)),
             qPrintable(dropping.fileRequests().join(QLatin1Char('\n'))));
    expectInstalled(QStringLiteral("Foo 4.5"), QStringLiteral("Foo 4.5_bob_1.2.3"));

    progress->closeButton()->click();
    QTRY_VERIFY(!host);
    uninstall(QStringLiteral("Foo 4.5"));
}

void TestInstallWindow::catalogueDialogInstalls()
{
    uninstall(QStringLiteral("Quick App"));
    WineApplication *app = WineApplication::instance();
    app->launchWithArgs({QStringLiteral("assist")});
    WineMainWindow *mainWindow = app->mainWindow();
    QVERIFY(mainWindow);
    QString status;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    connect(&poll, &QTimer::timeout, this, [&] {
        auto dialog = mainWindow->findChild<containerinstallview_dialog *>();
        if (!dialog || !dialog->isVisible())
            return;
        WnAppInstallWidget *progress = dialog->installer()->progressPage();
        if (resultShown(progress) || clock.elapsed() > FlowTimeoutMs) {
            status = progress->statusLabel()->text();
            progress->closeButton()->click();
        }
    });
    poll.start(50);
    app->newInstallDialog(published(11));
    poll.stop();

    QCOMPARE(status, installedText);
    expectInstalled(QStringLiteral("Quick App"), QStringLiteral("Quick App_alice_1.0"));
}

void TestInstallWindow::recordWaitsForTheFileOffTheGuiThread()
{
    uninstall(QStringLiteral("Quick App"));
    QPointer<containerinstallview_mwd> host;
    {
        // Another process saving the installed-apps file meanwhile.
        HeldInstalledAppsLock held(installedAppsFilePath(), 30000);
        QVERIFY(held.isLocked());
        LogCapture log;
        host = openCatalogueWindow(published(11));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("\"InstallInfo\"  finished")),
                                 FlowTimeoutMs);
        QTest::qWait(300);
        // The window went on while the record waited for the file.
        QVERIFY(!held.isReleased());
        QVERIFY(!resultShown(host->installer()->progressPage()));
        QCOMPARE(WineInstallerPrivate::runningInstalls(), QList<QString>{"Quick App"});
        QVERIFY(storedRecord(QStringLiteral("Quick App")).appName.isEmpty());
    }
    QCOMPARE(outcome(host->installer()), installedText);
    expectInstalled(QStringLiteral("Quick App"), QStringLiteral("Quick App_alice_1.0"));
    host->close();
    QTRY_VERIFY(!host);
}

void TestInstallWindow::overwriteReinstalls()
{
    // Installed here, whatever ran before.
    uninstall(QStringLiteral("Quick App"));
    QPointer<containerinstallview_mwd> first = openCatalogueWindow(published(11));
    QCOMPARE(outcome(first->installer()), installedText);
    first->close();
    const QString bottle = bottlesDir() + QStringLiteral("Quick App_alice_1.0");
    QVERIFY(writeAll(bottle + QStringLiteral("/drive_c/old-marker"), "x"));
    QVERIFY(!storedRecord(QStringLiteral("Quick App")).appName.isEmpty());

    QPointer<containerinstallview_mwd> host = openCatalogueWindow(published(11));
    WineInstallerWnd *window = host->installer();
    QCOMPARE(window->currentPage(), int(WineInstallerWnd::RecoverPage));
    QCOMPARE(window->recoverPage()->appName(), QStringLiteral("Quick App"));

    {
        // Asked first; a no leaves the installed application as it was.
        ConfirmationAnswerer no(false);
        window->recoverPage()->recoverButton()->click();
        QCOMPARE(no.shown().size(), 1);
        QCOMPARE(window->currentPage(), int(WineInstallerWnd::RecoverPage));
        QVERIFY(QFileInfo::exists(bottle + QStringLiteral("/drive_c/old-marker")));
    }
    ConfirmationAnswerer yes(true);
    window->recoverPage()->recoverButton()->click();
    QCOMPARE(yes.shown().size(), 1);
    QCOMPARE(window->currentPage(), int(WineInstallerWnd::ProgressPage));
    QCOMPARE(outcome(host->installer()), installedText);
    QVERIFY(!QFileInfo::exists(bottle + QStringLiteral("/drive_c/old-marker")));
    expectInstalled(QStringLiteral("Quick App"), QStringLiteral("Quick App_alice_1.0"));
    host->close();
}

void TestInstallWindow::bottleNamesStayInside_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bottleName");
    QTest::newRow("hostile") << 14 << QString()
                             << QStringLiteral("Evil \"$(touch pwned)\" `touch pwned` _.._x _ "
                                               ".._$(id)_1_.._..");
}

void TestInstallWindow::bottleNamesStayInside()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, bottleName);
    TPublishedAppInfo info = published(id);
    if (!name.isEmpty()) {
        info.appName = name;
        info.author.clear();
        info.version.clear();
    }
    QPointer<containerinstallview_mwd> host = openCatalogueWindow(info);
    QCOMPARE(outcome(host->installer()), installedText);

    // Stored under the name it came with; the bottle is one directory of apps.
    expectInstalled(info.appName, bottleName);
    QCOMPARE(storedRecord(info.appName).publishedAppInfo.packageName,
             QStringLiteral("com.quick.app"));
    QCOMPARE(QFileInfo(bottlesDir() + bottleName).dir().path() + QLatin1Char('/'), bottlesDir());
    QVERIFY(!QFileInfo::exists(bottlesDir() + QStringLiteral("files")));
    host->close();
    uninstall(info.appName);
    expectNothingOf(info.appName, bottlesDir() + bottleName);
    QVERIFY(QFileInfo(bottlesDir()).isDir());
}

void TestInstallWindow::unusableNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why");
    const QString empty = QStringLiteral("应用名称不能为空");
    const QString folder = QStringLiteral("不能用作应用的文件夹名称");
    QTest::newRow("empty") << QString() << empty;
    QTest::newRow("dot dot") << QStringLiteral("..") << folder;
    // "Quick/App" would live in the bottle of the installed "Quick_App".
    QTest::newRow("shared bottle")
            << QStringLiteral("Quick/App") << QStringLiteral("已安装的应用“Quick_App”");
}

void TestInstallWindow::unusableNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, why);
    TInstalledAppInfo occupant;
    occupant.appName = QStringLiteral("Quick_App");
    occupant.bottlePath = bottlesDir() + occupant.appName;
    WineInstalledApps::instance()->addInstalledApps(occupant);
    const auto leave = qScopeGuard(
            [&] { WineInstalledApps::instance()->removeInstallApps(occupant); });
    TPublishedAppInfo info = published(11);
    info.appName = name;
    info.author.clear();
    info.version.clear();
    const int fetched = m_service->fileRequests().size();
    QPointer<containerinstallview_mwd> host = openCatalogueWindow(info);
    // Why, at once, and no retry: a catalogue name cannot be changed here.
    WnAppInstallWidget *progress = host->installer()->progressPage();
    QVERIFY(progress->closeButton()->isVisible());
    const QString status = progress->statusLabel()->text();
    QVERIFY2(status.startsWith(refusedText) && status.contains(why), qPrintable(status));
    QVERIFY(!progress->actionButton()->isVisible());
    // Nothing was fetched.
    QCOMPARE(m_service->fileRequests().size(), fetched);
    host->close();
}

void TestInstallWindow::retryChecksInstallStateAgain()
{
    // The package is missing: the window offers a retry.
    const QString name = QStringLiteral("Missing App");
    QPointer<containerinstallview_mwd> host = openCatalogueWindow(
            appAt(m_service->baseUrl() + QStringLiteral("/files/absent.7z"), name,
                  QStringLiteral("2"), m_quickMd5));
    QCOMPARE(outcome(host->installer()), networkText);
    // Meanwhile another window installs an application of that name.
    const QString quickUrl = m_service->baseUrl() + QStringLiteral("/files/quick.7z");
    QPointer<containerinstallview_mwd> other = openCatalogueWindow(
            appAt(quickUrl, name, QStringLiteral("3"), m_quickMd5));
    QCOMPARE(outcome(other->installer()), installedText);
    other->close();
    // The retry finds it: the overwrite page, nothing fetched, its record kept.
    const int fetched = m_service->fileRequests().size();
    host->installer()->progressPage()->actionButton()->click();
    QCOMPARE(host->installer()->currentPage(), int(WineInstallerWnd::RecoverPage));
    QCOMPARE(m_service->fileRequests().size(), fetched);
    QCOMPARE(storedRecord(name).bottlePath, bottlesDir() + QStringLiteral("Missing App_3"));
    host->close();
    uninstall(name);
}

void TestInstallWindow::wrongMd5FeedbackUploadsLog()
{
    // A log whose path would mean something to a shell or to 7z.
    const QString logPath = home() + QStringLiteral("/logs/it's \"$(touch pwned)\" *.log");
    QVERIFY(writeAll(logPath, "install log line\n"));
    QVERIFY(writeAll(home() + QStringLiteral("/logs/other.log"), "not this one\n"));

    QPointer<containerinstallview_mwd> host = openCatalogueWindow(published(12));
    WineInstallerWnd *window = host->installer();
    window->setLogPath(logPath);
    QCOMPARE(outcome(host->installer()), QStringLiteral("解压失败"));
    QVERIFY(!QFileInfo::exists(bottlesDir() + QStringLiteral("Broken App_1.0")));

    // The archive as it is when its upload starts; the upload may end at once.
    static SentArchive handed;
    handed = SentArchive();
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message.startsWith(QLatin1String("log:")))
                    handed = SentArchive::seen(message.section(QLatin1Char('"'), 1, -2));
                if (previous)
                    previous(type, context, message);
            });
    const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(previous); });
    window->progressPage()->actionButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!host, 15000);
    const QString archive = handed.path;
    QVERIFY2(archive.endsWith(QLatin1String(".7z")), qPrintable(archive));
    QVERIFY(handed.existed);
    const QFileInfo archiveInfo(archive);
    QVERIFY(archiveInfo.path() != QDir::tempPath());
    QCOMPARE(QFileInfo(archiveInfo.path()).path(), QDir::tempPath());
    QCOMPARE(handed.dirPermissions & 0x0077, QFileDevice::Permissions());
    // Gone with its directory once the upload ended.
    QVERIFY(!QFileInfo::exists(archiveInfo.path()));

    const QJsonObject upload = m_service->upload(1);
    const QJsonArray parts = upload.value(QStringLiteral("parts")).toArray();
    QCOMPARE(parts.at(0).toObject().value(QStringLiteral("value")).toString(),
             QStringLiteral("12"));
    const QString sent = parts.at(1).toObject().value(QStringLiteral("filename")).toString();
    QCOMPARE(sent, archiveInfo.fileName());
    const Result listing = run(QStringLiteral("7z"),
                               {QStringLiteral("l"),
                                m_service->uploadDir(1) + QLatin1Char('/') + sent});
    QVERIFY2(listing.out.contains(QStringLiteral("it's \"$(touch pwned)\" *.log")),
             qPrintable(listing.out));
    QVERIFY(!listing.out.contains(QStringLiteral("other.log")));
}

void TestInstallWindow::textFileIsRefused()
{
    WineApplication *app = WineApplication::instance();
    ConfirmationAnswerer answerer;
    app->launchWithArgs({QStringLiteral("assist"), fixture(QStringLiteral("not-a-program.exe"))});
    QCOMPARE(app->installers().size(), 1);
    QPointer<QWidget> host = app->installers().constFirst()->view();
    QTRY_VERIFY_WITH_TIMEOUT(!answerer.shown().isEmpty(), FlowTimeoutMs);
    QCOMPARE(answerer.shown(), QStringList{QStringLiteral("不支持的文件格式，无法打开")});
    QTRY_VERIFY(!host);
}

void TestInstallWindow::secondWindowAndCancelWhileDownloading()
{
    QTemporaryDir slowData;
    const QString package = slowData.filePath(QStringLiteral("slow.7z"));
    QVERIFY(makeQuickPackage(package, 300 * 1024));
    QVERIFY(CatalogueApiServer::writeCatalogue(slowData.path(),
                                               catalogue(
                                                       {catalogueApp(31, QStringLiteral("Slow App"),
                                                                     QStringLiteral("3"), QString(),
                                                                     3.0, QStringLiteral("slow.7z"),
                                                                     md5Of(package))})));
    CatalogueApiServer slow(slowData.path(), {QStringLiteral("--rate"), QStringLiteral("60000")});
    QVERIFY(slow.isRunning());
    TPublishedAppInfo info = appAt(slow.baseUrl() + QStringLiteral("/files/slow.7z"),
                                   QStringLiteral("Slow App"), QStringLiteral("3"), md5Of(package));
    info.id = 31;

    QPointer<containerinstallview_mwd> first = openCatalogueWindow(info);
    const QString partial = recommendedCache() + QStringLiteral("Slow App_3.7z");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(partial).size() > 0, FlowTimeoutMs);

    // The same application in a second window: told, and closed.
    ConfirmationAnswerer answerer;
    QPointer<containerinstallview_mwd> second = openCatalogueWindow(info);
    QCOMPARE(answerer.shown(), QStringList{QStringLiteral("Slow App正在安装")});
    QTRY_VERIFY(!second);

    // Closing the window ends the download; the partial file stays.
    first->installer()->progressPage()->cancelButton()->click();
    QTRY_VERIFY(!first);
    QVERIFY(WineInstallerPrivate::runningInstalls().isEmpty());
    const qint64 kept = QFileInfo(partial).size();
    QTest::qWait(500);
    QCOMPARE(QFileInfo(partial).size(), kept);
    QVERIFY(kept > 0 && kept < QFileInfo(package).size());
    expectNothingOf(info.appName, bottlesDir() + QStringLiteral("Slow App_3"));
}

void TestInstallWindow::cancelWhileUnpacking()
{
    // An unpack that goes on until it is ended, with a child of its own.
    QTemporaryDir tools;
    for (const QString &name : QDir(tool(QStringLiteral("tools"))).entryList(QDir::Files)) {
        if (name != QLatin1String("unzip.sh"))
            QVERIFY(QFile::link(tool(QStringLiteral("tools/")) + name, tools.filePath(name)));
    }
    const QString pidFile = home() + QStringLiteral("/unzip-child.pid");
    QVERIFY(writeAll(tools.filePath(QStringLiteral("unzip.sh")),
                     "#!/bin/bash\nmkdir -p \"$2\" && echo part >\"$2/partial\"\n"
                     "sleep 600 &\necho $! >\"$HOME/unzip-child.pid\"\nwait\n"));
    QVERIFY(QFile::setPermissions(tools.filePath(QStringLiteral("unzip.sh")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    WineSettings::instance()->setValue(QStringLiteral("tool"), tools.path() + QLatin1Char('/'));
    const auto restore = qScopeGuard([] { useBuildPlatform(); });

    const TPublishedAppInfo info = published(11);
    uninstall(info.appName);
    const QString bottle = bottlesDir() + QStringLiteral("Quick App_alice_1.0");
    QPointer<containerinstallview_mwd> host = openCatalogueWindow(info);
    const qint64 child = pidIn(pidFile);
    QVERIFY(child > 0 && isAlive(child));
    QVERIFY(QFileInfo::exists(bottle + QStringLiteral("/partial")));

    host->installer()->progressPage()->cancelButton()->click();
    QVERIFY(cleansUpThenCloses(host->installer()));
    QTRY_VERIFY_WITH_TIMEOUT(!isAlive(child), 5000);
    expectNothingOf(info.appName, bottle);
    QVERIFY(WineInstallerPrivate::runningInstalls().isEmpty());
}

void TestInstallWindow::concurrentDefaultDownloads()
{
    // Two unknown programs fetch the default package at the same time.
    CatalogueApiServer slow(m_data.path(), {QStringLiteral("--rate"), QStringLiteral("60")});
    QVERIFY(slow.isRunning());
    const QString package = m_data.filePath(QStringLiteral("default.7z"));
    const QString cacheDir = home() + QStringLiteral("/.cache/lirvan-wine-assist/apps/default/");
    QList<QPointer<containerinstallview_mwd>> hosts;
    for (const QString &name : {QStringLiteral("Unknown A"), QStringLiteral("Unknown B")})
        hosts.append(openCatalogueWindow(appAt(slow.baseUrl() + QStringLiteral("/files/default.7z"),
                                               name, QStringLiteral("1"), md5Of(package), 1)));
    // Both unpack a whole, unmixed package (its MD5 is checked first).
    for (const auto &host : hosts) {
        WnAppInstallWidget *progress = host->installer()->progressPage();
        QTRY_VERIFY_WITH_TIMEOUT(progress->state() == WnAppInstallWidget::Installing
                                         || resultShown(progress),
                                 FlowTimeoutMs);
        QVERIFY2(!resultShown(progress), qPrintable(progress->statusLabel()->text()));
    }
    for (const auto &host : hosts)
        host->close();
    QTRY_VERIFY(!hosts.first() && !hosts.last());
    // One shared package stays, and the setting names it.
    QCOMPARE(QDir(cacheDir).entryList(QDir::Files), QStringList{QStringLiteral("default.7z")});
    QCOMPARE(md5Of(cacheDir + QStringLiteral("default.7z")), md5Of(package));
    QCOMPARE(WineSettings::instance()->stringValue(QStringLiteral("local_path")),
             cacheDir + QStringLiteral("default.7z"));
    useBuildPlatform();
}

int main(int argc, char *argv[])
{
    IsolatedHome home;
    LApplication app(argc, argv);
    TestInstallWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installwindow.moc"
