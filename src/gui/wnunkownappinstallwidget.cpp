#include "wnunkownappinstallwidget.h"

#include "installpageutil.h"
#include "lfontsizemanager.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize PictureSize(96, 96);
}

WnUnkownAppInstallWidget::WnUnkownAppInstallWidget(QWidget *parent)
    : QWidget(parent)
    , m_previousButton(new QPushButton(tr("上一步"), this))
    , m_installButton(new QPushButton(tr("安装"), this))
{
    auto picture = new QLabel(this);
    picture->setPixmap(
            InstallPage::svgPixmap(QStringLiteral("lw_default_install_96.svg"), PictureSize));
    picture->setAlignment(Qt::AlignCenter);

    auto heading = new QLabel(tr("Lirvan-Wine助手默认配置安装"), this);
    heading->setAlignment(Qt::AlignCenter);
    LFontSizeManager::instance()->bind(heading, LFontSizeManager::T6, QFont::Medium);

    auto note = new QLabel(
            tr("当前应用未在Lirvan-Wine助手可安装列表，安装可能会出现异常，敬请谅解。"), this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);

    m_installButton->setEnabled(false);
    connect(m_installButton, &QPushButton::clicked, this,
            [this] { emit s_BeginInstall(m_defaultIndex); });

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(InstallPage::localInstallTitle(this));
    layout->addWidget(picture);
    layout->addWidget(heading);
    layout->addLayout(InstallPage::withSideRoom(note, 50));
    layout->addStretch();
    layout->addLayout(InstallPage::buttonRow({m_previousButton, m_installButton}));
}

void WnUnkownAppInstallWidget::setDefaultIndex(int index)
{
    m_defaultIndex = index;
    m_installButton->setEnabled(index >= 0);
}
