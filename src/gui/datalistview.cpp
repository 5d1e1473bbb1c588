#include "datalistview.h"

#include "dataitemdelegate.h"
#include "datalistheader.h"
#include "datamodel.h"

#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TipDelayMs = 50;

} // namespace

DataListView::DataListView(QWidget *parent)
    : QTableView(parent)
    , m_delegate(new DataItemDelegate(this))
    , m_emptyLabel(new QLabel(tr("No install infomation"), viewport()))
{
    setItemDelegate(m_delegate);
    setUpTable();
    setUpEmptyLabel();

    m_tipTimer.setSingleShot(true);
    m_tipTimer.setInterval(TipDelayMs);
    connect(&m_tipTimer, &QTimer::timeout, this, &DataListView::slotShowTips);
    connect(this, &QWidget::customContextMenuRequested, this, &DataListView::slotShowContextMenu);
}

void DataListView::setUpTable()
{
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(DataItemDelegate::RowHeight);
    setHorizontalHeader(new DataListHeader(this));
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    // The last column takes what the view has left, so that the row buttons
    // at its right edge stay in sight without a horizontal scroll bar.
    horizontalHeader()->setStretchLastSection(true);
}

void DataListView::setUpEmptyLabel()
{
    // Over the rows' area (the viewport lies below the header), centred.
    auto emptyLayout = new QVBoxLayout(viewport());
    emptyLayout->setContentsMargins(0, 0, 0, 0);
    emptyLayout->addWidget(m_emptyLabel);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    updateEmptyLabelColor();
    m_emptyLabel->hide();
}

void DataListView::updateEmptyLabelColor()
{
    // The view's text colour, faded. On the viewport's base background a
    // label draws in the text role.
    QColor textColor = palette().color(QPalette::Text);
    textColor.setAlpha(100);
    QPalette labelPalette = m_emptyLabel->palette();
    labelPalette.setColor(QPalette::Text, textColor);
    labelPalette.setColor(QPalette::WindowText, textColor);
    m_emptyLabel->setPalette(labelPalette);
}

void DataListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    // A label with a palette of its own does not follow a new theme.
    if (event->type() == QEvent::PaletteChange)
        updateEmptyLabelColor();
}

void DataListView::setEmptyLabelVisible(bool visible)
{
    m_emptyLabel->setVisible(visible);
}

DataModel *DataListView::dataModel() const
{
    return qobject_cast<DataModel *>(model());
}

void DataListView::slotShowContextMenu(const QPoint &pos)
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows()
                                                  : QModelIndexList();
    if (rows.isEmpty())
        return;
    const bool withBottle = std::any_of(rows.cbegin(), rows.cend(), [](const QModelIndex &row) {
        return !row.data(DataModel::BottlePathRole).toString().isEmpty();
    });
    QMenu *menu = m_menu ? m_menu : createContextMenu();
    for (QAction *action : qAsConst(m_menuActions))
        action->setEnabled(withBottle);
    menu->popup(viewport()->mapToGlobal(pos));
}

QMenu *DataListView::createContextMenu()
{
    m_menu = new QMenu(this);
    for (int action = DataModel::FirstAction; action <= DataModel::LastAction; ++action) {
        m_menu->addSeparator();
        m_menuActions.append(m_menu->addAction(DataModel::actionText(action)));
    }
    connect(m_menu, &QMenu::triggered, this, &DataListView::slotMenuTriggered);
    return m_menu;
}

void DataListView::slotMenuTriggered(QAction *action)
{
    const int number = m_menuActions.indexOf(action) + 1;
    qDebug() << "menu action" << number;
    DataModel *model = dataModel();
    if (!model || !selectionModel())
        return;
    // Copies first: an uninstall reloads the rows.
    QList<TInstalledAppInfo> apps;
    const QModelIndexList rows = selectionModel()->selectedRows();
    for (const QModelIndex &row : rows) {
        TInstalledAppInfo info = model->appInfo(row.row());
        if (!info.bottlePath.isEmpty())
            apps.append(info);
    }
    for (TInstalledAppInfo &info : apps)
        model->doItemAction(&info, number);
}

void DataListView::slotShowTips()
{
    const int action = buttonAt(m_pointer);
    if (action == 0)
        return;
    const QRect button = DataItemDelegate::buttonRect(visualRect(indexAt(m_pointer)), action);
    QToolTip::showText(viewport()->mapToGlobal(m_pointer), DataModel::actionText(action),
                       viewport(), button);
}

int DataListView::buttonAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || index.column() != DataModel::ColumnAuthor)
        return 0;
    return DataItemDelegate::buttonAt(visualRect(index), pos);
}

void DataListView::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    m_pointer = event->pos();
    // The button column shows a row's buttons; they stay while the pointer
    // is on that row and go when it moves to another row.
    const QModelIndex index = indexAt(m_pointer);
    if (index.isValid() && index.column() == DataModel::ColumnAuthor)
        setHoveredRow(index.row());
    else if (index.row() != m_delegate->hoveredRow())
        setHoveredRow(-1);
    if (buttonAt(m_pointer) != 0)
        m_tipTimer.start();
    else
        m_tipTimer.stop();
}

void DataListView::mouseReleaseEvent(QMouseEvent *event)
{
    // Only the left button runs a button's action; a right click opens the
    // context menu instead.
    const int action = event->button() == Qt::LeftButton ? buttonAt(event->pos()) : 0;
    const int row = indexAt(event->pos()).row();
    QTableView::mouseReleaseEvent(event);
    if (action != 0)
        runAction(row, action);
}

bool DataListView::viewportEvent(QEvent *event)
{
    // The buttons belong to the row under the pointer; none once it left.
    if (event->type() == QEvent::Leave) {
        m_tipTimer.stop();
        setHoveredRow(-1);
    }
    return QTableView::viewportEvent(event);
}

void DataListView::setHoveredRow(int row)
{
    const int current = m_delegate->hoveredRow();
    if (row == current)
        return;
    m_previousHoveredRow = current;
    m_delegate->setHoveredRow(row);
    updateButtonCell(m_previousHoveredRow);
    updateButtonCell(row);
}

void DataListView::updateButtonCell(int row)
{
    if (row >= 0 && model())
        viewport()->update(visualRect(model()->index(row, DataModel::ColumnAuthor)));
}

void DataListView::runAction(int row, int action)
{
    DataModel *model = dataModel();
    if (!model || row < 0)
        return;
    // A copy: an uninstall reloads the rows while it runs.
    TInstalledAppInfo info = model->appInfo(row);
    model->doItemAction(&info, action);
}
