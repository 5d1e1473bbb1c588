#include "appinstallablemainwidget.h"
#include "appinstallablesubwidget.h"
#include "appinstallablewidget.h"
#include "catalogueapiserver.h"
#include "iconlabel.h"
#include "isolatedhome.h"
#include "itemwidget.h"
#include "ldropdown.h"
#include "licontheme.h"
#include "llabel.h"
#include "lspinner.h"
#include "lstandarditem.h"
#include "multiappinfowidget.h"
#include "multiselectlistview.h"
#include "ratingwidget.h"
#include "searchwidget.h"
#include "wineapplication.h"
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

QJsonObject app(int id, const QString &name, const QString &version, double score, int category)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), name},
            {QStringLiteral("version"), version},
            {QStringLiteral("score"), score},
            {QStringLiteral("category_id"), category},
            {QStringLiteral("created_at"), QStringLiteral("2026-0%1-01 10:00:00").arg(id)},
            {QStringLiteral("author_info"),
             QJsonObject{{QStringLiteral("username"), QStringLiteral("user%1").arg(id)}}}};
}

// Foo twice (4.0 before 4.5), then two more names, one of them without icon.
QJsonObject testCatalogue()
{
    QJsonObject withIcon = app(3, QStringLiteral("Firefox Portable"), QStringLiteral("3"), 2.5, 1);
    withIcon.insert(QStringLiteral("icon"), QStringLiteral("/files/none.png"));
    return {{QStringLiteral("apps"),
             QJsonArray{app(1, QStringLiteral("Foo"), QStringLiteral("1.0"), 4.0, 7),
                        app(2, QStringLiteral("Foo"), QStringLiteral("2.0"), 4.5, 7), withIcon,
                        app(4, QStringLiteral("Bar"), QStringLiteral("0.1"), 0.5, 5)}}};
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
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (recordOf(index).appName == name)
            return index;
    }
    return {};
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

QString closedAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
}

} // namespace

/*
 * The catalogue pages and the search field against the reference service
 * serving a small catalogue written here.
 */
class TstCataloguePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void sameNameIsOneRowBestFirst();
    void missingIconShowsPlaceholder();
    void categoryFilter();
    void searchIsExactAndCaseSensitive();
    void clearingSearchRestoresCategory();
    void emptyStateText();
    void stars_data();
    void stars();
    void versionChosenReachesInstall();
    void rowInstallButton();
    void moreVersionsLink();
    void rowWidgetsFollowTheVisibleRows();
    void failedRequestOffersRetry();
    void unreadableReplyIsAFailure();

    void searchEmitsTypedText();
    void searchReturnTakesFirstCompletion();
    void searchDeletingEmitsNothing();
    void searchNamesAppearOnce();

private:
    std::unique_ptr<Appinstallablewidget> loadedPage();

    QTemporaryDir m_data;
    std::unique_ptr<CatalogueApiServer> m_server;
};

void TstCataloguePages::initTestCase()
{
    QVERIFY(CatalogueApiServer::writeCatalogue(m_data.path(), testCatalogue()));
    m_server = std::make_unique<CatalogueApiServer>(m_data.path());
    QVERIFY(m_server->isRunning());
}

void TstCataloguePages::init()
{
    m_server->use();
}

std::unique_ptr<Appinstallablewidget> TstCataloguePages::loadedPage()
{
    auto page = std::make_unique<Appinstallablewidget>();
    page->resize(850, 630);
    page->show();
    Appinstallablemainwidget *list = page->mainWidget();
    if (!QTest::qWaitFor([list] { return list->model()->rowCount() > 0; }, Timeout))
        return nullptr;
    return page;
}

