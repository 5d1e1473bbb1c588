#ifndef WNINSTALLMETHODWIDGET_H
#define WNINSTALLMETHODWIDGET_H

#include "tpeinfo.h"
#include "tpublishedappinfo.h"

#include <QList>
#include <QWidget>

class QPushButton;
class QVBoxLayout;
class WnMethodItem;

/*
 * The configuration page: the catalogue's best three configurations for the
 * program and the default configuration when there is one, one of them
 * checked.
 */
class WnInstallMethodWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxRecommended = 3;

    explicit WnInstallMethodWidget(QWidget *parent = nullptr);

    // list: the recommended configurations (installType 0) and at most one
    // default configuration (installType 1), in any order.
    void setMethods(QList<TPublishedAppInfo> list, const TPeInfo &peInfo);
    const QList<WnMethodItem *> &items() const { return m_items; }

    QPushButton *previousButton() const { return m_previousButton; }
    QPushButton *installButton() const { return m_installButton; }

signals:
    // index: the position of the chosen configuration in the list given to
    // setMethods(), -1 when none is chosen.
    void s_BeginInstall(int iIndex);

public slots:
    void onItemClicked(WnMethodItem *item);

private:
    void clearItems();
    void addItem(const TPublishedAppInfo &info, int sourceIndex, const TPeInfo &peInfo);
    void onInstallClicked();

    QVBoxLayout *m_itemLayout;
    QList<WnMethodItem *> m_items;
    // For each item, its position in the list given to setMethods().
    QList<int> m_sourceIndexes;
    QPushButton *m_previousButton;
    QPushButton *m_installButton;
};

#endif // WNINSTALLMETHODWIDGET_H
