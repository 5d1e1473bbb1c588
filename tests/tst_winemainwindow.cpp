#include "accountservicetestutil.h"
#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "appinstalledwidget.h"
#include "appshareablewidget.h"
#include "catalogueapiserver.h"
#include "lapplication.h"
#include "llistview.h"
#include "multiselectlistview.h"
#include "searchwidget.h"
#include "testisolation.h"
#include "wineapplication.h"
#include "wineastlogin.h"
#include "winemainwindow.h"
#include "winesettings.h"

#include <QCommandLinkButton>
#include <QCompleter>
#include <QDesktopServices>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QtTest>

// Receives the addresses the window hands to the desktop's URL handler.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

/*
 * The main window as the application controller shows it, against the
 * reference catalogue service and the stand-in desktop account services.
 * The login is one per process: the first case logs in at start-up.
 */
class TestWineMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_service.isRunning());
        m_service.use();
        QCOMPARE(WineApplication::instance()->init(), 0);
    }

    void cleanupTestCase() { WineApplication::instance()->shutdown(); }

    void desktopLoginShowsUser()
    {
        AccountServiceProcess account({QStringLiteral("--logged-in")});
        QVERIFY(account.isReady());
        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);

        // Started without a file: the main window, and the login follows the
        // desktop account by itself.
        WineApplication::instance()->launchWithArgs({QStringLiteral("lirvan-wine-assist")});
        m_window = WineApplication::instance()->mainWindow();
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(CatalogueApiServer::waitFor(changed));

        const QString avatar = WineAstLogin::instance()->userInfo().localAvatarPath;
        // The picture arrives in the background.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isFetchingAvatar(), 15000);
        QVERIFY(QFile::exists(avatar));
        QFile served(CatalogueApiServer::sampleDataDir() + QStringLiteral("/avatars/alice.png"));
        QFile kept(avatar);
        QVERIFY(served.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), served.readAll());

        // The account button shows the picture instead of the login icon.
        const QImage shown = iconImage(m_window->loginButton()->icon());
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, iconImage(QIcon(avatar)));
        QVERIFY(shown != resourceIcon(QStringLiteral("lw_login_14px.svg")));
    }

    void avatarDownloadedOnce()
    {
        QCOMPARE(avatarRequests().size(), 1);
        // Another change of the user information keeps the picture it has.
        emit WineAstLogin::instance()->signalUserInfoChanged();
        QCOMPARE(avatarRequests().size(), 1);
        QCOMPARE(iconImage(m_window->loginButton()->icon()),
                 iconImage(QIcon(WineAstLogin::instance()->userInfo().localAvatarPath)));
    }

    void userMenuAndLogout()
    {
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        QVERIFY(!m_window->userMenu());

        m_window->loginButton()->click();
        QMenu *menu = m_window->userMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("alice"));
        QVERIFY(!actions.at(0)->isEnabled());
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), QStringLiteral("登出"));
        QVERIFY(actions.at(2)->isEnabled());
        actions.at(2)->trigger();
        menu->hide();
        QVERIFY(account.waitForCalls(QStringLiteral("Logout")));
        QVERIFY(!WineAstLogin::instance()->isLoggedIn());
        QCOMPARE(iconImage(m_window->loginButton()->icon()),
                 resourceIcon(QStringLiteral("lw_login_14px.svg")));
    }

    void loginButtonStartsLogin()
    {
        // Logged out, the button logs in; the menu then names the new user.
        AccountServiceProcess account({QStringLiteral("--code"), QStringLiteral("bob-code")});
        QVERIFY(account.isReady());
        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);
        m_window->loginButton()->click();
        QVERIFY(CatalogueApiServer::waitFor(changed));
        QCOMPARE(WineAstLogin::instance()->userInfo().username, QStringLiteral("bob"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isFetchingAvatar(), 15000);
        QCOMPARE(iconImage(m_window->loginButton()->icon()),
                 iconImage(QIcon(WineAstLogin::instance()->userInfo().localAvatarPath)));

        m_window->loginButton()->click();
        QTRY_VERIFY(m_window->userMenu()->isVisible());
        QCOMPARE(m_window->userMenu()->actions().constFirst()->text(), QStringLiteral("bob"));
        m_window->userMenu()->hide();
    }

    void userMenuShowsNameAsItStands()
    {
        WineAstLogin::instance()->logout();
        AccountServiceProcess account({QStringLiteral("--code"), QStringLiteral("eve-code")});
        QVERIFY(account.isReady());
        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);
        m_window->loginButton()->click();
        QVERIFY(CatalogueApiServer::waitFor(changed));
        m_window->loginButton()->click();
        QTRY_VERIFY(m_window->userMenu()->isVisible());
        // What the entry shows: no markup, and "&" marks no shortcut.
        QCOMPARE(m_window->userMenu()->actions().constFirst()->iconText(),
                 QStringLiteral("<b>Eve</b> & Co"));
        m_window->userMenu()->hide();
    }

    void layout()
    {
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));

        const QAbstractItemModel *model = m_window->navigation()->model();
        QCOMPARE(model->rowCount(), 3);
        const QStringList texts{"可安装应用", "已安装应用", "我添加的应用"};
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = model->index(row, 0);
            QCOMPARE(index.data().toString(), texts.at(row));
            QCOMPARE(index.data(Qt::ToolTipRole).toString(), texts.at(row));
            QVERIFY(!(model->flags(index) & Qt::ItemIsEditable));
        }

        // Only the catalogue is built before it is shown.
        QStackedWidget *pages = m_window->pages();
        QCOMPARE(pages->count(), 4);
        QVERIFY(qobject_cast<Appinstallablewidget *>(pages->widget(0))->isVisible());
        QVERIFY(!m_window->installedPage() && !m_window->searchResultPage());
        QVERIFY(!m_window->findChild<Appinstalledwidget *>());
        QVERIFY(!m_window->findChild<Appshareablewidget *>());
        // Shown by any means, a page comes with its content.
        pages->setCurrentIndex(2);
        const auto shareable = m_window->findChild<Appshareablewidget *>();
        QVERIFY(shareable && shareable->isVisible());
        pages->setCurrentIndex(0);

        QCOMPARE(m_window->searchWidget()->accessibleName(), QStringLiteral("SearchModule"));
        QCOMPARE(m_window->searchWidget()->lineEdit()->accessibleName(),
                 QStringLiteral("SearchModuleLineEdit"));

        // One catalogue request fills the catalogue page, the search results
        // and the completer.
        const auto listPage = qobject_cast<Appinstallablewidget *>(pages->widget(0));
        QTRY_VERIFY(listPage->mainWidget()->model()->rowCount() > 1);
        QTRY_VERIFY(m_window->searchWidget()->completer()->model()->rowCount() > 1);
        // The search results, built when first shown, use what arrived.
        pages->setCurrentIndex(3);
        m_window->searchResultPage()->showSearchResult(QStringLiteral("Foo App"));
        QCOMPARE(m_window->searchResultPage()->mainWidget()->model()->rowCount(), 1);
        pages->setCurrentIndex(0);
        int listRequests = 0;
        for (const QJsonObject &request : m_service.apiRequests())
            listRequests += request.value(QStringLiteral("path")) == "/api/v1/app/list";
        QCOMPARE(listRequests, 1);
    }

    void navigationSwitchesPagesAndIcons()
    {
        const QStringList icons{"lw_installable", "lw_installed", "lw_shareable"};
        const auto checkSelected = [&](int selected) {
            QCOMPARE(m_window->pages()->currentIndex(), selected);
            // The page is built when first shown and on screen at once.
            QWidget *page = m_window->pages()->currentWidget();
            QVERIFY(page->isVisible());
            if (selected == 1)
                QVERIFY(page->findChild<Appinstalledwidget *>()->isVisible());
            if (selected == 2)
                QVERIFY(page->findChild<Appshareablewidget *>()->isVisible());
            const auto model = static_cast<QStandardItemModel *>(m_window->navigation()->model());
            for (int row = 0; row < 3; ++row) {
                const QString file = icons.at(row) + (row == selected ? "2" : "") + "_14px.svg";
                QCOMPARE(iconImage(model->item(row)->icon()), resourceIcon(file));
            }
        };
        // At start the catalogue, with the first entry's selected icon.
        checkSelected(0);

        LListView *navigation = m_window->navigation();
        for (int row : {1, 2, 0, 1}) {
            const QRect rect = navigation->visualRect(navigation->model()->index(row, 0));
            QTest::mouseClick(navigation->viewport(), Qt::LeftButton, {}, rect.center());
            checkSelected(row);
        }
    }

    void searchResultAndAbort()
    {
        QCOMPARE(m_window->pages()->currentIndex(), 1);
        QLineEdit *edit = m_window->searchWidget()->lineEdit();
        m_window->activateWindow();
        edit->setFocus();

        QTest::keyClicks(edit, QStringLiteral("Foo"));
        QCOMPARE(m_window->pages()->currentIndex(), 3);
        QCOMPARE(m_window->searchResultPage()->parentWidget(), m_window->pages()->currentWidget());
        QVERIFY(m_window->searchResultPage()->isVisible());
        QCOMPARE(m_window->searchResultPage()->searchName(), QStringLiteral("Foo"));
        // No name is exactly "Foo", which the page says.
        Appinstallablemainwidget *results = m_window->searchResultPage()->mainWidget();
        QTRY_VERIFY(!results->groups().isEmpty());
        QVERIFY(results->listView()->findChild<QLabel *>(QStringLiteral("emptyText"))->isVisible());
        // The catalogue page itself shows no search.
        QVERIFY(qobject_cast<Appinstallablewidget *>(m_window->pages()->widget(0))
                        ->searchName()
                        .isEmpty());

        // Escape gives the search up: back to the entry that was selected.
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(m_window->pages()->currentIndex(), 1);

        QTest::keyClicks(edit, QStringLiteral("Fo"));
        QCOMPARE(m_window->pages()->currentIndex(), 3);
        // Deleting the whole text gives it up as well.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(m_window->pages()->currentIndex(), 1);
    }

    void communityButtonOpensAddress()
    {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
        const auto unset = qScopeGuard([] {
            QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
            QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        });

        QCommandLinkButton *button = m_window->communityButton();
        QCOMPARE(button->text(), QStringLiteral("Wine社区"));
        const QString address = WineSettings::instance()
                                        ->value(QStringLiteral("wine_company_district"))
                                        .toString();
        QVERIFY(address.startsWith(QLatin1String("http")));

        // The press opens the page; the release adds nothing.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl(address)});

        // The address comes from the settings when pressed.
        WineSettings::instance()->setValue(QStringLiteral("wine_company_district"),
                                           QStringLiteral("http://127.0.0.1:9/forum"));
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(recorder.opened.size(), 2);
        QCOMPARE(recorder.opened.last(), QUrl(QStringLiteral("http://127.0.0.1:9/forum")));
        QTest::mouseRelease(button, Qt::LeftButton);

        // An empty address opens nothing.
        WineSettings::instance()->setValue(QStringLiteral("wine_company_district"), QString());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(recorder.opened.size(), 2);

        // A new window writes the forum address again.
        WineMainWindow another;
        QCOMPARE(WineSettings::instance()
                         ->value(QStringLiteral("wine_company_district"))
                         .toString(),
                 address);
    }

    void missingAvatarKeepsButtonVisible()
    {
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        WineAstLogin::instance()->logout();
        QVERIFY(QFile::remove(
                WineAstLogin::avatarPath(QStringLiteral("alice"),
                                         m_service.baseUrl() + "/files/avatars/alice.png")));
        // The service answers, but its pictures are missing.
        CatalogueApiServer noPictures(QString(), {QStringLiteral("--not-found")});
        QVERIFY(noPictures.isRunning());
        noPictures.use();
        const auto restore = qScopeGuard([this] { m_service.use(); });
        const auto pictureRequests = [&noPictures] {
            return noPictures.requests(QStringLiteral("GET"))
                    .filter("/files/avatars/alice.png")
                    .size();
        };

        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);
        m_window->loginButton()->click();
        QVERIFY(CatalogueApiServer::waitFor(changed));
        QVERIFY(WineAstLogin::instance()->isLoggedIn());
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isFetchingAvatar(), 15000);
        QVERIFY(!QFile::exists(WineAstLogin::instance()->userInfo().localAvatarPath));
        QCOMPARE(pictureRequests(), 1);
        QCOMPARE(iconImage(m_window->loginButton()->icon()),
                 resourceIcon(QStringLiteral("lw_login_14px.svg")));

        // The next change tries again.
        emit WineAstLogin::instance()->signalUserInfoChanged();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isFetchingAvatar(), 15000);
        QCOMPARE(pictureRequests(), 2);
    }

    void shutdownReleasesWindowAndListener()
    {
        // No status service on the bus: the listener waits for its report.
        WineAstLogin::instance()->listenUserinfo();
        QTest::qWait(300);
        QVERIFY(WineAstLogin::instance()->isListeningUserinfo());
        QPointer<WineMainWindow> window = m_window;

        QCOMPARE(WineApplication::instance()->shutdown(), 0);
        QVERIFY(!WineAstLogin::instance()->isListeningUserinfo());
        QVERIFY(!window);
        QVERIFY(!WineApplication::instance()->mainWindow());
        m_window = nullptr;
    }

private:
    static QImage iconImage(const QIcon &icon) { return icon.pixmap(24, 24).toImage(); }
    static QImage resourceIcon(const QString &file)
    {
        return iconImage(QIcon(QStringLiteral(":/icons/lirvan/builtin/icons/") + file));
    }
    QStringList avatarRequests() const
    {
        return m_service.requests(QStringLiteral("GET")).filter("/files/avatars/alice.png");
    }

    CatalogueApiServer m_service;
    WineMainWindow *m_window = nullptr;
};

int main(int argc, char *argv[])
{
    TestIsolation::ensure(argc, argv, true);
    LApplication app(argc, argv);
    TestWineMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_winemainwindow.moc"