void TstCataloguePages::sameNameIsOneRowBestFirst()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    QVERIFY(!list->spinner()->isPlaying());
    QCOMPARE(rowNames(list), (QStringList{"Bar", "Firefox Portable", "Foo"}));
    const QModelIndex foo = rowNamed(list, QStringLiteral("Foo"));
    QCOMPARE(recordOf(foo).score, 4.5);
    QCOMPARE(recordOf(foo).version, QStringLiteral("2.0"));
    ItemWidget *row = rowWidget(list, foo);
    QVERIFY(row);
    QCOMPARE(row->findChild<QLabel *>(QStringLiteral("version"))->text(), QStringLiteral("2.0"));
    QCOMPARE(starsOf(row->findChild<RatingWidget *>()),
             (QStringList{"fullStar", "fullStar", "fullStar", "fullStar", "halfStar"}));

    // Choosing the row shows both versions, the better one first.
    list->listView()->setCurrentIndex(foo);
    QCOMPARE(page->rightStack()->currentIndex(), int(Appinstallablewidget::DetailPage));
    const Vector versions = page->detailWidget()->versions();
    QCOMPARE(versions.size(), 2);
    QCOMPARE(versions.at(0).score, 4.5);
    QCOMPARE(versions.at(1).score, 4.0);
    QCOMPARE(page->detailWidget()->findChild<QLabel *>(QStringLiteral("version"))->text(),
             QStringLiteral("2.0"));
    Multiappinfowidget *versionList = page->detailWidget()->versionList();
    QCOMPARE(versionList->buttonGroup()->buttons().size(), 2);
    QVERIFY(versionList->findChild<QRadioButton *>(QStringLiteral("0"))->isChecked());
}

void TstCataloguePages::missingIconShowsPlaceholder()
{
    auto page = loadedPage();
    QVERIFY(page);
    const QString placeholder = LIconTheme::builtinPrefix() + QStringLiteral("lw_space.svg");
    const QModelIndex bar = rowNamed(page->mainWidget(), QStringLiteral("Bar"));
    QCOMPARE(recordOf(bar).icon, placeholder);
    ItemWidget *row = rowWidget(page->mainWidget(), bar);
    QVERIFY(row);
    QCOMPARE(row->iconLabel()->address(), placeholder);
    QVERIFY(!row->iconLabel()->pixmap(Qt::ReturnByValue).isNull());
}

void TstCataloguePages::categoryFilter()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    QCOMPARE(list->dropdown()->text(), QStringLiteral("全部"));
    list->listView()->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(page->rightStack()->currentIndex(), int(Appinstallablewidget::DetailPage));

    chooseCategory(list, 7);
    QCOMPARE(list->categoryId(), 7);
    QCOMPARE(list->dropdown()->text(), QStringLiteral("办公学习"));
    QCOMPARE(list->dropdown()->currentAction()->data().toInt(), 7);
    QCOMPARE(rowNames(list), QStringList{"Foo"});
    QCOMPARE(page->rightStack()->currentIndex(), int(Appinstallablewidget::PlaceholderPage));

    chooseCategory(list, 0);
    QCOMPARE(rowNames(list), (QStringList{"Bar", "Firefox Portable", "Foo"}));
    // Only the catalogue request went to the service.
    QCOMPARE(list->appList()->getApps().size(), 4);
}

void TstCataloguePages::searchIsExactAndCaseSensitive()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    chooseCategory(list, 5);
    page->showSearchResult(QStringLiteral("foo"));
    QCOMPARE(page->searchName(), QStringLiteral("foo"));
    QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(list->titleLabel()->text(), QStringLiteral("foo的搜索结果"));
    QVERIFY(list->listView()->isEmptyTextVisible());

    // The exact name is found whatever the category; one row on one line.
    page->showSearchResult(QStringLiteral("Foo"));
    QCOMPARE(rowNames(list), QStringList{"Foo"});
    QVERIFY(!list->listView()->isEmptyTextVisible());
    QVERIFY(!list->listView()->isWrapping());
    QCOMPARE(list->listView()->flow(), QListView::LeftToRight);
}

void TstCataloguePages::clearingSearchRestoresCategory()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    chooseCategory(list, 1);
    page->showSearchResult(QStringLiteral("Foo"));
    list->listView()->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(page->rightStack()->currentIndex(), int(Appinstallablewidget::DetailPage));
    page->showSearchResult(QString());
    QVERIFY(list->titleLabel()->text().isEmpty());
    QVERIFY(list->searchText().isEmpty());
    QCOMPARE(rowNames(list), QStringList{"Firefox Portable"});
    // The details of a row no longer listed are gone.
    QCOMPARE(page->rightStack()->currentIndex(), int(Appinstallablewidget::PlaceholderPage));
    // Several rows fill the width again.
    chooseCategory(list, 0);
    QCOMPARE(list->model()->rowCount(), 3);
    QVERIFY(list->listView()->isWrapping());
}

