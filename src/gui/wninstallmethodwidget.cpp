#include "wninstallmethodwidget.h"

#include "installpageutil.h"
#include "licontheme.h"
#include "wnmethoditem.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

WnInstallMethodWidget::WnInstallMethodWidget(QWidget *parent)
    : QWidget(parent)
    , m_itemLayout(new QVBoxLayout)
    , m_previousButton(new QPushButton(tr("上一步"), this))
    , m_installButton(new QPushButton(tr("安装"), this))
{
    auto note = new QLabel(
            tr("检测到Lirvan-Wine助手已有此应用，您可以直接下载安装或执行默认配置安装"), this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);

    m_itemLayout->setContentsMargins(0, 0, 0, 0);
    m_itemLayout->setSpacing(10);
    connect(m_installButton, &QPushButton::clicked, this, &WnInstallMethodWidget::onInstallClicked);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(InstallPage::localInstallTitle(this));
    layout->addSpacing(16);
    layout->addLayout(InstallPage::withSideRoom(note, 25));
    layout->addStretch();
    layout->addLayout(m_itemLayout);
    layout->addStretch();
    layout->addLayout(InstallPage::buttonRow({m_previousButton, m_installButton}));
}

void WnInstallMethodWidget::setMethods(QList<TPublishedAppInfo> list, const TPeInfo &peInfo)
{
    clearItems();
    // Remember where each entry came from: the choice is reported by that
    // position, not by the position on screen. Only an entry marked as the
    // default configuration takes the default place: without one, the
    // recommendations are all there is.
    QList<int> order;
    int defaultIndex = -1;
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).installType == 0)
            order.append(i);
        else if (defaultIndex < 0)
            defaultIndex = i;
    }
    std::sort(order.begin(), order.end(),
              [&list](int a, int b) { return list.at(a).score > list.at(b).score; });
    order = order.mid(0, MaxRecommended);
    if (defaultIndex >= 0)
        order.append(defaultIndex);

    for (int index : qAsConst(order))
        addItem(list.at(index), index, peInfo);
}

void WnInstallMethodWidget::clearItems()
{
    qDeleteAll(m_items);
    m_items.clear();
    m_sourceIndexes.clear();
}

void WnInstallMethodWidget::addItem(const TPublishedAppInfo &info, int sourceIndex,
                                    const TPeInfo &peInfo)
{
    auto item = new WnMethodItem(this);
    connect(item, &WnMethodItem::s_ItemClicked, this, &WnInstallMethodWidget::onItemClicked);
    const QString icon = info.installType == 0
                                 ? peInfo.peIconFile
                                 : LIconTheme::builtinPrefix()
                                           + QStringLiteral("lw_default_install_14.svg");
    item->setData(info, icon);
    item->setChecked(m_items.isEmpty());
    m_itemLayout->addWidget(item, 0, Qt::AlignHCenter);
    m_items.append(item);
    m_sourceIndexes.append(sourceIndex);
}

void WnInstallMethodWidget::onItemClicked(WnMethodItem *item)
{
    for (WnMethodItem *each : qAsConst(m_items))
        each->setChecked(each == item);
}

void WnInstallMethodWidget::onInstallClicked()
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i)->isChecked()) {
            emit s_BeginInstall(m_sourceIndexes.at(i));
            return;
        }
    }
    emit s_BeginInstall(-1);
}
