#include "lstandarditem.h"

#include "lviewitemaction.h"

namespace {

void deleteOrphans(const QList<LViewItemAction *> &actions)
{
    for (LViewItemAction *action : actions) {
        if (!action->parent())
            delete action;
    }
}

} // namespace

LStandardItem::~LStandardItem()
{
    for (const QList<LViewItemAction *> &actions : qAsConst(m_actions))
        deleteOrphans(actions);
}

void LStandardItem::setActionList(Qt::Edge edge, const QList<LViewItemAction *> &actions)
{
    const QList<LViewItemAction *> previous = m_actions.value(edge);
    m_actions.insert(edge, actions);
    QList<LViewItemAction *> dropped;
    for (LViewItemAction *action : previous) {
        if (!actions.contains(action))
            dropped.append(action);
    }
    deleteOrphans(dropped);
    emitDataChanged();
}

QList<LViewItemAction *> LStandardItem::actionList(Qt::Edge edge) const
{
    return m_actions.value(edge);
}