void TstCataloguePages::emptyStateText()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    QVERIFY(!list->listView()->isEmptyTextVisible());
    chooseCategory(list, 9);
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(list->listView()->isEmptyTextVisible());
    QCOMPARE(list->listView()->emptyText(), QStringLiteral("当前分类没有数据，敬请期待..."));
    const QLabel *text = list->listView()->findChild<QLabel *>(QStringLiteral("emptyText"));
    QCOMPARE(text->y(), 240);
    QCOMPARE(text->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

void TstCataloguePages::stars_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<QStringList>("stars");
    const QString full = QStringLiteral("fullStar");
    const QString half = QStringLiteral("halfStar");
    const QString empty = QStringLiteral("emptyStar");
    QTest::newRow("1.0") << 1.0 << QStringList{full, empty, empty, empty, empty};
    QTest::newRow("2.5") << 2.5 << QStringList{full, full, half, empty, empty};
    QTest::newRow("2.504") << 2.504 << QStringList{full, full, empty, empty, empty};
    QTest::newRow("2.4999") << 2.4999 << QStringList{full, full, half, empty, empty};
    QTest::newRow("3.7") << 3.7 << QStringList{full, full, full, empty, empty};
    QTest::newRow("5.0") << 5.0 << QStringList{full, full, full, full, full};
    QTest::newRow("0.9") << 0.9 << QStringList{QStringLiteral("noRating")};
    QTest::newRow("negative") << -2.0 << QStringList{QStringLiteral("noRating")};
}

void TstCataloguePages::stars()
{
    QFETCH(double, score);
    QFETCH(QStringList, stars);
    RatingWidget rating(score);
    QCOMPARE(starsOf(&rating), stars);
    if (stars.first() == QStringLiteral("noRating")) {
        QCOMPARE(rating.findChild<QLabel *>()->text(), QStringLiteral("暂无评分"));
    } else {
        QCOMPARE(rating.findChild<QLabel *>()->size(), QSize(12, 11));
        QVERIFY(!rating.findChild<QLabel *>()->pixmap(Qt::ReturnByValue).isNull());
    }
    // Shown again with another score, nothing of the first remains.
    rating.setScore(4.5);
    QCOMPARE(starsOf(&rating).size(), 5);
}

void TstCataloguePages::versionChosenReachesInstall()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    list->listView()->setCurrentIndex(rowNamed(list, QStringLiteral("Foo")));
    Appinstallablesubwidget *detail = page->detailWidget();
    QSignalSpy install(WineApplication::instance(), &WineApplication::signalNewInstallDialog);

    detail->installButton()->click();
    QCOMPARE(install.size(), 1);
    QCOMPARE(install.last().first().value<TPublishedAppInfo>().version, QStringLiteral("2.0"));

    detail->toggleVersionList();
    detail->versionList()->findChild<QRadioButton *>(QStringLiteral("1"))->click();
    detail->installButton()->click();
    QCOMPARE(install.size(), 2);
    const auto chosen = install.last().first().value<TPublishedAppInfo>();
    QCOMPARE(chosen.version, QStringLiteral("1.0"));
    QCOMPARE(chosen.id, 1);
    QCOMPARE(chosen.score, 4.0);
}

void TstCataloguePages::rowInstallButton()
{
    auto page = loadedPage();
    QVERIFY(page);
    Appinstallablemainwidget *list = page->mainWidget();
    ItemWidget *row = rowWidget(list, rowNamed(list, QStringLiteral("Firefox Portable")));
    QVERIFY(row);
    QCOMPARE(row->installButton()->text(), QStringLiteral("安装"));
    QSignalSpy install(WineApplication::instance(), &WineApplication::signalNewInstallDialog);
    row->installButton()->click();
    QCOMPARE(install.size(), 1);
    QCOMPARE(install.first().first().value<TPublishedAppInfo>().id, 3);
    // Without a main window no dialog opens.
    QVERIFY(!QApplication::activeModalWidget());
}

