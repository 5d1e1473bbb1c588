#include "wnrecoverinstallwidget.h"

#include "installpageutil.h"
#include "lfontsizemanager.h"
#include "plaintext.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize PictureSize(128, 128);
}

WnRecoverInstallWidget::WnRecoverInstallWidget(QWidget *parent)
    : QWidget(parent)
    , m_nameLabel(new QLabel(this))
    , m_cancelButton(new QPushButton(tr("取消"), this))
    , m_recoverButton(new QPushButton(tr("覆盖安装"), this))
{
    m_nameLabel->setAlignment(Qt::AlignCenter);
    LFontSizeManager::instance()->bind(m_nameLabel, LFontSizeManager::T5, QFont::Bold);

    auto picture = new QLabel(this);
    picture->setPixmap(InstallPage::svgPixmap(QStringLiteral("lw_space.svg"), PictureSize));
    picture->setAlignment(Qt::AlignCenter);

    auto message = new QLabel(tr("应用已安装"), this);
    message->setAlignment(Qt::AlignCenter);

    connect(m_recoverButton, &QPushButton::clicked, this,
            &WnRecoverInstallWidget::s_RecoverInstall);
    connect(m_cancelButton, &QPushButton::clicked, this, &WnRecoverInstallWidget::s_CancelInstall);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(35);
    layout->addWidget(m_nameLabel);
    layout->addWidget(picture);
    layout->addSpacing(10);
    layout->addWidget(message);
    layout->addStretch();
    layout->addLayout(InstallPage::buttonRow({m_cancelButton, m_recoverButton}));
}

void WnRecoverInstallWidget::setAppName(const QString &name)
{
    PlainText::setText(m_nameLabel, name);
}

QString WnRecoverInstallWidget::appName() const
{
    return m_nameLabel->text();
}
