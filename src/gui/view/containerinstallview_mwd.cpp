#include "containerinstallview_mwd.h"

#include "containerinstallview.h"
#include "ltitlebar.h"

containerinstallview_mwd::containerinstallview_mwd(QWidget *parent)
    : LMainWindow(parent)
    , InstallerHost(this)
{
    titlebar()->setIcon(QIcon(hostIcon()));
    setTitlebarShadowEnabled(false);
    titlebar()->setMenuVisible(false);
    titlebar()->setFixedHeight(50);
    setCentralWidget(installer());
    titlebar()->setBackgroundRole(installer()->firstPage()->backgroundRole());
    setContentsMargins(10, 0, 10, 10);
    setFixedSize(HostWidth, HostHeight);
    connect(installer(), &WineInstallerWnd::s_recoverInstall, this,
            &containerinstallview_mwd::OnRecoverInstall);
}
