// The catalogue page with a large catalogue: the reference service serves a
// generated catalogue of 10,000 records (3,000 names, icons on the service)
// and, as the reference, its sample catalogue. For each, a child process
// shows the page and prints
//   shown_ms     from the catalogue reply's arrival to all rows listed and
//                the visible rows drawn,
//   category_ms  switching to one category and drawing,
//   search_ms    showing one search result and drawing,
//   clear_ms     ending the search (back to the whole list) and drawing,
//   peak_kib     the child's peak resident memory,
//   rss_before_kib, rss_after_kib  resident memory before and after scrolling
//                the whole list to the end and back twice, as the user would,
//                page by page while the icons come in,
//   out_of_view_downloads  icon downloads seen running for rows out of view
//                during that scrolling,
// then the ratios of the large catalogue against the sample, and of the
// memory after scrolling against before.
//
//   lwa_bench_catalogue [records, default 10000] [names, default 3000]

#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "benchclock.h"
#include "catalogueapiserver.h"
#include "catalogueserver.h"
#include "iconlabel.h"
#include "isolatedhome.h"
#include "ldropdown.h"
#include "multiselectlistview.h"
#include "winecatalogue.h"
#include "winesettings.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QScrollBar>
#include <QSet>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

constexpr QSize PageSize(850, 630);
constexpr int Categories = 11;
constexpr int Users = 50;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool writeIcon(const QString &path, int seed)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 160, 200));
    return image.save(path, "PNG");
}

QString appName(int index)
{
    // Latin and Chinese names, as a real catalogue mixes them.
    return index % 2 ? QStringLiteral("Application %1").arg(index, 4, 10, QLatin1Char('0'))
                     : QStringLiteral("应用程序 %1").arg(index, 4, 10, QLatin1Char('0'));
}

// The icons and avatars lie on a file server at filesUrl.
bool generateCatalogue(const QString &dir, const QString &filesUrl, int records, int names)
{
    if (!QDir().mkpath(dir + QStringLiteral("/icons"))
        || !QDir().mkpath(dir + QStringLiteral("/avatars")))
        return false;
    for (int i = 0; i < names; ++i) {
        if (!writeIcon(dir + QStringLiteral("/icons/app%1.png").arg(i), i))
            return false;
    }
    for (int i = 0; i < Users; ++i) {
        if (!writeIcon(dir + QStringLiteral("/avatars/user%1.png").arg(i), i + 1000))
            return false;
    }
    QJsonArray apps;
    for (int i = 0; i < records; ++i) {
        const int name = i % names;
        const int user = i % Users;
        apps.append(QJsonObject{
                {QStringLiteral("id"), i + 1},
                {QStringLiteral("name"), appName(name)},
                {QStringLiteral("version"), QStringLiteral("%1.%2").arg(i / names + 1).arg(i % 7)},
                {QStringLiteral("score"), (i * 7919 % 51) / 10.0},
                {QStringLiteral("category_id"), name % Categories + 1},
                {QStringLiteral("author_info"),
                 QJsonObject{{QStringLiteral("username"), QStringLiteral("user%1").arg(user)},
                             {QStringLiteral("avatar"),
                              filesUrl + QStringLiteral("/avatars/user%1.png").arg(user)}}},
                {QStringLiteral("package"), QStringLiteral("package%1.7z").arg(i)},
                {QStringLiteral("icon"), filesUrl + QStringLiteral("/icons/app%1.png").arg(name)},
                {QStringLiteral("created_at"), QStringLiteral("2026-05-01 10:00:00")},
                {QStringLiteral("md5_value"), QStringLiteral("0123456789abcdef0123456789abcdef")},
                {QStringLiteral("download_url"), QStringLiteral("/files/packages/p%1.7z").arg(i)}});
    }
    return CatalogueApiServer::writeCatalogue(dir, {{QStringLiteral("apps"), apps}});
}

// Runs the change, brings the rows in sight on screen and draws the page.
double timedChange(Appinstallablewidget &page, const std::function<void()> &change)
{
    QElapsedTimer timer;
    timer.start();
    change();
    page.mainWidget()->listView()->createVisibleRowWidgets();
    page.repaint();
    return timer.nsecsElapsed() / 1e6;
}

void chooseCategory(Appinstallablewidget &page, int id)
{
    const QList<QAction *> actions = page.mainWidget()->dropdown()->actions();
    for (QAction *action : actions) {
        if (action->data().toInt() == id)
            action->trigger();
    }
}

// Labels of the list downloading their icon while their row is out of view.
void countOutOfViewDownloads(MultiSelectListView *view, QSet<const IconLabel *> &seen)
{
    const QList<IconLabel *> labels = view->viewport()->findChildren<IconLabel *>();
    for (const IconLabel *label : labels) {
        const QRect rect(label->mapTo(view->viewport(), QPoint()), label->size());
        if (label->isDownloading() && !rect.intersects(view->viewport()->rect()))
            seen.insert(label);
    }
}

// Runs the event loop (where deferred deletions happen) until pred() holds
// or ms have passed, calling each() on every pass.
void runLoopUntil(const std::function<bool()> &pred, int ms, const std::function<void()> &each = {})
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (each)
            each();
        if (pred() || timer.elapsed() > ms)
            loop.quit();
    });
    poll.start(0);
    loop.exec();
}

