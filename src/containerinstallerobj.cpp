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
    m_host = host;
    m_kind = kind;
    if (kind == DialogHost)
        static_cast<containerinstallview_dialog *>(host)->setInstallerObj(this);
    else if (kind == MainWindowHost)
        static_cast<containerinstallview_mwd *>(host)->setInstallerObj(this);
}

WineInstallerWnd *ContainerInstallerObj::installer() const
{
    if (!m_host)
        return nullptr;
    if (m_kind == DialogHost)
        return static_cast<containerinstallview_dialog *>(m_host)->installer();
    if (m_kind == MainWindowHost)
        return static_cast<containerinstallview_mwd *>(m_host)->installer();
    return nullptr;
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
    m_host->show();
    m_host->raise();
    m_host->activateWindow();
}

void ContainerInstallerObj::close()
{
    if (installer())
        m_host->close();
}
