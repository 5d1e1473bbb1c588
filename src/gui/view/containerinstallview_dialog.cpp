#include "containerinstallview_dialog.h"

#include "containerinstallview.h"
#include "installerhostsupport.h"

#include <QCloseEvent>
#include <QLayout>

containerinstallview_dialog::containerinstallview_dialog(QWidget *parent)
    : LDialog(parent)
    , m_installer(new WineInstallerWnd(this))
{
    setIcon(QIcon(InstallerHostSupport::hostIcon()));
    layout()->setContentsMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setContentLayoutContentsMargins(QMargins());
    addContent(m_installer);
    setFixedSize(InstallerHostSupport::HostWidth, InstallerHostSupport::HostHeight);
    connect(m_installer, &WineInstallerWnd::s_recoverInstall, this,
            &containerinstallview_dialog::OnRecoverInstall);
}

void containerinstallview_dialog::OnRecoverInstall()
{
    InstallerHostSupport::recoverInstall(m_installerObj, m_installer);
}

void containerinstallview_dialog::closeEvent(QCloseEvent *event)
{
    if (InstallerHostSupport::handleClose(this, m_installer, m_installerObj))
        event->accept();
    else
        event->ignore();
}
