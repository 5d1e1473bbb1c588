#include "appinstalledwidget.h"

#include "dataitemdelegate.h"
#include "datalistview.h"
#include "datamodel.h"

#include <QCursor>
#include <QDebug>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int FailureNoticeDelayMs = 100;

} // namespace

Appinstalledwidget::Appinstalledwidget(QWidget *parent)
    : QWidget(parent)
    , m_view(new DataListView(this))
    , m_model(new DataModel(this))
{
    setMinimumSize(830, 630);
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    layout->addWidget(m_view);

    m_view->setModel(m_model);
    // The last column stretches over what is left; a width set on it
    // would keep it from shrinking below that and bring a scroll bar.
    for (int column = 0; column < DataModel::ColumnCount - 1; ++column)
        m_view->setColumnWidth(column, DataItemDelegate::columnWidth(column));

    connect(m_model, &DataModel::signalDataCountChanged, this,
            &Appinstalledwidget::slotDataCountChanged);
    connect(m_model, &DataModel::signalDoActionFailed, this,
            &Appinstalledwidget::slotDoActionFailed);
}

void Appinstalledwidget::slotDataCountChanged(int count)
{
    qInfo() << "installed apps:" << count;
    m_view->setEmptyLabelVisible(count == 0);
}

void Appinstalledwidget::slotDoActionFailed(QString jobId, int iAction)
{
    qWarning().noquote() << QStringLiteral("action %1 failed for ").arg(iAction) + jobId;
    const QString text = DataModel::actionText(iAction) + tr(" failed");
    // Shown where the pointer was when the action ended, once the menu or
    // dialog that ran it has gone.
    const QPoint where = QCursor::pos();
    QTimer::singleShot(FailureNoticeDelayMs, this,
                       [this, where, text] { QToolTip::showText(where, text, this); });
}