void TstCataloguePages::moreVersionsLink()
{
    auto page = loadedPage();
    QVERIFY(page);
    page->mainWidget()->listView()->setCurrentIndex(
            rowNamed(page->mainWidget(), QStringLiteral("Foo")));
    Appinstallablesubwidget *detail = page->detailWidget();
    QWidget *details = detail->findChild<QWidget *>(QStringLiteral("details"));
    // Each click toggles between the details and the version list.
    for (int clicks = 0; clicks < 3; ++clicks) {
        if (clicks > 0)
            QTest::mouseClick(detail->moreLink(), Qt::LeftButton);
        const bool listShown = clicks == 1;
        QCOMPARE(detail->moreLink()->text(),
                 listShown ? QStringLiteral("收起") : QStringLiteral("更多版本"));
        QCOMPARE(detail->isVersionListShown(), listShown);
        QCOMPARE(details->isVisible(), !listShown);
    }
}

void TstCataloguePages::rowWidgetsFollowTheVisibleRows()
{
    QStandardItemModel model;
    MultiSelectListView view;
    view.setItemSize(QSize(252, 78));
    view.setOrientation(QListView::LeftToRight, true);
    view.setModel(&model);
    QList<int> made;
    view.setRowWidgetFactory([&made](const QModelIndex &index) {
        made << index.row();
        return new QLabel(QString::number(index.row()));
    });
    QList<QStandardItem *> rows;
    for (int row = 0; row < 200; ++row)
        rows << new LStandardItem;
    model.invisibleRootItem()->appendRows(rows);
    view.resize(550, 400);
    view.show();
    QVERIFY(QTest::qWaitFor([&] { return !made.isEmpty(); }, Timeout));
    // Two columns of five or six rows are in sight, not two hundred.
    QVERIFY2(made.size() >= 8 && made.size() <= 16, qPrintable(QString::number(made.size())));
    QCOMPARE(made.first(), 0);
    QVERIFY(view.indexWidget(model.index(0, 0)));
    QVERIFY(!view.indexWidget(model.index(199, 0)));

    // Scrolled to the end, the last rows get theirs, each row only once.
    view.scrollToBottom();
    QVERIFY(QTest::qWaitFor([&] { return made.contains(199); }, Timeout));
    QVERIFY(view.indexWidget(model.index(199, 0)));
    QCOMPARE(QSet<int>(made.cbegin(), made.cend()).size(), made.size());
    QCOMPARE(view.rowWidgetCount(), made.size());
    QVERIFY(made.size() < 40);
}

void TstCataloguePages::failedRequestOffersRetry()
{
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"), closedAddress());
    Appinstallablewidget page;
    page.resize(850, 630);
    page.show();
    Appinstallablemainwidget *list = page.mainWidget();
    QVERIFY(list->spinner()->isPlaying());
    QVERIFY(QTest::qWaitFor([list] { return list->failureView()->isVisible(); }, Timeout));
    QVERIFY(!list->spinner()->isPlaying());
    QVERIFY(!list->spinner()->isVisible());
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(!list->listView()->isEmptyTextVisible());

    // The service is back: asking again fills the page.
    m_server->use();
    auto retry = list->failureView()->findChild<QPushButton *>(QStringLiteral("retry"));
    retry->click();
    QVERIFY(!list->failureView()->isVisible());
    QVERIFY(list->spinner()->isPlaying());
    QVERIFY(QTest::qWaitFor([list] { return list->model()->rowCount() == 3; }, Timeout));
    QVERIFY(!list->spinner()->isPlaying());
    QVERIFY(!list->failureView()->isVisible());
}

