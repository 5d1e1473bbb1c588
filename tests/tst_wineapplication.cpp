// The application controller: which window a start opens, the install
// windows it keeps, the catalogue dialog, shutdown and deferred start-up work.

#include "catalogueapiserver.h"
#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "containerinstallview_mwd.h"
#include "deferredstartup.h"
#include "lapplication.h"
#include "tpublishedappinfo.h"
#include "wineapplication.h"
#include "wineastapplist.h"
#include "winemainwindow.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Runs check on the catalogue dialog while newInstallDialog() shows it. The
// modal loop ends afterwards in any case, also when a check failed or no
// dialog came up, so a failure fails the test instead of hanging it. With
// keepOpen the dialog stays open, as when the application quits.
void whileDialogRuns(QObject *context, WineMainWindow *window,
                     std::function<void(containerinstallview_dialog *)> check,
                     bool keepOpen = false)
{
    QTimer::singleShot(0, context, [window, check, keepOpen] {
        const auto endLoop = qScopeGuard([keepOpen] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modal->hide();
                if (keepOpen)
                    modal->show();
            }
        });
        auto dialog = window->findChild<containerinstallview_dialog *>();
        QVERIFY(dialog);
        check(dialog);
    });
}

} // namespace

class TestWineApplication : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void initRequestsCategories();
    void mainWindowWithoutFile();
    void installWindowPerPath();
    void catalogueDialog();
    void startupWorkAfterFirstPaint();

private:
    QString makeFile(const QString &name) const;

    QTemporaryDir m_dir;
    CatalogueApiServer m_service;
    WineApplication *m_app = nullptr;
};

void TestWineApplication::initTestCase()
{
    QVERIFY(m_service.isRunning());
    m_service.use();
    m_app = WineApplication::instance();
    QCOMPARE(m_app->init(), 0);
}

void TestWineApplication::cleanup()
{
    m_app->shutdown();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWineApplication::initRequestsCategories()
{
    // The category list is asked for once the event loop runs.
    QTRY_VERIFY(!WineAstApplist::instance()->categories().isEmpty());
    const QList<QJsonObject> requests = m_service.apiRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value(QStringLiteral("path")).toString(),
             QStringLiteral("/api/v1/app/category/list"));
}

QString TestWineApplication::makeFile(const QString &name) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    return path;
}

void TestWineApplication::mainWindowWithoutFile()
{
    QVERIFY(!m_app->mainWindow());
    QCOMPARE(m_app->launchWithArgs({QStringLiteral("assist")}), 0);
    WineMainWindow *window = m_app->mainWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());

    // Again, or with a missing file: the same window, no install window.
    window->close();
    QCOMPARE(m_app->launchWithArgs({QStringLiteral("assist"), m_dir.filePath("missing.exe")}), 0);
    QCOMPARE(m_app->mainWindow(), window);
    QVERIFY(window->isVisible());
    QVERIFY(m_app->installers().isEmpty());
}

void TestWineApplication::installWindowPerPath()
{
    const QString setup = makeFile(QStringLiteral("setup.exe"));
    const QString other = makeFile(QStringLiteral("other.exe"));

    m_app->launchWithArgs({QStringLiteral("assist"), setup, QStringLiteral("ignored")});
    QCOMPARE(m_app->installers().size(), 1);
    QVERIFY(!m_app->mainWindow());
    ContainerInstallerObj *first = m_app->installers().constFirst();
    QCOMPARE(first->filePath(), setup);
    QCOMPARE(first->kind(), int(ContainerInstallerObj::MainWindowHost));
    QVERIFY(first->view()->isVisible());
    QVERIFY(!first->logPath().isEmpty());

    first->view()->hide();
    m_app->launchWithArgs({QStringLiteral("assist"), setup});
    QCOMPARE(m_app->installers().size(), 1);
    QVERIFY(first->view()->isVisible());

    m_app->launchWithArgs({QStringLiteral("assist"), other});
    QCOMPARE(m_app->installers().size(), 2);
    QCOMPARE(m_app->installers().at(1)->filePath(), other);

    // Closed, a window leaves the list and goes.
    QPointer<QWidget> host = first->view();
    QVERIFY(host->close());
    QCOMPARE(m_app->installers().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!host);
    // Closed by its path, as an uninstall does; the other window stays.
    m_app->launchWithArgs({QStringLiteral("assist"), setup});
    m_app->closeInstaller(other);
    QCOMPARE(m_app->installers().size(), 1);
    QCOMPARE(m_app->installers().constFirst()->filePath(), setup);
    QVERIFY(m_app->installers().constFirst()->view()->isVisible());
}

