#ifndef APPINSTALLABLEMAINWIDGET_H
#define APPINSTALLABLEMAINWIDGET_H

#include "appinfovector.h"

#include <QMap>
#include <QModelIndex>
#include <QWidget>

class LDropdown;
class LLabel;
class LSpinner;
class MultiSelectListView;
class QAction;
class QStandardItemModel;
class WineCatalogue;

/*
 * The left side of the catalogue page: title, category selector and the
 * list of catalogue applications, one row per name showing its best-rated
 * version. It shows the shared catalogue (or, given none, one of its own that
 * it loads at once); categories and searches filter what arrived.
 */
class Appinstallablemainwidget : public QWidget
{
    Q_OBJECT
public:
    // Item data role of a row's catalogue record.
    static constexpr int AppInfoRole = Qt::UserRole + 1;

    explicit Appinstallablemainwidget(WineCatalogue *catalogue = nullptr,
                                      QWidget *parent = nullptr);

    LDropdown *dropdown() const { return m_dropdown; }
    MultiSelectListView *listView() const { return m_listView; }
    QStandardItemModel *model() const { return m_model; }
    LLabel *titleLabel() const { return m_title; }
    LSpinner *spinner() const { return m_spinner; }
    QWidget *failureView() const { return m_failure; }
    WineCatalogue *catalogue() const { return m_catalogue; }
    const QMap<QString, Vector> &groups() const { return m_groups; }
    QString searchText() const { return m_searchText; }
    int categoryId() const { return m_categoryId; }

signals:
    void sendAppInfoToRightList(const Vector &vecAppInfo);

public slots:
    void itemClicked(const QModelIndex &currentIndex);
    void setLableText(const QString &appName);
    // Asks the service for the catalogue again, after a failure.
    void requestCatalogue();

private:
    QWidget *createHeader();
    QWidget *createFailureView();
    void fillDropdown();
    void onCatalogueState();
    void onCategoryTriggered(QAction *action);
    void refresh();
    void rebuildRows();
    bool isWanted(const TPublishedAppInfo &best) const;
    QWidget *createRowWidget(const QModelIndex &index) const;

    WineCatalogue *m_catalogue;
    LSpinner *m_spinner;
    LLabel *m_title;
    LDropdown *m_dropdown;
    MultiSelectListView *m_listView;
    QStandardItemModel *m_model;
    QWidget *m_failure;
    QString m_searchText;
    int m_categoryId = 0;
    QMap<QString, Vector> m_groups; // the catalogue's, shared
};

#endif // APPINSTALLABLEMAINWIDGET_H
