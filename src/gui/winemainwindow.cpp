#include "winemainwindow.h"

#include "appinstallablewidget.h"
#include "appinstalledwidget.h"
#include "appshareablewidget.h"
#include "avatardownload.h"
#include "backuprestorepanel.h"
#include "communitybutton.h"
#include "deferredstartup.h"
#include "lbackgroundgroup.h"
#include "lframe.h"
#include "licontheme.h"
#include "llineedit.h"
#include "llistview.h"
#include "ltitlebar.h"
#include "plaintext.h"
#include "searchwidget.h"
#include "wineastlogin.h"
#include "winecatalogue.h"
#include "winesettings.h"

#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QThreadPool>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString CommunitySetting = QStringLiteral("wine_company_district");
constexpr int NavigationWidth = 160;
constexpr int LeftColumnWidth = 180;
const QSize NavigationItemSize(NavigationWidth, 48);
const QSize LoginIconSize(24, 24);
const QColor SelectionBackground(0, 129, 255, 30);
const QColor SelectionText(0, 129, 255);

// Theme names of the navigation icons, by row; the selected variant adds "2".
const QStringList NavigationIcons = {QStringLiteral("lw_installable"),
                                     QStringLiteral("lw_installed"),
                                     QStringLiteral("lw_shareable")};

QWidget *inBackgroundGroup(QWidget *page)
{
    auto layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    auto group = new LBackgroundGroup(layout);
    group->setItemSpacing(2);
    return group;
}

} // namespace

WineMainWindow::WineMainWindow(QWidget *parent)
    : LMainWindow(parent)
    , m_catalogue(new WineCatalogue(this))
    , m_loginButton(new QPushButton(this))
    , m_search(new SearchWidget(m_catalogue, this))
    , m_navigation(new LListView(this))
    , m_navigationModel(new QStandardItemModel(this))
{
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setUpTitlebar();

    auto central = new QWidget(this);
    auto row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(createNavigationColumn(), 1);
    row->addWidget(createPageStack(), 2);
    setCentralWidget(central);

    connect(m_loginButton, &QPushButton::clicked, this, &WineMainWindow::buttonLoginSlot);
    connect(m_navigation->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &WineMainWindow::listWidgetClickedSlot);
    connect(WineAstLogin::instance(), &WineAstLogin::signalUserInfoChanged, this,
            &WineMainWindow::slotUserInfoChanged);
    connect(m_search, &SearchWidget::sendSearchResult, this, &WineMainWindow::goToSearchWidgetSlot);
    connect(m_search, &LSearchEdit::searchAborted, this, &WineMainWindow::returnToCurrentListSlot);

    // The one request for the catalogue of both pages and the search field,
    // once the window is on screen.
    DeferredStartup::run(m_catalogue, [catalogue = m_catalogue] { catalogue->load(); });
    // Only a changed value is written: every write syncs the settings file
    // to disk, which would slow down every start. Nothing on the first
    // screen reads it, so that disk work waits for the first paint and runs
    // off the GUI thread; until it is done, the default is read anyway.
    DeferredStartup::run(this, [] {
        const QString forum = WineSettings::defaultValue(CommunitySetting);
        if (WineSettings::instance()->value(CommunitySetting).toString() != forum)
            QThreadPool::globalInstance()->start(
                    [forum] { WineSettings::store(CommunitySetting, forum); });
    });
}

void WineMainWindow::setUpTitlebar()
{
    titlebar()->setIcon(LIconTheme::fileIcon(LIconTheme::builtinPrefix()
                                             + QStringLiteral("lw_headerIcon.svg")));
    // The title bar's menu would be empty in this window.
    titlebar()->setMenuVisible(false);

    m_loginButton->setObjectName(QStringLiteral("loginButton"));
    m_loginButton->setFlat(true);
    m_loginButton->setIcon(LIconTheme::findQIcon(QStringLiteral("lw_login")));
    m_loginButton->setIconSize(LoginIconSize);
    m_loginButton->setToolTip(tr("账户"));
    titlebar()->addWidget(m_loginButton, Qt::AlignRight);

    m_search->setMinimumSize(350, 36);
    m_search->setAccessibleName(QStringLiteral("SearchModule"));
    m_search->lineEdit()->setAccessibleName(QStringLiteral("SearchModuleLineEdit"));
    titlebar()->addWidget(m_search);
}

