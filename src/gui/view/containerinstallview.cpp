#include "containerinstallview.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

WineInstallerWnd::WineInstallerWnd(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
    , m_fileLabel(new QLabel(this))
{
    m_fileLabel->setAlignment(Qt::AlignCenter);
    m_fileLabel->setWordWrap(true);
    m_stack->addWidget(m_fileLabel);

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
}

void WineInstallerWnd::setFilePath(const QString &path)
{
    m_filePath = path;
    m_fileLabel->setText(QFileInfo(path).fileName());
}

void WineInstallerWnd::setLogPath(const QString &path)
{
    m_logPath = path;
}

void WineInstallerWnd::setPublishedAppInfo(const TPublishedAppInfo &info)
{
    m_publishedAppInfo = info;
    m_fileLabel->setText(info.appName);
}

void WineInstallerWnd::startInstallFlow() { }

void WineInstallerWnd::uninstallInstalled() { }

QWidget *WineInstallerWnd::firstPage() const
{
    return m_stack->widget(0);
}

void WineInstallerWnd::onRecoverInstall()
{
    emit s_recoverInstall();
}
