#ifndef WINEMAINWINDOW_H
#define WINEMAINWINDOW_H

#include "lmainwindow.h"

#include <QModelIndex>

class Appinstallablewidget;
class Appinstalledwidget;
class Appshareablewidget;
class BackupRestorePanel;
class CommunityButton;
class LListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QStandardItemModel;
class SearchWidget;
class WineCatalogue;

/*
 * The assistant's main window: a navigation list on the left switches the
 * pages on the right (catalogue, installed applications, the user's own
 * applications, search results). The title bar carries the search field and
 * the account button; the community button opens the forum in the browser.
 */
class WineMainWindow : public LMainWindow
{
    Q_OBJECT
public:
    // Pages of the stack, in navigation order; search results have no entry.
    enum Page { InstallablePage = 0, InstalledPage = 1, ShareablePage = 2, SearchPage = 3 };

    explicit WineMainWindow(QWidget *parent = nullptr);

    QStackedWidget *pages() const { return m_pages; }
    LListView *navigation() const { return m_navigation; }
    SearchWidget *searchWidget() const { return m_search; }
    QPushButton *loginButton() const { return m_loginButton; }
    // True while the user's picture is being fetched.
    bool isFetchingAvatar() const { return m_fetchingAvatar; }
    CommunityButton *communityButton() const { return m_communityButton; }
    // The pages other than the catalogue are built when first shown: null
    // until then.
    Appinstalledwidget *installedPage() const { return m_installedPage; }
    BackupRestorePanel *backupRestorePanel() const { return m_backupRestorePanel; }
    Appinstallablewidget *searchResultPage() const { return m_searchPage; }
    WineCatalogue *catalogue() const { return m_catalogue; }
    // Null until the account button first opened it.
    QMenu *userMenu() const { return m_userMenu; }

public slots:
    void slotLoginOut();
    void slotUserInfoChanged();
    void buttonLoginSlot();
    void listWidgetClickedSlot(const QModelIndex &current, const QModelIndex &previous);
    void goToSearchWidgetSlot(const QString &appName);
    void returnToCurrentListSlot();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpTitlebar();
    QWidget *createNavigationColumn();
    QWidget *createPageStack();
    void showPage(int index);
    // Builds the content of a page that is made when first shown.
    void buildPage(int index);
    void addNavigationEntry(const QString &text, const QString &iconName);
    void showUserMenu();
    void showAvatar();
    void setAvatarIcon(const QString &path);

    WineCatalogue *m_catalogue;
    QPushButton *m_loginButton;
    bool m_fetchingAvatar = false;
    SearchWidget *m_search;
    LListView *m_navigation;
    QStandardItemModel *m_navigationModel;
    CommunityButton *m_communityButton = nullptr;
    BackupRestorePanel *m_backupRestorePanel = nullptr;
    QStackedWidget *m_pages = nullptr;
    Appinstallablewidget *m_installablePage = nullptr;
    Appinstalledwidget *m_installedPage = nullptr;
    Appshareablewidget *m_shareablePage = nullptr;
    Appinstallablewidget *m_searchPage = nullptr;
    QMenu *m_userMenu = nullptr;
};

#endif // WINEMAINWINDOW_H