QWidget *WineMainWindow::createNavigationColumn()
{
    m_navigation->setModel(m_navigationModel);
    addNavigationEntry(tr("可安装应用"), NavigationIcons.at(InstallablePage));
    addNavigationEntry(tr("已安装应用"), NavigationIcons.at(InstalledPage));
    addNavigationEntry(tr("我添加的应用"), NavigationIcons.at(ShareablePage));
    m_navigation->setFixedWidth(NavigationWidth);
    m_navigation->setItemSize(NavigationItemSize);
    m_navigation->setItemSpacing(0);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->setTextElideMode(Qt::ElideRight);
    m_navigation->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_navigation->setFrameShape(QFrame::NoFrame);
    // A light selection, so that the blue icon of the selected entry shows.
    QPalette palette = m_navigation->palette();
    palette.setColor(QPalette::Highlight, SelectionBackground);
    palette.setColor(QPalette::HighlightedText, SelectionText);
    m_navigation->setPalette(palette);
    m_navigation->setCurrentIndex(m_navigationModel->index(InstallablePage, 0));
    m_navigationModel->item(InstallablePage)
            ->setIcon(
                    LIconTheme::findQIcon(NavigationIcons.at(InstallablePage) + QLatin1Char('2')));

    auto separator = new QLabel;
    separator->setFixedSize(NavigationWidth, 2);
    separator->setStyleSheet(QStringLiteral("QLabel{background:rgb(240,240,240);}"));

    m_communityButton = new CommunityButton(tr("Wine社区"));
    m_communityButton->setObjectName(QStringLiteral("communityButton"));
    m_communityButton->setFixedSize(100, 40);
    // Read as the PNG it is: guessing the format would load every image
    // plugin before the first paint.
    QImageReader communityIcon(LIconTheme::builtinPrefix()
                                       + QStringLiteral("Wine_Company_District.png"),
                               "png");
    communityIcon.setAutoDetectImageFormat(false);
    m_communityButton->setIcon(QPixmap::fromImage(
            communityIcon.read().scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_communityButton->setIconSize(QSize(20, 20));
    m_communityButton->installEventFilter(this);

    auto column = new LFrame;
    column->setFixedWidth(LeftColumnWidth);
    auto layout = new QVBoxLayout(column);
    layout->setContentsMargins(10, 0, 10, 10);
    layout->setSpacing(0);
    layout->addWidget(m_navigation, 1);
    m_backupRestorePanel = new BackupRestorePanel;
    layout->addWidget(m_backupRestorePanel);
    layout->addSpacing(5);
    layout->addWidget(separator);
    layout->addSpacing(5);
    layout->addWidget(m_communityButton);
    return column;
}

void WineMainWindow::addNavigationEntry(const QString &text, const QString &iconName)
{
    auto item = new QStandardItem(LIconTheme::findQIcon(iconName), text);
    item->setToolTip(text);
    item->setSizeHint(NavigationItemSize);
    item->setEditable(false);
    m_navigationModel->appendRow(item);
}

QWidget *WineMainWindow::createPageStack()
{
    m_installablePage = new Appinstallablewidget(m_catalogue);
    m_pages = new QStackedWidget;
    m_pages->addWidget(m_installablePage);
    // Only the catalogue is on the first screen. Each other page gets an
    // empty frame now and its content when the frame is first shown.
    for (int index = InstalledPage; index <= SearchPage; ++index) {
        auto frame = new QWidget;
        auto layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        frame->installEventFilter(this);
        m_pages->addWidget(frame);
    }

    auto right = new QWidget;
    auto layout = new QVBoxLayout(right);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pages);
    return right;
}

void WineMainWindow::buildPage(int index)
{
    QWidget *content = nullptr;
    switch (index) {
    case InstalledPage:
        if (m_installedPage)
            return;
        m_installedPage = new Appinstalledwidget;
        content = inBackgroundGroup(m_installedPage);
        break;
    case ShareablePage:
        if (m_shareablePage)
            return;
        m_shareablePage = new Appshareablewidget;
        content = inBackgroundGroup(m_shareablePage);
        break;
    case SearchPage:
        if (m_searchPage)
            return;
        m_searchPage = new Appinstallablewidget(m_catalogue);
        content = m_searchPage;
        break;
    default:
        return;
    }
    QWidget *frame = m_pages->widget(index);
    frame->removeEventFilter(this);
    frame->layout()->addWidget(content);
    // Drawn with the frame, not a pass of the event loop later.
    if (frame->isVisible())
        content->show();
}

void WineMainWindow::showPage(int index)
{
    buildPage(index);
    m_pages->setCurrentIndex(index);
}

void WineMainWindow::listWidgetClickedSlot(const QModelIndex &current, const QModelIndex &previous)
{
    Q_UNUSED(previous)
    const int currentRow = current.row();
    showPage(currentRow);
    for (int row = 0; row < m_navigationModel->rowCount(); ++row) {
        const QString name = NavigationIcons.value(row);
        m_navigationModel->item(row)->setIcon(
                LIconTheme::findQIcon(row == currentRow ? name + QLatin1Char('2') : name));
    }
    qDebug() << "navigation row" << currentRow;
}

void WineMainWindow::goToSearchWidgetSlot(const QString &appName)
{
    showPage(SearchPage);
    m_searchPage->showSearchResult(appName);
}

void WineMainWindow::returnToCurrentListSlot()
{
    showPage(m_navigation->currentIndex().row());
}

bool WineMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A page frame shown by any means gets its content.
    if (event->type() == QEvent::Show && watched != m_communityButton) {
        const int index = m_pages->indexOf(qobject_cast<QWidget *>(watched));
        if (index > InstallablePage)
            buildPage(index);
    }
    if (watched != m_communityButton)
        return LMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QUrl address(WineSettings::instance()->stringValue(CommunitySetting));
        if (!address.isEmpty())
            QDesktopServices::openUrl(address);
        return true;
    }
    case QEvent::Paint:
    case QEvent::Show:
        return false;
    default:
        // The button only opens the page; it takes part in nothing else.
        return true;
    }
}