// Pages through the whole list to the end and back twice, a short glance at
// each page while the icons come in; the resident memory before and after,
// and the icon downloads of rows out of view.
QString scrollFigures(MultiSelectListView *view)
{
    const auto iconsDone = [] {
        return IconLabel::queuedDownloads() == 0;
    };
    runLoopUntil(iconsDone, 10000);
    const qint64 before = rssKib();
    QScrollBar *bar = view->verticalScrollBar();
    QList<int> values;
    for (int round = 0; round < 2; ++round) {
        for (int value = 0; value < bar->maximum(); value += bar->pageStep())
            values << value;
        for (int value = bar->maximum(); value > 0; value -= bar->pageStep())
            values << value;
    }
    values << 0;
    QSet<const IconLabel *> outOfView;
    for (const int value : qAsConst(values)) {
        bar->setValue(value);
        QElapsedTimer glance;
        glance.start();
        runLoopUntil([&] { return glance.elapsed() >= 5; }, 1000,
                     [&] { countOutOfViewDownloads(view, outOfView); });
    }
    runLoopUntil(iconsDone, 10000);
    const qint64 after = rssKib();
    return QStringLiteral(" rss_before_kib=%1 rss_after_kib=%2 out_of_view_downloads=%3")
            .arg(before)
            .arg(after)
            .arg(outOfView.size());
}

int runChild(const QString &baseUrl)
{
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"), baseUrl);
    Appinstallablewidget page;
    page.setFixedSize(PageSize);
    page.show();
    Appinstallablemainwidget *list = page.mainWidget();
    auto manager = list->catalogue()->findChild<QNetworkAccessManager *>();
    if (!manager)
        return 2;

    // The manager hears of the finished reply before the request object.
    QElapsedTimer sinceArrival;
    QObject::connect(manager, &QNetworkAccessManager::finished, [&] { sinceArrival.start(); });
    double shownMs = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (list->model()->rowCount() == 0 || list->listView()->rowWidgetCount() == 0)
            return;
        page.repaint();
        shownMs = sinceArrival.nsecsElapsed() / 1e6;
        poll.stop();
        QCoreApplication::quit();
    });
    poll.start(0);
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    if (shownMs < 0)
        return 3;

    const int rows = list->model()->rowCount();
    const double categoryMs = timedChange(page, [&] { chooseCategory(page, 3); });
    const QString someName = list->groups().lastKey();
    const double searchMs = timedChange(page, [&] { page.showSearchResult(someName); });
    chooseCategory(page, 0);
    page.showSearchResult(someName);
    const double clearMs = timedChange(page, [&] { page.showSearchResult(QString()); });
    const qint64 peakKib = peakRssKib();
    out() << "records=" << list->catalogue()->apps().size() << " rows=" << rows
          << " shown_ms=" << shownMs << " category_ms=" << categoryMs << " search_ms=" << searchMs
          << " clear_ms=" << clearMs << " peak_kib=" << peakKib << scrollFigures(list->listView())
          << Qt::endl;
    return 0;
}

// The child's figures as name=value pairs.
QMap<QString, double> runCase(const QString &label, const QString &baseUrl)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), baseUrl});
    child.waitForFinished(120000);
    const QString line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    out() << label << ": " << line << Qt::endl;
    QMap<QString, double> figures;
    for (const QString &pair : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        figures.insert(pair.section(QLatin1Char('='), 0, 0),
                       pair.section(QLatin1Char('='), 1).toDouble());
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    IsolatedHome home;
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        return runChild(QString::fromLatin1(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int names = argc > 2 ? QByteArray(argv[2]).toInt() : 3000;

    QTemporaryDir data;
    CatalogueServer files(data.path());
    if (!files.isRunning()
        || !generateCatalogue(data.path(), files.url(QStringLiteral("/files")), records, names)) {
        out() << "cannot generate the catalogue" << Qt::endl;
        return 1;
    }
    CatalogueApiServer sample;
    CatalogueApiServer large(data.path());
    if (!sample.isRunning() || !large.isRunning()) {
        out() << "the reference service did not start" << Qt::endl;
        return 1;
    }
    const QMap<QString, double> reference = runCase(QStringLiteral("sample"), sample.baseUrl());
    const QMap<QString, double> measured = runCase(QStringLiteral("large"), large.baseUrl());
    for (const QString &key :
         {QStringLiteral("shown_ms"), QStringLiteral("category_ms"), QStringLiteral("search_ms"),
          QStringLiteral("clear_ms"), QStringLiteral("peak_kib")}) {
        const double base = reference.value(key);
        out() << key << " large/sample = "
              << (base > 0 ? QString::number(measured.value(key) / base, 'f', 2)
                           : QStringLiteral("n/a"))
              << Qt::endl;
    }
    out() << "rss after/before scrolling = "
          << QString::number(measured.value(QStringLiteral("rss_after_kib"))
                                     / qMax(1.0, measured.value(QStringLiteral("rss_before_kib"))),
                             'f', 2)
          << Qt::endl;
    out() << "targets: shown_ms <= 500, peak_kib <= 204800, category_ms and search_ms < 100,"
             " rss after/before scrolling <= 1.20, out_of_view_downloads = 0"
          << Qt::endl;
    return 0;
}
