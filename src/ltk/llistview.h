#ifndef LLISTVIEW_H
#define LLISTVIEW_H

#include <QListView>

/*
 * A list view with fixed item size and spacing. For items of type
 * LStandardItem it shows the widgets of their edge actions over the item.
 */
class LListView : public QListView
{
    Q_OBJECT
public:
    explicit LListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    void setItemSize(const QSize &size);
    QSize itemSize() const { return m_itemSize; }
    void setItemSpacing(int spacing);
    int itemSpacing() const { return spacing(); }
    void setOrientation(QListView::Flow flow, bool wrapping);

private:
    void attachActionWidgets(int first, int last);

    QSize m_itemSize;
};

#endif // LLISTVIEW_H
