#include "llistview.h"

#include "lstandarditem.h"
#include "lviewitemaction.h"

#include <QBoxLayout>
#include <QStandardItemModel>

#include <algorithm>

namespace {

void addActionWidgets(QBoxLayout *layout, const QList<LViewItemAction *> &actions)
{
    for (LViewItemAction *action : actions) {
        if (action->widget())
            layout->addWidget(action->widget(), 0, action->alignment());
    }
}

QList<QWidget *> actionWidgets(const LStandardItem *item)
{
    QList<QWidget *> widgets;
    for (Qt::Edge edge : {Qt::TopEdge, Qt::LeftEdge, Qt::RightEdge, Qt::BottomEdge}) {
        const QList<LViewItemAction *> actions = item->actionList(edge);
        for (LViewItemAction *action : actions) {
            if (action->widget())
                widgets.append(action->widget());
        }
    }
    return widgets;
}

// A transparent holder laid out over the item: top actions, then left
// actions, a stretch and right actions in a row, then bottom actions.
// Mouse presses on the holder itself fall through to the view.
QWidget *makeHolder(const LStandardItem *item)
{
    auto holder = new QWidget;
    auto column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    addActionWidgets(column, item->actionList(Qt::TopEdge));
    auto row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    addActionWidgets(row, item->actionList(Qt::LeftEdge));
    row->addStretch(1);
    addActionWidgets(row, item->actionList(Qt::RightEdge));
    column->addLayout(row, 1);
    addActionWidgets(column, item->actionList(Qt::BottomEdge));
    return holder;
}

} // namespace

LListView::LListView(QWidget *parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void LListView::setModel(QAbstractItemModel *model)
{
    if (this->model())
        disconnect(this->model(), nullptr, this, nullptr);
    QListView::setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (!parent.isValid())
                    attachActionWidgets(first, last);
            });
    // Actions may be set on an item after it was added to the model.
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (!topLeft.parent().isValid())
                    attachActionWidgets(topLeft.row(), bottomRight.row());
            });
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { attachActionWidgets(0, this->model()->rowCount() - 1); });
    attachActionWidgets(0, model->rowCount() - 1);
}

void LListView::setItemSize(const QSize &size)
{
    m_itemSize = size;
    setGridSize(QSize());
    if (auto standardModel = qobject_cast<QStandardItemModel *>(model())) {
        for (int row = 0; row < standardModel->rowCount(); ++row)
            standardModel->item(row)->setSizeHint(size);
    }
}

void LListView::setItemSpacing(int spacing)
{
    setSpacing(spacing);
}

void LListView::setOrientation(QListView::Flow flow, bool wrapping)
{
    setFlow(flow);
    setWrapping(wrapping);
}

void LListView::attachActionWidgets(int first, int last)
{
    auto standardModel = qobject_cast<QStandardItemModel *>(model());
    if (!standardModel)
        return;
    for (int row = first; row <= last; ++row) {
        QStandardItem *item = standardModel->item(row);
        if (!item)
            continue;
        if (m_itemSize.isValid())
            item->setSizeHint(m_itemSize);
        if (item->type() != LStandardItem::Type)
            continue;
        const auto actionItem = static_cast<LStandardItem *>(item);
        const QList<QWidget *> widgets = actionWidgets(actionItem);
        QWidget *holder = indexWidget(item->index());
        if (!holder && widgets.isEmpty())
            continue;
        if (holder && !widgets.isEmpty()
            && std::all_of(widgets.cbegin(), widgets.cend(),
                           [holder](QWidget *widget) { return holder->isAncestorOf(widget); }))
            continue;
        // The view forgets a replaced holder without deleting it; left alone
        // it would stay on show with the widgets it holds.
        setIndexWidget(item->index(), widgets.isEmpty() ? nullptr : makeHolder(actionItem));
        if (holder) {
            holder->hide();
            holder->deleteLater();
        }
    }
}