void TstCataloguePages::unreadableReplyIsAFailure()
{
    WineGetAppList request;
    QSignalSpy finished(&request, &WineGetAppList::signalFinished);
    QSignalSpy failed(&request, &WineGetAppList::signalFailed);
    request.slotRequestFinished(3, QStringLiteral("<html>busy</html>"), 0);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(finished.size(), 0);
    request.slotRequestFinished(4, QStringLiteral("Not Found"), 0);
    QCOMPARE(failed.size(), 2);
    QCOMPARE(failed.last().at(0).toInt(), 4);
    request.slotRequestFinished(3, QStringLiteral("{\"data\":[]}"), 0);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(failed.size(), 2);

    // An error status of the service fails the page's request the same way.
    QTemporaryDir noApps;
    QVERIFY(CatalogueApiServer::writeCatalogue(noApps.path(),
                                               {{QStringLiteral("categories"), QJsonArray()}}));
    CatalogueApiServer server(noApps.path());
    QVERIFY(server.isRunning());
    server.use();
    Appinstallablewidget page;
    page.show();
    Appinstallablemainwidget *list = page.mainWidget();
    QVERIFY(QTest::qWaitFor([list] { return list->failureView()->isVisible(); }, Timeout));
    QVERIFY(!list->spinner()->isPlaying());
}

void TstCataloguePages::searchEmitsTypedText()
{
    SearchWidget search;
    QVERIFY(QTest::qWaitFor([&] { return search.completer()->model()->rowCount() > 0; }, Timeout));
    QSignalSpy results(&search, &SearchWidget::sendSearchResult);
    QTest::keyClicks(search.lineEdit(), QStringLiteral("Fo"));
    QCOMPARE(results.size(), 2);
    QCOMPARE(results.at(0).first().toString(), QStringLiteral("F"));
    QCOMPARE(results.at(1).first().toString(), QStringLiteral("Fo"));
    // The completer offers every name holding the text, in any letter case.
    QCompleter *completer = search.completer();
    QCOMPARE(completer->maxVisibleItems(), 7);
    completer->setCompletionPrefix(QStringLiteral("fo"));
    QCOMPARE(sortedTexts(completer->completionModel()), (QStringList{"Firefox Portable", "Foo"}));
}

void TstCataloguePages::searchReturnTakesFirstCompletion()
{
    SearchWidget search;
    QVERIFY(QTest::qWaitFor([&] { return search.completer()->model()->rowCount() > 0; }, Timeout));
    search.setText(QStringLiteral("fo"));
    QSignalSpy results(&search, &SearchWidget::sendSearchResult);
    QTest::keyClick(search.lineEdit(), Qt::Key_Return);
    QCOMPARE(search.text(), QStringLiteral("Foo"));
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().first().toString(), QStringLiteral("Foo"));

    // Nothing matches: nothing is reported and the text stays.
    search.setText(QStringLiteral("zzz"));
    results.clear();
    QTest::keyClick(search.lineEdit(), Qt::Key_Return);
    QCOMPARE(search.text(), QStringLiteral("zzz"));
    QVERIFY(results.isEmpty());

    // A chosen completion is reported like Return.
    search.setText(QStringLiteral("ba"));
    results.clear();
    emit search.completer()->activated(QStringLiteral("Bar"));
    QCOMPARE(search.text(), QStringLiteral("Bar"));
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().first().toString(), QStringLiteral("Bar"));
}

void TstCataloguePages::searchDeletingEmitsNothing()
{
    SearchWidget search;
    QTest::keyClicks(search.lineEdit(), QStringLiteral("Bar"));
    QSignalSpy results(&search, &SearchWidget::sendSearchResult);
    QTest::keyClick(search.lineEdit(), Qt::Key_Backspace);
    QCOMPARE(search.text(), QStringLiteral("Ba"));
    search.lineEdit()->clear();
    QVERIFY(results.isEmpty());
    // Typing again after clearing reports again.
    QTest::keyClicks(search.lineEdit(), QStringLiteral("B"));
    QCOMPARE(results.size(), 1);
}

void TstCataloguePages::searchNamesAppearOnce()
{
    SearchWidget search;
    QVERIFY(QTest::qWaitFor([&] { return search.completer()->model()->rowCount() > 0; }, Timeout));
    QCOMPARE(sortedTexts(search.completer()->model()),
             (QStringList{"Bar", "Firefox Portable", "Foo"}));
    QCOMPARE(search.lineEdit()->completer(), search.completer());
}

int main(int argc, char **argv)
{
    IsolatedHome home;
    QApplication app(argc, argv);
    TstCataloguePages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cataloguepages.moc"
