#include "containerinstallerobj.h"

#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "containerinstallview_mwd.h"

ContainerInstallerObj::ContainerInstallerObj(QObject *parent)
    : QObject(parent)
{
}

void ContainerInstallerObj::setView(QWidget *host, int kind)
{
    m_view = host;
    m_kind = kind;
    if (kind == DialogHost)
        m_host = static_cast<containerinstallview_dialog *>(host);
    else if (kind == MainWindowHost)
        m_host = static_cast<containerinstallview_mwd *>(host);
    else
        m_host = nullptr;
    if (m_host)
        m_host->setInstallerObj(this);
}

WineInstallerWnd *ContainerInstallerObj::installer() const
{
    return m_host ? m_host->installer() : nullptr;
}

void ContainerInstallerObj::setFilePath(const QString &path)
{
    if (WineInstallerWnd *wnd = installer())
        wnd->setFilePath(path);
}

QString ContainerInstallerObj::filePath() const
{
    const WineInstallerWnd *wnd = installer();
    return wnd ? wnd->filePath() : QString();
}

void ContainerInstallerObj::setLogPath(const QString &path)
{
    if (WineInstallerWnd *wnd = installer())
        wnd->setLogPath(path);
}

QString ContainerInstallerObj::logPath() const
{
    const WineInstallerWnd *wnd = installer();
    return wnd ? wnd->logPath() : QString();
}

void ContainerInstallerObj::show()
{
    if (!installer())
        return;
    m_view->show();
    m_view->raise();
    m_view->activateWindow();
}

void ContainerInstallerObj::close()
{
    if (installer())
        m_view->close();
}
