#include "appinstallablewidget.h"

#include "appinstallablemainwidget.h"
#include "appinstallablesubstackwidgt.h"
#include "appinstallablesubwidget.h"
#include "lbackgroundgroup.h"
#include "ldropdown.h"
#include "multiselectlistview.h"

#include <QAction>
#include <QDebug>
#include <QHBoxLayout>
#include <QStackedWidget>

namespace {
constexpr int MainMinimumWidth = 570;
constexpr QSize RightSize(278, 630);
} // namespace

Appinstallablewidget::Appinstallablewidget(WineCatalogue *catalogue, QWidget *parent)
    : QWidget(parent)
    , m_mainWidget(new Appinstallablemainwidget(catalogue))
    , m_stack(new QStackedWidget)
    , m_placeholder(new Appinstallablesubstackwidgt)
{
    m_mainWidget->setMinimumWidth(MainMinimumWidth);
    m_stack->setFixedSize(RightSize);
    m_stack->addWidget(m_placeholder);
    m_stack->setCurrentIndex(PlaceholderPage);

    auto row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto group = new LBackgroundGroup(row, this);
    group->setItemSpacing(2);
    row->addWidget(m_mainWidget, 570);
    row->addWidget(m_stack, 280);

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    connect(m_mainWidget->listView(), &MultiSelectListView::currentChanges, this,
            &Appinstallablewidget::listWidgetClickedSlot);
    connect(m_mainWidget, &Appinstallablemainwidget::sendAppInfoToRightList, this,
            [this](const Vector &versions) { detail()->getAppInfos(versions); });
    connect(m_mainWidget->dropdown(), &LDropdown::triggered, this,
            &Appinstallablewidget::dropdownSlot);
    connect(this, &Appinstallablewidget::setLableText, m_mainWidget,
            &Appinstallablemainwidget::setLableText);
}

void Appinstallablewidget::showSearchResult(const QString &appName)
{
    m_searchName = appName;
    emit setLableText(appName);
}

void Appinstallablewidget::listWidgetClickedSlot(const QModelIndex &current,
                                                 const QModelIndex &previous)
{
    Q_UNUSED(previous)
    qDebug() << "current row:" << current.row();
    // Without a current row (the list was rebuilt) the old details are stale.
    if (!current.isValid()) {
        m_stack->setCurrentIndex(PlaceholderPage);
        return;
    }
    // Moving with the keyboard shows the details as a press does.
    m_mainWidget->itemClicked(current);
    // Shown again, also for the application shown before, the panel starts
    // from its first version.
    if (m_stack->currentIndex() != DetailPage)
        detail()->showFirstVersion();
    m_stack->setCurrentIndex(DetailPage);
}

// The details are built when the first application is chosen: the first
// screen shows the placeholder, and the panel's fonts and layout would only
// delay it.
Appinstallablesubwidget *Appinstallablewidget::detail()
{
    if (!m_detail) {
        m_detail = new Appinstallablesubwidget;
        m_stack->insertWidget(DetailPage, m_detail);
    }
    return m_detail;
}

void Appinstallablewidget::dropdownSlot()
{
    m_stack->setCurrentIndex(PlaceholderPage);
}