void TestWineApplication::catalogueDialog()
{
    TPublishedAppInfo info;
    info.appName = QStringLiteral("Foo");

    // Without a main window nothing opens.
    m_app->newInstallDialog(info);
    QVERIFY(!QApplication::activeModalWidget());

    m_app->launchWithArgs({QStringLiteral("assist")});
    WineMainWindow *window = m_app->mainWindow();
    whileDialogRuns(this, window, [&](containerinstallview_dialog *dialog) {
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        QVERIFY(!window->isEnabled());
        QCOMPARE(dialog->installer()->publishedAppInfo().appName, QStringLiteral("Foo"));
        QVERIFY(dialog->isEnabled());
    });
    m_app->newInstallDialog(info);
    QVERIFY(window->isEnabled());
    // A catalogue dialog is not an open stand-alone installer.
    QVERIFY(m_app->installers().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // An overwrite install puts the dialog's object in the list.
    QPointer<containerinstallview_dialog> dialog;
    whileDialogRuns(
            this, window,
            [&](containerinstallview_dialog *shown) {
                dialog = shown;
                emit shown->installer()->s_recoverInstall();
                QVERIFY(shown->installerObj());
                QCOMPARE(m_app->installers(),
                         QList<ContainerInstallerObj *>{shown->installerObj()});
            },
            true);
    m_app->newInstallDialog(info);
    QVERIFY(dialog && dialog->isVisible());
    // Still open at shutdown, it is deleted once, not again with its parent.
    m_app->shutdown();
    QVERIFY(!dialog);
    QVERIFY(m_app->installers().isEmpty());
    QVERIFY(!m_app->mainWindow());
}

// A window that notes when it is painted.
class PaintNotingWindow : public QWidget
{
public:
    explicit PaintNotingWindow(QStringList *events)
        : m_events(events)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override { m_events->append(QStringLiteral("paint")); }

private:
    QStringList *m_events;
};

void TestWineApplication::startupWorkAfterFirstPaint()
{
    QStringList events;
    PaintNotingWindow window(&events);
    DeferredStartup::hold();
    DeferredStartup::releaseAfterFirstPaint(&window);
    const auto note = [&events](const QString &event) {
        return [&events, event] {
            events << event;
        };
    };
    auto gone = new QObject;
    DeferredStartup::run(this, [&] {
        events << QStringLiteral("first");
        // Each piece gets its own pass of the event loop.
        QTimer::singleShot(0, this, note(QStringLiteral("between")));
    });
    DeferredStartup::run(gone, note(QStringLiteral("gone")));
    DeferredStartup::run(this, [&] {
        events << QStringLiteral("second");
        // Once released, work runs at once.
        DeferredStartup::run(this, note(QStringLiteral("third")));
    });
    delete gone;
    QTest::qWait(100);
    QVERIFY(events.isEmpty());

    // Queued work runs after the first paint, in order; the work of a
    // destroyed object is dropped.
    window.show();
    QTRY_VERIFY(!DeferredStartup::isHeld());
    QCOMPARE(events.value(0), QStringLiteral("paint"));
    events.removeAll(QStringLiteral("paint"));
    QCOMPARE(events, QStringList({"first", "between", "second", "third"}));

    // A window that never paints holds nothing back for long.
    DeferredStartup::hold();
    DeferredStartup::run(this, note(QStringLiteral("late")));
    QVERIFY(!events.contains(QStringLiteral("late")));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("late")),
                             DeferredStartup::FallbackMs * 3);
}

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    TestWineApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wineapplication.moc"
