/*
 * Screenshots of the catalogue pages against the reference service and its
 * sample catalogue: the list, a detail panel with and without its version
 * list, a search result, the empty state, the page waiting for a service
 * that never answers, the failure state, the search field, and the pages of
 * a hostile catalogue (markup, long texts). Run it under a real X server for
 * the desktop's fonts:
 *
 *   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/lwa_catalogueshots OUTDIR
 */
#include "appinstallablemainwidget.h"
#include "appinstallablesubwidget.h"
#include "appinstallablewidget.h"
#include "catalogueapiserver.h"
#include "hostilecatalogue.h"
#include "iconlabel.h"
#include "isolatedhome.h"
#include "lapplication.h"
#include "ldropdown.h"
#include "multiselectlistview.h"
#include "searchwidget.h"
#include "wineapplication.h"
#include "winesettings.h"

#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QStandardItemModel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QSize PageSize(850, 630);

bool settled(const Appinstallablewidget &page)
{
    const Appinstallablemainwidget *list = page.mainWidget();
    return list->model()->rowCount() > 0
           && list->listView()->rowWidgetCount() == list->model()->rowCount()
           && IconLabel::queuedDownloads() == 0;
}

void save(QWidget &widget, const QString &dir, const QString &name)
{
    QTest::qWait(100);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

QModelIndex rowOf(const Appinstallablewidget &page, const QString &name)
{
    const QStandardItemModel *model = page.mainWidget()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data(Appinstallablemainwidget::AppInfoRole).value<TPublishedAppInfo>().appName
            == name)
            return index;
    }
    return {};
}

void chooseCategory(Appinstallablewidget &page, int id)
{
    const QList<QAction *> actions = page.mainWidget()->dropdown()->actions();
    for (QAction *action : actions) {
        if (action->data().toInt() == id)
            emit page.mainWidget()->dropdown()->triggered(action);
    }
}

// An address on which nothing listens.
QString closedAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
}

// Makes the service the catalogue service of this program.
void use(const CatalogueApiServer &server)
{
    if (!server.isRunning())
        qFatal("the reference service did not start");
    server.use();
}

// Shows the page once its catalogue has arrived.
void showSettled(Appinstallablewidget &page)
{
    page.setFixedSize(PageSize);
    page.show();
    if (!QTest::qWaitFor([&] { return settled(page); }, 15000))
        qFatal("the catalogue did not arrive");
}

// The pages of a catalogue whose texts are markup and 100 KB strings.
void saveHostile(const QString &outDir)
{
    QTemporaryDir data;
    if (!CatalogueApiServer::writeCatalogue(data.path(), HostileCatalogue::catalogue()))
        qFatal("cannot write the hostile catalogue");
    CatalogueApiServer server(data.path());
    use(server);
    Appinstallablewidget page;
    showSettled(page);
    page.mainWidget()->listView()->setCurrentIndex(rowOf(page, HostileCatalogue::Bold));
    save(page, outDir, QStringLiteral("hostile"));
    page.detailWidget()->toggleVersionList();
    save(page, outDir, QStringLiteral("hostile-versions"));
    page.showSearchResult(HostileCatalogue::Huge);
    page.mainWidget()->listView()->setCurrentIndex(rowOf(page, HostileCatalogue::Huge));
    save(page, outDir, QStringLiteral("hostile-search"));
}

} // namespace

int main(int argc, char **argv)
{
    IsolatedHome home;
    LApplication app(argc, argv);
    // The translation of the locale (LANG), as the program loads it.
    WineApplication::instance()->setIdentity();
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("catalogue-shots");
    QDir().mkpath(outDir);

    CatalogueApiServer server;
    use(server);

    Appinstallablewidget page;
    showSettled(page);
    save(page, outDir, QStringLiteral("catalogue"));

    page.mainWidget()->listView()->setCurrentIndex(rowOf(page, QStringLiteral("画图助手")));
    (void)QTest::qWaitFor([] { return IconLabel::queuedDownloads() == 0; }, 15000);
    save(page, outDir, QStringLiteral("detail"));
    page.detailWidget()->toggleVersionList();
    (void)QTest::qWaitFor([] { return IconLabel::queuedDownloads() == 0; }, 15000);
    save(page, outDir, QStringLiteral("detail-versions"));

    page.showSearchResult(QStringLiteral("Foo App"));
    save(page, outDir, QStringLiteral("search"));

    chooseCategory(page, 9);
    save(page, outDir, QStringLiteral("empty"));

    SearchWidget search;
    search.setFixedSize(350, 36);
    search.show();
    (void)QTest::qWaitFor([&] { return search.completer()->model()->rowCount() > 0; }, 15000);
    search.setText(QStringLiteral("画"));
    save(search, outDir, QStringLiteral("searchfield"));

    // A service that accepts and never answers: the spinner turns.
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    WineSettings::instance()
            ->setValue(QStringLiteral("wine_oauth_host"),
                       QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()));
    Appinstallablewidget stalled;
    stalled.setFixedSize(PageSize);
    stalled.show();
    save(stalled, outDir, QStringLiteral("stalled"));

    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"), closedAddress());
    Appinstallablewidget failing;
    failing.setFixedSize(PageSize);
    failing.show();
    if (!QTest::qWaitFor([&] { return failing.mainWidget()->failureView()->isVisible(); }, 15000))
        qFatal("the failure view did not show");
    save(failing, outDir, QStringLiteral("failure"));

    saveHostile(outDir);
    return 0;
}
