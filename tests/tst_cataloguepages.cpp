#include "appinstallablemainwidget.h"
#include "appinstallablesubwidget.h"
#include "appinstallablewidget.h"
#include "catalogueapiserver.h"
#include "catalogueserver.h"
#include "iconlabel.h"
#include "isolatedhome.h"
#include "itemwidget.h"
#include "ldropdown.h"
#include "licontheme.h"
#include "llabel.h"
#include "lspinner.h"
#include "multiappinfowidget.h"
#include "multiselectlistview.h"
#include "ratingwidget.h"
#include "searchwidget.h"
#include "wineapplication.h"
#include "winecatalogue.h"
#include "winegetapplist.h"
#include "winesettings.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCompleter>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTcpServer>
#include <QtTest>

#include <memory>

namespace {

constexpr int Timeout = 15000;

QJsonObject app(int id, const char *name, const char *version, double score, int category)
{
    return {{"id", id},
            {"name", name},
            {"version", version},
            {"score", score},
            {"category_id", category},
            {"created_at", QString("2026-0%1-01 10:00:00").arg(id)},
            {"author_info", QJsonObject{{"username", QString("user%1").arg(id)}}}};
}

// Foo twice (4.0 before 4.5), then two more names, one of them without icon.
QJsonObject testCatalogue()
{
    QJsonObject withIcon = app(3, "Firefox Portable", "3", 2.5, 1);
    withIcon.insert("icon", "/files/none.png");
    return {{"apps", QJsonArray{app(1, "Foo", "1.0", 4.0, 7), app(2, "Foo", "2.0", 4.5, 7),
                                withIcon, app(4, "Bar", "0.1", 0.5, 5)}}};
}

TPublishedAppInfo recordOf(const QModelIndex &index)
{
    return index.data(Appinstallablemainwidget::AppInfoRole).value<TPublishedAppInfo>();
}

QStringList rowNames(const Appinstallablemainwidget *list)
{
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        names << recordOf(list->model()->index(row, 0)).appName;
    return names;
}

QModelIndex rowNamed(const Appinstallablemainwidget *list, const QString &name)
{
    return list->model()->index(rowNames(list).indexOf(name), 0);
}

void chooseCategory(Appinstallablemainwidget *list, int id)
{
    const QList<QAction *> actions = list->dropdown()->actions();
    for (QAction *action : actions) {
        if (action->data().toInt() == id)
            action->trigger();
    }
}

QStringList starsOf(const QWidget *rating)
{
    QStringList stars;
    const QList<QLabel *> labels = rating->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        stars << label->objectName();
    return stars;
}

// The widget of a row, created once the row is in sight.
ItemWidget *rowWidget(Appinstallablemainwidget *list, const QModelIndex &index)
{
    list->listView()->createVisibleRowWidgets();
    QWidget *holder = list->listView()->indexWidget(index);
    return holder ? holder->findChild<ItemWidget *>() : nullptr;
}

// The first column's texts, sorted.
QStringList sortedTexts(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    texts.sort();
    return texts;
}

bool namesLoaded(const SearchWidget &search)
{
    return QTest::qWaitFor([&] { return search.completer()->model()->rowCount() > 0; }, Timeout);
}

// What the user sees at the widget's centre is the widget itself: shown,
// with its ancestors, and not covered by a sibling.
bool inSight(QWidget *widget)
{
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QWidget *top = widget->window()->childAt(centre);
    return widget->isVisible() && (top == widget || widget->isAncestorOf(top));
}

bool hasRows(Appinstallablewidget &page)
{
    return QTest::qWaitFor([&] { return page.mainWidget()->model()->rowCount() > 0; }, Timeout);
}

} // namespace

/*
 * The catalogue pages and the search field against the reference service
 * serving a small catalogue written here.
 */
