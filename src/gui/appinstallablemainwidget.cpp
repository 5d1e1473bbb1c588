#include "appinstallablemainwidget.h"

#include "doaction.h"
#include "itemwidget.h"
#include "ldropdown.h"
#include "licontheme.h"
#include "llabel.h"
#include "lspinner.h"
#include "lstandarditem.h"
#include "multiselectlistview.h"
#include "plaintext.h"
#include "winecatalogue.h"

#include <QAction>
#include <QGridLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int CategoryCount = 12;
constexpr QSize RowSize(252, 78);
// The searched name in the title leaves room for the category selector.
constexpr int SearchNameWidth = 360;

// The record as shown: without an icon of its own it shows the placeholder.
TPublishedAppInfo withIcon(TPublishedAppInfo app)
{
    if (app.icon.isEmpty())
        app.icon = LIconTheme::builtinPrefix() + QStringLiteral("lw_space.svg");
    return app;
}

} // namespace

Appinstallablemainwidget::Appinstallablemainwidget(WineCatalogue *catalogue, QWidget *parent)
    : QWidget(parent)
    , m_catalogue(catalogue ? catalogue : new WineCatalogue(this))
    , m_spinner(new LSpinner(this))
    , m_title(new LLabel(tr("可安装应用"), this))
    , m_dropdown(new LDropdown(this))
    , m_listView(new MultiSelectListView(this))
    , m_model(new QStandardItemModel(this))
    , m_failure(createFailureView())
{
    m_listView->setModel(m_model);
    m_listView->setItemSize(RowSize);
    m_listView->setItemSpacing(6);
    m_listView->setOrientation(QListView::LeftToRight, true);
    m_listView->setResizeMode(QListView::Adjust);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setFrameShape(QFrame::NoFrame);
    m_listView->setEmptyText(tr("当前分类没有数据，敬请期待..."));
    m_listView->setRowWidgetFactory(
            [this](const QModelIndex &index) { return createRowWidget(index); });

    auto body = new QGridLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_listView, 0, 0);
    body->addWidget(m_spinner, 0, 0, Qt::AlignCenter);
    body->addWidget(m_failure, 0, 0, Qt::AlignCenter);
    // Both lie over the list, which was created after them.
    m_spinner->raise();
    m_failure->raise();

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(createHeader());
    layout->addLayout(body, 1);

    fillDropdown();
    connect(m_catalogue, &WineCatalogue::stateChanged, this,
            &Appinstallablemainwidget::onCatalogueState);
    connect(m_listView, &QAbstractItemView::pressed, this, &Appinstallablemainwidget::itemClicked);
    connect(m_dropdown, &LDropdown::triggered, this,
            &Appinstallablemainwidget::onCategoryTriggered);
    if (!catalogue)
        m_catalogue->load();
    onCatalogueState();
}

QWidget *Appinstallablemainwidget::createHeader()
{
    m_title->setFont(LDropdown::textFont());
    m_title->setObjectName(QStringLiteral("title"));
    // It shows the searched name as typed.
    m_title->setTextFormat(Qt::PlainText);
    auto header = new QWidget(this);
    auto row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_title);
    row->addStretch();
    row->addWidget(m_dropdown);
    return header;
}

QWidget *Appinstallablemainwidget::createFailureView()
{
    auto view = new QWidget(this);
    view->setObjectName(QStringLiteral("failure"));
    auto text = new LLabel(tr("应用列表加载失败，请检查网络连接"), view);
    text->setAlignment(Qt::AlignCenter);
    auto retry = new QPushButton(tr("重新加载"), view);
    retry->setObjectName(QStringLiteral("retry"));
    connect(retry, &QPushButton::clicked, this, &Appinstallablemainwidget::requestCatalogue);
    auto column = new QVBoxLayout(view);
    column->addWidget(text);
    column->addWidget(retry, 0, Qt::AlignHCenter);
    view->hide();
    return view;
}

