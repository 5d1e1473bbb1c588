#include "accountservicetestutil.h"
#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "appinstalledwidget.h"
#include "appshareablewidget.h"
#include "catalogueapiserver.h"
#include "communitybutton.h"
#include "deferredstartup.h"
#include "lapplication.h"
#include "llistview.h"
#include "multiselectlistview.h"
#include "searchwidget.h"
#include "testisolation.h"
#include "wineapplication.h"
#include "wineastlogin.h"
#include "winemainwindow.h"
#include "winesettings.h"

#include <QAbstractButton>
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
 * Each case starts logged out with a new window on the catalogue page.
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

    void init()
    {
        WineApplication::instance()->shutdown();
        m_window = nullptr;
        WineAstLogin::instance()->logout();
        m_listRequestsBefore = listRequests();
    }

    void cleanupTestCase() { WineApplication::instance()->shutdown(); }

    void desktopLoginShowsUser()
    {
        AccountServiceProcess account({QStringLiteral("--logged-in")});
        QVERIFY(account.isReady());
        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);
        QFile::remove(aliceAvatar());
        const int fetched = avatarRequests().size();

        // Started without a file: the main window, and the login follows the
        // desktop account by itself.
        QVERIFY(openWindow(true));
        QVERIFY(CatalogueApiServer::waitFor(changed));

        const QString avatar = WineAstLogin::instance()->userInfo().localAvatarPath;
        QCOMPARE(avatar, aliceAvatar());
        // The picture arrives in the background, fetched once.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isFetchingAvatar(), 15000);
        QCOMPARE(avatarRequests().size(), fetched + 1);
        QVERIFY(QFile::exists(avatar));

        // The account button shows the picture instead of the login icon.
        const QImage shown = iconImage(m_window->loginButton()->icon());
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, iconImage(QIcon(avatar)));
        QVERIFY(shown != resourceIcon(QStringLiteral("lw_login_14px.svg")));
    }

    void loginButtonThenUserMenuAndLogout()
    {
        // Logged out, the button logs in; logged in, it opens the user's menu.
        AccountServiceProcess account({QStringLiteral("--code"), QStringLiteral("eve-code")});
        QVERIFY(account.isReady());
        QVERIFY(openWindow());
        QSignalSpy changed(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged);
        m_window->loginButton()->click();
        QVERIFY(!m_window->userMenu());
        QVERIFY(CatalogueApiServer::waitFor(changed));
        QVERIFY(WineAstLogin::instance()->isLoggedIn());

        m_window->loginButton()->click();
        QMenu *menu = m_window->userMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        // The name as it stands: no markup, and "&" marks no shortcut.
        QCOMPARE(actions.at(0)->iconText(), QStringLiteral("<b>Eve</b> & Co"));
        QVERIFY(!actions.at(0)->isEnabled());
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), QStringLiteral("登出"));
        actions.at(2)->trigger();
        menu->hide();
        QVERIFY(account.waitForCalls(QStringLiteral("Logout")));
        QVERIFY(!WineAstLogin::instance()->isLoggedIn());
        QCOMPARE(iconImage(m_window->loginButton()->icon()),
                 resourceIcon(QStringLiteral("lw_login_14px.svg")));
    }

    void layout()
    {
        QVERIFY(openWindow());

        const QAbstractItemModel *model = m_window->navigation()->model();
        QCOMPARE(model->rowCount(), 3);
        const QStringList texts{"可安装应用", "已安装应用", "我添加的应用"};
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = model->index(row, 0);
            QCOMPARE(index.data().toString(), texts.at(row));
        }

        QStackedWidget *pages = m_window->pages();

        // One catalogue request fills the catalogue page, the search results
        // and the completer.
        const auto listPage = qobject_cast<Appinstallablewidget *>(pages->widget(0));
        QTRY_VERIFY(listPage->mainWidget()->model()->rowCount() > 1);
        QTRY_VERIFY(m_window->searchWidget()->completer()->model()->rowCount() > 1);
        // The search results, built when first shown, use what arrived.
        pages->setCurrentIndex(3);
        m_window->searchResultPage()->showSearchResult(QStringLiteral("Foo App"));
        QCOMPARE(m_window->searchResultPage()->mainWidget()->model()->rowCount(), 1);
        QCOMPARE(listRequests(), m_listRequestsBefore + 1);
    }

    void searchResultAndAbort()
    {
        QVERIFY(openWindow());
        // From the installed applications.
        LListView *navigation = m_window->navigation();
        QTest::mouseClick(navigation->viewport(), Qt::LeftButton, {},
                          navigation->visualRect(navigation->model()->index(1, 0)).center());
        QCOMPARE(m_window->pages()->currentIndex(), 1);
        // The page is built when first shown and on screen at once.
        QVERIFY(m_window->pages()->currentWidget()->findChild<Appinstalledwidget *>()->isVisible());
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

        // Escape gives the search up: back to the entry that was selected.
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(m_window->pages()->currentIndex(), 1);
    }

    void communityButtonOpensAddress()
    {
        QVERIFY(openWindow());
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
        const auto unset = qScopeGuard([] {
            QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
            QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        });

        QAbstractButton *button = m_window->communityButton();
        QCOMPARE(button->text(), QStringLiteral("Wine社区"));
        const auto stored = [] {
            return WineSettings::instance()
                    ->value(QStringLiteral("wine_company_district"))
                    .toString();
        };
        // Written off the GUI thread once the window is painted.
        QTRY_VERIFY(stored().startsWith(QLatin1String("http")));
        const QString address = stored();

        // The press opens the page; the release adds nothing.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl(address)});
    }

private:
    // Shows a new main window. The look at the desktop account it starts is
    // given up unless followDesktop: a stand-in service started later would
    // answer it.
    bool openWindow(bool followDesktop = false)
    {
        WineApplication::instance()->launchWithArgs({QStringLiteral("lirvan-wine-assist")});
        m_window = WineApplication::instance()->mainWindow();
        if (!m_window || !QTest::qWaitForWindowExposed(m_window)
            || !QTest::qWaitFor([] { return !DeferredStartup::isHeld(); }))
            return false;
        if (!followDesktop)
            WineAstLogin::instance()->releaseUserinfoListener();
        return true;
    }
    int listRequests() const
    {
        int count = 0;
        for (const QJsonObject &request : m_service.apiRequests())
            count += request.value(QStringLiteral("path")) == "/api/v1/app/list";
        return count;
    }
    QString aliceAvatar() const
    {
        return WineAstLogin::avatarPath(QStringLiteral("alice"),
                                        m_service.baseUrl() + "/files/avatars/alice.png");
    }
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
    int m_listRequestsBefore = 0;
};

int main(int argc, char *argv[])
{
    TestIsolation::ensure(argc, argv, true);
    LApplication app(argc, argv);
    TestWineMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_winemainwindow.moc"