class TstCataloguePages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    std::unique_ptr<CatalogueApiServer> m_server;
    std::unique_ptr<Appinstallablewidget> m_page;
    Appinstallablemainwidget *m_list = nullptr;

    Appinstallablemainwidget *showPage()
    {
        m_page = std::make_unique<Appinstallablewidget>();
        m_page->resize(850, 630);
        m_page->show();
        return m_list = m_page->mainWidget();
    }

    bool load()
    {
        showPage();
        return QTest::qWaitFor([this] { return m_list->model()->rowCount() > 0; }, Timeout);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(CatalogueApiServer::writeCatalogue(m_data.path(), testCatalogue()));
        m_server = std::make_unique<CatalogueApiServer>(m_data.path());
        QVERIFY(m_server->isRunning());
    }

    void init() { m_server->use(); }

    void cleanup() { m_page.reset(); }

    void sameNameIsOneRowBestFirst()
    {
        QVERIFY(load());
        QVERIFY(!m_list->spinner()->isPlaying());
        QCOMPARE(rowNames(m_list), (QStringList{"Bar", "Firefox Portable", "Foo"}));
        const QModelIndex foo = rowNamed(m_list, "Foo");
        QCOMPARE(recordOf(foo).score, 4.5);
        QCOMPARE(recordOf(foo).version, QString("2.0"));
        ItemWidget *row = rowWidget(m_list, foo);
        QVERIFY(row);
        QCOMPARE(row->findChild<QLabel *>("version")->text(), QString("2.0"));
        QCOMPARE(starsOf(row->findChild<RatingWidget *>()),
                 (QStringList{"fullStar", "fullStar", "fullStar", "fullStar", "halfStar"}));

        // Choosing the row shows both versions, the better one first.
        m_list->listView()->setCurrentIndex(foo);
        QCOMPARE(m_page->rightStack()->currentIndex(), int(Appinstallablewidget::DetailPage));
        const Vector versions = m_page->detailWidget()->versions();
        QCOMPARE(versions.size(), 2);
        QCOMPARE(versions.at(0).score, 4.5);
        QCOMPARE(versions.at(1).score, 4.0);
        QCOMPARE(m_page->detailWidget()->findChild<QLabel *>("version")->text(), QString("2.0"));
        Multiappinfowidget *versionList = m_page->detailWidget()->versionList();
        QCOMPARE(versionList->buttonGroup()->buttons().size(), 2);
        QVERIFY(versionList->findChild<QRadioButton *>("0")->isChecked());
    }

    void missingIconShowsPlaceholder()
    {
        QVERIFY(load());
        const QString placeholder = LIconTheme::builtinPrefix() + QString("lw_space.svg");
        const QModelIndex bar = rowNamed(m_list, "Bar");
        QCOMPARE(recordOf(bar).icon, placeholder);
        ItemWidget *row = rowWidget(m_list, bar);
        QVERIFY(row);
        QCOMPARE(row->iconLabel()->address(), placeholder);
        QVERIFY(!row->iconLabel()->pixmap(Qt::ReturnByValue).isNull());
        // Below one star there is no rating to show.
        QCOMPARE(starsOf(row->findChild<RatingWidget *>()), QStringList{"noRating"});
    }

    void categoryAndSearchFilterTheRows()
    {
        QVERIFY(load());
        QCOMPARE(m_list->dropdown()->text(), QString("全部"));
        m_list->listView()->setCurrentIndex(m_list->model()->index(0, 0));
        chooseCategory(m_list, 7);
        QCOMPARE(m_list->categoryId(), 7);
        QCOMPARE(m_list->dropdown()->text(), QString("办公学习"));
        QCOMPARE(rowNames(m_list), QStringList{"Foo"});
        // The details of a row no longer listed are gone.
        QCOMPARE(m_page->rightStack()->currentIndex(), int(Appinstallablewidget::PlaceholderPage));
        // A category without applications says so.
        QVERIFY(!m_list->listView()->isEmptyTextVisible());
        chooseCategory(m_list, 9);
        QCOMPARE(m_list->model()->rowCount(), 0);
        QVERIFY(m_list->listView()->isEmptyTextVisible());

        // The search is exact and case-sensitive, whatever the category.
        chooseCategory(m_list, 1);
        m_page->showSearchResult("foo");
        QCOMPARE(m_list->model()->rowCount(), 0);
        QCOMPARE(m_list->titleLabel()->text(), QString("foo的搜索结果"));
        m_page->showSearchResult("Foo");
        QCOMPARE(rowNames(m_list), QStringList{"Foo"});
        QVERIFY(!m_list->listView()->isEmptyTextVisible());
        m_list->listView()->setCurrentIndex(m_list->model()->index(0, 0));

        // Cleared, the category's rows come back.
        m_page->showSearchResult(QString());
        QVERIFY(m_list->titleLabel()->text().isEmpty());
        QCOMPARE(rowNames(m_list), QStringList{"Firefox Portable"});
        QCOMPARE(m_page->rightStack()->currentIndex(), int(Appinstallablewidget::PlaceholderPage));
        chooseCategory(m_list, 0);
        QCOMPARE(rowNames(m_list), (QStringList{"Bar", "Firefox Portable", "Foo"}));
    }

    void versionChosenReachesInstall()
    {
        QVERIFY(load());
        m_list->listView()->setCurrentIndex(rowNamed(m_list, "Foo"));
        Appinstallablesubwidget *detail = m_page->detailWidget();
        QSignalSpy install(WineApplication::instance(), &WineApplication::signalNewInstallDialog);

        detail->installButton()->click();
        QCOMPARE(install.size(), 1);
        QCOMPARE(install.last().first().value<TPublishedAppInfo>().version, QString("2.0"));

        // The link toggles between the details and the version list.
        QWidget *details = detail->findChild<QWidget *>("details");
        QTest::mouseClick(detail->moreLink(), Qt::LeftButton);
        QVERIFY(detail->isVersionListShown() && !details->isVisible());
        detail->versionList()->findChild<QRadioButton *>("1")->click();
        detail->installButton()->click();
        QCOMPARE(install.size(), 2);
        const auto chosen = install.last().first().value<TPublishedAppInfo>();
        QCOMPARE(chosen.version, QString("1.0"));
        QCOMPARE(chosen.id, 1);
        QCOMPARE(chosen.score, 4.0);
    }

    void rowInstallButton()
    {
        QVERIFY(load());
        ItemWidget *row = rowWidget(m_list, rowNamed(m_list, "Firefox Portable"));
        QVERIFY(row);
        QSignalSpy install(WineApplication::instance(), &WineApplication::signalNewInstallDialog);
        row->installButton()->click();
        QCOMPARE(install.size(), 1);
        QCOMPARE(install.first().first().value<TPublishedAppInfo>().id, 3);
    }

    void iconsOnlyForRowsInView()
    {
        // 200 names whose icons lie on a file server; the list jumps from
        // the top to the end before the queued icons are fetched.
        QTemporaryDir data;
        CatalogueServer files(data.path());
        QJsonArray apps;
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(Qt::red);
        for (int i = 0; i < 200; ++i) {
            const QString name = QString("App%1").arg(i, 3, 10, QChar('0'));
            QVERIFY(icon.save(data.filePath(name + ".png")));
            QJsonObject entry = app(i + 1, "", "1", 3, 1);
            entry["name"] = name;
            entry["icon"] = files.fileUrl(name + ".png");
            apps.append(entry);
        }
        QVERIFY(CatalogueApiServer::writeCatalogue(data.path(), {{"apps", apps}}));
        CatalogueApiServer service(data.path());
        service.use();
        QVERIFY(load());
        MultiSelectListView *view = m_list->listView();
        const auto namesInSight = [&] {
            QStringList names;
            for (int row = 0; row < m_list->model()->rowCount(); ++row) {
                const QModelIndex index = m_list->model()->index(row, 0);
                if (view->visualRect(index).intersects(view->viewport()->rect()))
                    names << "GET /files/" + recordOf(index).appName + ".png";
            }
            return names;
        };
        const auto fetched = [&] {
            QStringList targets;
            for (const QString &line : files.requests("GET"))
                targets << line.section(' ', 0, 1);
            return targets;
        };
        view->createVisibleRowWidgets();
        const QStringList top = namesInSight();
        const int fetchedAtTop = fetched().size();
        QVERIFY(IconLabel::queuedDownloads() > 1);
        view->scrollToBottom();
        view->createVisibleRowWidgets();
        const QStringList bottom = namesInSight();
        QVERIFY(QTest::qWaitFor([] { return IconLabel::queuedDownloads() == 0; }, Timeout));

        // The rows left behind fetched at most the icon under way; the rows
        // jumped over fetched nothing.
        const QStringList seen = fetched();
        QCOMPARE(seen.mid(seen.size() - bottom.size()), bottom);
        const QStringList before = seen.mid(0, seen.size() - bottom.size());
        QVERIFY(before.size() <= fetchedAtTop + 1);
        for (const QString &request : before)
            QVERIFY2(top.contains(request), qPrintable(request));
    }

    void failedRequestOffersRetryThatRefillsEveryView()
    {
        // The views of the main window on one catalogue; the service accepts
        // connections and never answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        WineSettings::instance()->setValue("wine_oauth_host",
                                           QString("http://127.0.0.1:%1").arg(silent.serverPort()));
        qputenv("LWA_REQUEST_TIMEOUT_MS", "1500");
        const auto restore = qScopeGuard([] { qunsetenv("LWA_REQUEST_TIMEOUT_MS"); });
        WineCatalogue catalogue;
        Appinstallablewidget listPage(&catalogue);
        Appinstallablewidget resultPage(&catalogue);
        SearchWidget search(&catalogue);
        listPage.resize(850, 630);
        listPage.show();
        resultPage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&listPage));
        Appinstallablemainwidget *list = listPage.mainWidget();
        QElapsedTimer waited;
        waited.start();
        catalogue.load();
        QVERIFY(inSight(list->spinner()));
        QVERIFY(!list->failureView()->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return resultPage.mainWidget()->failureView()->isVisible(); },
                                Timeout));
        QVERIFY(waited.elapsed() >= 1400);
        QVERIFY(!list->spinner()->isVisible());
        QPushButton *retry = list->failureView()->findChild<QPushButton *>("retry");
        QVERIFY(inSight(retry));
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(!list->listView()->isEmptyTextVisible());
        QCOMPARE(search.completer()->model()->rowCount(), 0);

        // The service is back: a retry on one page refills the other page and
        // the completer too, with one more request.
        m_server->use();
        resultPage.showSearchResult("Foo");
        QTest::mouseClick(retry, Qt::LeftButton);
        QVERIFY(!list->failureView()->isVisible());
        QVERIFY(inSight(list->spinner()));
        QVERIFY(hasRows(listPage) && hasRows(resultPage));
        QCOMPARE(rowNames(resultPage.mainWidget()), QStringList{"Foo"});
        QVERIFY(QTest::qWaitFor([list] { return list->model()->rowCount() == 3; }, Timeout));
        QVERIFY(!list->spinner()->isVisible());
        QVERIFY(!resultPage.mainWidget()->failureView()->isVisible());
        QCOMPARE(sortedTexts(search.completer()->model()),
                 (QStringList{"Bar", "Firefox Portable", "Foo"}));
        QCOMPARE(catalogue.requestCount(), 2);
    }

    void unreadableReplyIsAFailure()
    {
        WineGetAppList request;
        QSignalSpy finished(&request, &WineGetAppList::signalFinished);
        QSignalSpy failed(&request, &WineGetAppList::signalFailed);
        // Replies are read off the GUI thread and told in the order they came.
        request.slotRequestFinished(3, "<html>busy</html>", 0);
        request.slotRequestFinished(4, "Not Found", 0);
        request.slotRequestFinished(3, "{\"data\":[]}", 0);
        QVERIFY(finished.isEmpty() && failed.isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return !finished.isEmpty(); }, Timeout));
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.at(0).at(0).toInt(), 3);
        QCOMPARE(failed.at(1).at(0).toInt(), 4);
        QCOMPARE(finished.size(), 1);
    }

    void searchNamesAndTypedText()
    {
        SearchWidget search;
        QVERIFY(namesLoaded(search));
        // Each name once, offered by the field's own completer.
        QCOMPARE(sortedTexts(search.completer()->model()),
                 (QStringList{"Bar", "Firefox Portable", "Foo"}));
        QCOMPARE(search.lineEdit()->completer(), search.completer());
        QSignalSpy results(&search, &SearchWidget::sendSearchResult);
        QTest::keyClicks(search.lineEdit(), QString("Fo"));
        QCOMPARE(results.size(), 2);
        QCOMPARE(results.at(0).first().toString(), QString("F"));
        QCOMPARE(results.at(1).first().toString(), QString("Fo"));
        // The completer offers every name holding the text, in any letter case.
        QCompleter *completer = search.completer();
        completer->setCompletionPrefix("fo");
        QCOMPARE(sortedTexts(completer->completionModel()),
                 (QStringList{"Firefox Portable", "Foo"}));

        // Return takes the first completion.
        search.setText("fo");
        results.clear();
        QTest::keyClick(search.lineEdit(), Qt::Key_Return);
        QCOMPARE(search.text(), QString("Foo"));
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().first().toString(), QString("Foo"));
    }

    // "Foo Pro" comes before "Foo": the name chosen or typed whole wins.
    void searchChoosesTheNameItself()
    {
        QTemporaryDir dir;
        QVERIFY(CatalogueApiServer::writeCatalogue(dir.path(),
                                                   {{"apps",
                                                     QJsonArray{app(1, "Foo Pro", "1", 3, 1),
                                                                app(2, "Foo", "1", 3, 1)}}}));
        CatalogueApiServer server(dir.path());
        QVERIFY(server.isRunning());
        server.use();
        SearchWidget search;
        search.show();
        QApplication::setActiveWindow(&search);
        QVERIFY(QTest::qWaitForWindowActive(&search));
        QVERIFY(namesLoaded(search));
        QAbstractItemView *popup = search.completer()->popup();
        QSignalSpy results(&search, &SearchWidget::sendSearchResult);
        // Typed whole, in any letter case, and Return.
        QTest::keyClicks(search.lineEdit(), QString("fOO"));
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(search.completer()->completionModel()->index(0, 0).data().toString(),
                 QString("Foo Pro"));
        results.clear();
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(search.text(), QString("Foo"));
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().first().toString(), QString("Foo"));
    }
};

int main(int argc, char **argv)
{
    IsolatedHome home;
    QApplication app(argc, argv);
    TstCataloguePages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cataloguepages.moc"
