#include "multiselectlistview.h"

#include "lstandarditem.h"
#include "lviewitemaction.h"

#include <QLabel>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>

namespace {

// The empty-state text sits this far below the top of the list.
constexpr int EmptyTextTop = 240;

} // namespace

MultiSelectListView::MultiSelectListView(QWidget *parent)
    : LListView(parent)
    , m_emptyText(new QLabel(viewport()))
    , m_rowWidgetTimer(new QTimer(this))
{
    m_emptyText->setAlignment(Qt::AlignCenter);
    m_emptyText->setObjectName(QStringLiteral("emptyText"));
    m_emptyText->hide();

    m_rowWidgetTimer->setSingleShot(true);
    m_rowWidgetTimer->setInterval(0);
    connect(m_rowWidgetTimer, &QTimer::timeout, this,
            &MultiSelectListView::createVisibleRowWidgets);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &MultiSelectListView::scheduleRowWidgets);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &MultiSelectListView::scheduleRowWidgets);
}

void MultiSelectListView::setModel(QAbstractItemModel *model)
{
    LListView::setModel(model);
    if (!model)
        return;
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MultiSelectListView::currentChanges);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            &MultiSelectListView::scheduleRowWidgets);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        // A reset drops the current row without a signal of the selection
        // model; whoever shows the current row must hear of it.
        emit currentChanges(QModelIndex(), QModelIndex());
        scheduleRowWidgets();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            &MultiSelectListView::scheduleRowWidgets);
    scheduleRowWidgets();
}

void MultiSelectListView::setRowWidgetFactory(const RowWidgetFactory &factory)
{
    m_factory = factory;
    scheduleRowWidgets();
}

void MultiSelectListView::setEmptyText(const QString &text)
{
    m_emptyText->setText(text);
    placeEmptyText();
}

QString MultiSelectListView::emptyText() const
{
    return m_emptyText->text();
}

void MultiSelectListView::setEmptyTextVisible(bool visible)
{
    m_emptyText->setVisible(visible);
    placeEmptyText();
}

bool MultiSelectListView::isEmptyTextVisible() const
{
    return !m_emptyText->isHidden();
}

void MultiSelectListView::resizeEvent(QResizeEvent *event)
{
    LListView::resizeEvent(event);
    placeEmptyText();
    scheduleRowWidgets();
}

void MultiSelectListView::showEvent(QShowEvent *event)
{
    LListView::showEvent(event);
    scheduleRowWidgets();
}

void MultiSelectListView::updateGeometries()
{
    LListView::updateGeometries();
    scheduleRowWidgets();
}

void MultiSelectListView::scheduleRowWidgets()
{
    if (m_factory)
        m_rowWidgetTimer->start();
}

void MultiSelectListView::placeEmptyText()
{
    m_emptyText->setGeometry(0, EmptyTextTop, viewport()->width(),
                             m_emptyText->sizeHint().height());
}

void MultiSelectListView::createVisibleRowWidgets()
{
    auto standardModel = qobject_cast<QStandardItemModel *>(model());
    if (!m_factory || !standardModel || !isVisible())
        return;
    executeDelayedItemsLayout();
    const QRect visible = viewport()->rect();
    releaseRowWidgetsOutside(visible);
    // Rows are laid out in model order, so the first row below the visible
    // area ends the search.
    for (int row = 0; row < standardModel->rowCount(); ++row) {
        const QModelIndex index = standardModel->index(row, 0);
        const QRect rect = visualRect(index);
        if (rect.top() > visible.bottom())
            break;
        if (!rect.intersects(visible))
            continue;
        QStandardItem *item = standardModel->item(row);
        if (item->type() != LStandardItem::Type)
            continue;
        auto actionItem = static_cast<LStandardItem *>(item);
        if (!actionItem->actionList(Qt::LeftEdge).isEmpty())
            continue;
        auto action = new LViewItemAction(Qt::AlignLeft | Qt::AlignTop);
        action->setWidget(m_factory(index));
        actionItem->setActionList(Qt::LeftEdge, {action});
        m_widgetRows.append(QPersistentModelIndex(index));
    }
}

void MultiSelectListView::releaseRowWidgetsOutside(const QRect &visible)
{
    auto standardModel = qobject_cast<QStandardItemModel *>(model());
    for (auto it = m_widgetRows.begin(); it != m_widgetRows.end();) {
        // Rows gone with a reset or a removal took their widgets along.
        if (it->isValid() && visualRect(*it).intersects(visible)) {
            ++it;
            continue;
        }
        QStandardItem *item = it->isValid() ? standardModel->itemFromIndex(*it) : nullptr;
        // Without its action the view deletes the row's widget.
        if (item && item->type() == LStandardItem::Type)
            static_cast<LStandardItem *>(item)->setActionList(Qt::LeftEdge, {});
        it = m_widgetRows.erase(it);
    }
}

int MultiSelectListView::rowWidgetCount() const
{
    auto standardModel = qobject_cast<QStandardItemModel *>(model());
    int count = 0;
    for (int row = 0; standardModel && row < standardModel->rowCount(); ++row) {
        const QStandardItem *item = standardModel->item(row);
        if (item->type() == LStandardItem::Type
            && !static_cast<const LStandardItem *>(item)->actionList(Qt::LeftEdge).isEmpty())
            ++count;
    }
    return count;
}
