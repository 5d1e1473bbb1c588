#include "wnappinstallwidget.h"

#include "installpageutil.h"
#include "lfontsizemanager.h"
#include "lwaterprogress.h"
#include "plaintext.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize ResultIconSize(128, 128);
}

WnAppInstallWidget::WnAppInstallWidget(QWidget *parent)
    : QWidget(parent)
    , m_nameLabel(new QLabel(this))
    , m_progress(new LWaterProgress(this))
    , m_resultIcon(new QLabel(this))
    , m_statusLabel(new QLabel(this))
    , m_closeButton(new QPushButton(tr("关闭"), this))
    , m_actionButton(new QPushButton(tr("安装"), this))
    , m_cancelButton(new QPushButton(tr("取消"), this))
{
    m_nameLabel->setAlignment(Qt::AlignCenter);
    LFontSizeManager::instance()->bind(m_nameLabel, LFontSizeManager::T5, QFont::Medium);
    m_progress->setFixedSize(m_progress->sizeHint());
    m_progress->start();
    m_resultIcon->setFixedSize(ResultIconSize);
    m_resultIcon->hide();
    m_statusLabel->setAlignment(Qt::AlignCenter);
    // It may quote names from outside: shown as they are, never as markup.
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_statusLabel->setWordWrap(true);

    connect(m_closeButton, &QPushButton::clicked, this, &WnAppInstallWidget::s_CancelProcess);
    connect(m_cancelButton, &QPushButton::clicked, this, &WnAppInstallWidget::s_CancelProcess);
    connect(m_actionButton, &QPushButton::clicked, this, &WnAppInstallWidget::onActionClicked);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_nameLabel);
    layout->addStretch();
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    layout->addWidget(m_resultIcon, 0, Qt::AlignHCenter);
    layout->addSpacing(10);
    layout->addWidget(m_statusLabel);
    layout->addStretch();
    layout->addSpacing(25);
    layout->addStretch();
    layout->addLayout(InstallPage::buttonRow({m_closeButton, m_actionButton, m_cancelButton}));
    showProgressView(true);
}

void WnAppInstallWidget::setState(int state)
{
    m_state = state;
    switch (state) {
    case Downloading:
        // A new download starts from an empty display.
        m_progress->setValue(0);
        setStatusText(tr("正在下载应用，请稍后"));
        break;
    case Unpacking:
        setStatusText(tr("正在解压，请稍后"));
        break;
    case Installing:
        setStatusText(tr("正在安装，请稍后"));
        break;
    default:
        break;
    }
    showProgressView(true);
}

void WnAppInstallWidget::setProgress(int value)
{
    if (value >= 1 && value <= 100)
        m_progress->setValue(value);
}

void WnAppInstallWidget::setAppName(const QString &text)
{
    PlainText::setText(m_nameLabel, text);
}

void WnAppInstallWidget::setStatusText(const QString &text)
{
    PlainText::setText(m_statusLabel, text);
}

void WnAppInstallWidget::showResult(bool success)
{
    m_success = success;
    showResultIcon(success);
    if (success) {
        InstallPage::setButtonText(m_actionButton, tr("立即启动"));
        setStatusText(tr("安装成功"));
    } else if (m_state == Downloading) {
        InstallPage::setButtonText(m_actionButton, tr("重试"));
        setStatusText(tr("网络故障，请确保网络畅通后重试"));
    } else if (m_state == Unpacking) {
        InstallPage::setButtonText(m_actionButton, tr("提交反馈失败信息"));
        setStatusText(tr("解压失败"));
    } else {
        InstallPage::setButtonText(m_actionButton, tr("提交反馈失败信息"));
        setStatusText(tr("安装失败"));
    }
    showProgressView(false);
}

void WnAppInstallWidget::showNameRefused(const QString &reason, bool canChangeName)
{
    m_state = NameRefused;
    m_success = false;
    showResultIcon(false);
    InstallPage::setButtonText(m_actionButton, tr("修改名称"));
    setStatusText(tr("无法使用此名称安装") + QLatin1Char('\n') + reason);
    showProgressView(false);
    m_actionButton->setVisible(canChangeName);
}

void WnAppInstallWidget::showResultIcon(bool success)
{
    m_resultIcon->setPixmap(InstallPage::svgPixmap(success ? QStringLiteral("success.svg")
                                                           : QStringLiteral("fail.svg"),
                                                   ResultIconSize));
}

void WnAppInstallWidget::showProgressView(bool progress)
{
    m_progress->setVisible(progress);
    m_cancelButton->setVisible(progress);
    m_resultIcon->setVisible(!progress);
    m_actionButton->setVisible(!progress);
    m_closeButton->setVisible(!progress);
}

void WnAppInstallWidget::onActionClicked()
{
    if (m_success) {
        emit s_StartApp();
        return;
    }
    switch (m_state) {
    case Downloading:
        emit s_RetryDownload();
        break;
    case Unpacking:
        emit s_RetryExtract();
        break;
    case NameRefused:
        emit s_ChangeName();
        break;
    default:
        emit s_CommitFeedback();
        break;
    }
}
