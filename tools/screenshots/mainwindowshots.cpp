// Screenshots of the main window at its real size, as a user sees it: the
// catalogue with the sample catalogue served, the installed applications
// (three records), a search result and the account menu of a logged-in
// user. Runs itself in a temporary home on a private X server and session
// bus (see scripts/mainwindow-shots.sh) and writes PNG files into the
// directory given as its argument.

#include "accountservicetestutil.h"
#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "catalogueapiserver.h"
#include "lapplication.h"
#include "llistview.h"
#include "sampleinstalledapps.h"
#include "searchwidget.h"
#include "testisolation.h"
#include "wineapplication.h"
#include "wineastlogin.h"
#include "winemainwindow.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTest>
#include <QTextStream>

namespace {

bool save(const QPixmap &shot, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const bool saved = shot.save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

QPixmap screen(const QRect &area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                        area.height());
}

} // namespace

int main(int argc, char *argv[])
{
    TestIsolation::ensure(argc, argv, true, true);
    LApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: lwa_mainwindowshots OUTPUT-DIRECTORY\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    CatalogueApiServer service;
    AccountServiceProcess account({QStringLiteral("--code"), QStringLiteral("alice-code")});
    if (!service.isRunning() || !account.isReady())
        return 1;
    service.use();
    SampleInstalledApps::write();

    WineApplication *controller = WineApplication::instance();
    controller->init();
    controller->launchWithArgs({QStringLiteral("lirvan-wine-assist")});
    WineMainWindow *window = controller->mainWindow();
    auto catalogue = qobject_cast<Appinstallablewidget *>(window->pages()->widget(0));
    // A page that never filled counts as a failure, as a missing picture does.
    int failures = !QTest::qWaitFor(
            [&catalogue] { return catalogue->mainWidget()->model()->rowCount() > 0; }, 15000);
    QTest::qWait(1500); // the application icons
    failures += !save(window->grab(), out, QStringLiteral("1-catalogue.png"));

    LListView *navigation = window->navigation();
    navigation->setCurrentIndex(navigation->model()->index(1, 0));
    QTest::qWait(300);
    failures += !save(window->grab(), out, QStringLiteral("2-installed.png"));

    QLineEdit *edit = window->searchWidget()->lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Foo App"));
    edit->completer()->popup()->hide();
    QTest::qWait(800);
    failures += !save(window->grab(), out, QStringLiteral("3-search.png"));
    QTest::keyClick(edit, Qt::Key_Escape);

    window->loginButton()->click();
    failures += !QTest::qWaitFor([] { return WineAstLogin::instance()->isLoggedIn(); }, 15000);
    QTest::qWait(300);
    window->loginButton()->click();
    failures += !QTest::qWaitFor(
            [window] { return window->userMenu() && window->userMenu()->isVisible(); }, 15000);
    QTest::qWait(500);
    failures += !save(screen(window->frameGeometry().adjusted(-20, -20, 20, 20)), out,
                      QStringLiteral("4-account-menu.png"));
    window->userMenu()->hide();

    controller->shutdown();
    return failures == 0 ? 0 : 1;
}
