#ifndef LSTANDARDITEM_H
#define LSTANDARDITEM_H

#include <QMap>
#include <QStandardItem>

class LViewItemAction;

/*
 * A standard item that carries actions (and their widgets) at its edges.
 * The item owns actions that have no QObject parent.
 */
class LStandardItem : public QStandardItem
{
public:
    using QStandardItem::QStandardItem;
    ~LStandardItem() override;

    void setActionList(Qt::Edge edge, const QList<LViewItemAction *> &actions);
    QList<LViewItemAction *> actionList(Qt::Edge edge) const;

    static constexpr int Type = UserType + 0x4c;
    int type() const override { return Type; }

private:
    QMap<Qt::Edge, QList<LViewItemAction *>> m_actions;
};

#endif // LSTANDARDITEM_H