void WineMainWindow::buttonLoginSlot()
{
    if (!WineAstLogin::instance()->isLoggedIn()) {
        WineAstLogin::instance()->startLogin();
        return;
    }
    showUserMenu();
}

void WineMainWindow::showUserMenu()
{
    if (!m_userMenu) {
        m_userMenu = new QMenu(this);
        m_userMenu->addAction(QString())->setEnabled(false);
        m_userMenu->addSeparator();
        QAction *logout = m_userMenu->addAction(tr("登出"));
        logout->setShortcut(QKeySequence());
        connect(logout, &QAction::triggered, this, &WineMainWindow::slotLoginOut);
    }
    // The name of whoever is logged in now, not of the first user.
    m_userMenu->actions().constFirst()->setText(
            PlainText::menuText(WineAstLogin::instance()->userInfo().username));
    // Below the button, right edges aligned, so that it stays over the window.
    const int left = m_loginButton->width() - m_userMenu->sizeHint().width();
    m_userMenu->popup(m_loginButton->mapToGlobal(QPoint(left, m_loginButton->height())));
}

void WineMainWindow::slotLoginOut()
{
    WineAstLogin::instance()->logout();
}

void WineMainWindow::slotUserInfoChanged()
{
    if (WineAstLogin::instance()->isLoggedIn())
        showAvatar();
    else
        m_loginButton->setIcon(LIconTheme::findQIcon(QStringLiteral("lw_login")));
}

void WineMainWindow::showAvatar()
{
    const LoginUserInfo &user = WineAstLogin::instance()->userInfo();
    setAvatarIcon(user.localAvatarPath);
    if (m_fetchingAvatar || QFile::exists(user.localAvatarPath))
        return;
    // A slow picture server must not stall the window: the picture is
    // fetched on a worker thread and shown when it is there. A failed
    // download is tried again at the next change of the user.
    m_fetchingAvatar = true;
    const QString path = user.localAvatarPath;
    AvatarDownload::fetchInBackground(user.avatar, path, this, [this, path](bool) {
        m_fetchingAvatar = false;
        if (!WineAstLogin::instance()->isLoggedIn())
            return;
        // Another user may have logged in meanwhile.
        if (WineAstLogin::instance()->userInfo().localAvatarPath != path)
            showAvatar();
        else
            setAvatarIcon(path);
    });
}

void WineMainWindow::setAvatarIcon(const QString &path)
{
    // Without a picture the button keeps its icon: an empty one could not be
    // found on the title bar.
    m_loginButton->setIcon(QFile::exists(path) ? QIcon(path)
                                               : LIconTheme::findQIcon(QStringLiteral("lw_login")));
}