void Appinstallablemainwidget::fillDropdown()
{
    // Ordered by display name, as a sorted map gives them; "全部" (all,
    // number 0) comes first.
    QMap<QString, int> categories;
    for (int number = 0; number < CategoryCount; ++number)
        categories.insert(Doaction::instance()->getCategoryName(number), number);
    for (auto it = categories.cbegin(); it != categories.cend(); ++it)
        m_dropdown->addAction(it.key(), it.value());
    m_dropdown->setCurrentAction(0);
}

void Appinstallablemainwidget::requestCatalogue()
{
    m_catalogue->load();
}

void Appinstallablemainwidget::onCatalogueState()
{
    const bool pending = m_catalogue->isPending();
    m_spinner->setVisible(pending);
    if (pending)
        m_spinner->start();
    else
        m_spinner->stop();
    const WineCatalogue::State state = m_catalogue->state();
    // Rows that arrived earlier stay listed when a later request fails.
    m_failure->setVisible(state == WineCatalogue::LoadFailed && !m_catalogue->hasAnswered());
    if (state == WineCatalogue::Loaded)
        refresh();
}

void Appinstallablemainwidget::onCategoryTriggered(QAction *action)
{
    m_dropdown->setCurrentAction(action);
    m_categoryId = action->data().toInt();
    m_searchText.clear();
    m_title->setText(tr("可安装应用"));
    refresh();
}

void Appinstallablemainwidget::setLableText(const QString &appName)
{
    if (appName.isEmpty()) {
        m_title->setText(QString());
        m_searchText.clear();
    } else {
        m_title->setText(m_title->fontMetrics().elidedText(PlainText::bounded(appName),
                                                           Qt::ElideRight, SearchNameWidth)
                         + tr("的搜索结果"));
        m_searchText = appName;
    }
    refresh();
}

void Appinstallablemainwidget::refresh()
{
    m_groups.clear();
    m_model->clear();
    if (!m_catalogue->hasAnswered())
        return;
    m_listView->setEmptyTextVisible(false);
    // Grouped and sorted by the catalogue, off the GUI thread.
    m_groups = m_catalogue->groups();
    rebuildRows();
}

bool Appinstallablemainwidget::isWanted(const TPublishedAppInfo &best) const
{
    if (!m_searchText.isEmpty())
        return best.appName == m_searchText;
    return m_categoryId == 0 || best.categories == m_categoryId;
}

void Appinstallablemainwidget::rebuildRows()
{
    // Items made whole before they join the model: a change to an item in
    // the model is a signal to every view, thousands of them for a catalogue.
    const QSize rowSize = m_listView->itemSize();
    QList<QStandardItem *> rows;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const TPublishedAppInfo &best = it.value().first();
        if (!isWanted(best))
            continue;
        auto item = new LStandardItem;
        item->setData(QVariant::fromValue(withIcon(best)), AppInfoRole);
        item->setEditable(false);
        item->setSizeHint(rowSize);
        rows.append(item);
    }
    // One row is shown on its own line; several fill the width.
    m_listView->setOrientation(QListView::LeftToRight, rows.size() != 1);
    // An empty catalogue shows the empty-state text like an empty category.
    if (rows.isEmpty()) {
        m_listView->setEmptyTextVisible(true);
        return;
    }
    m_model->invisibleRootItem()->appendRows(rows);
}

QWidget *Appinstallablemainwidget::createRowWidget(const QModelIndex &index) const
{
    return new ItemWidget(index.data(AppInfoRole).value<TPublishedAppInfo>());
}

void Appinstallablemainwidget::itemClicked(const QModelIndex &currentIndex)
{
    if (!currentIndex.isValid())
        return;
    const auto info = currentIndex.data(AppInfoRole).value<TPublishedAppInfo>();
    Vector versions = m_groups.value(info.appName);
    for (TPublishedAppInfo &version : versions)
        version = withIcon(version);
    emit sendAppInfoToRightList(versions);
}
