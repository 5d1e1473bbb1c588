#include "containerinstallview_mwd.h"

#include "containerinstallview.h"
#include "installerhostsupport.h"
#include "ltitlebar.h"

#include <QCloseEvent>

containerinstallview_mwd::containerinstallview_mwd(QWidget *parent)
    : LMainWindow(parent)
    , m_installer(new WineInstallerWnd(this))
{
    titlebar()->setIcon(QIcon(InstallerHostSupport::hostIcon()));
    setTitlebarShadowEnabled(false);
    titlebar()->setMenuVisible(false);
    titlebar()->setFixedHeight(50);
    setCentralWidget(m_installer);
    titlebar()->setBackgroundRole(m_installer->firstPage()->backgroundRole());
    setContentsMargins(10, 0, 10, 10);
    setFixedSize(InstallerHostSupport::HostWidth, InstallerHostSupport::HostHeight);
    connect(m_installer, &WineInstallerWnd::s_recoverInstall, this,
            &containerinstallview_mwd::OnRecoverInstall);
}

void containerinstallview_mwd::OnRecoverInstall()
{
    InstallerHostSupport::recoverInstall(m_installerObj, m_installer);
}

void containerinstallview_mwd::closeEvent(QCloseEvent *event)
{
    if (InstallerHostSupport::handleClose(this, m_installer, m_installerObj))
        event->accept();
    else
        event->ignore();
}
