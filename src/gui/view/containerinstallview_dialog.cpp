#include "containerinstallview_dialog.h"

#include "containerinstallview.h"

#include <QLayout>

containerinstallview_dialog::containerinstallview_dialog(QWidget *parent)
    : LDialog(parent)
    , InstallerHost(this)
{
    setIcon(QIcon(hostIcon()));
    layout()->setContentsMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setContentLayoutContentsMargins(QMargins());
    addContent(installer());
    // The dialog itself has no margins; the pages keep the distance to its
    // edges that the stand-alone window gives them.
    installer()->setContentsMargins(10, 0, 10, 10);
    setFixedSize(HostWidth, HostHeight);
    connect(installer(), &WineInstallerWnd::s_recoverInstall, this,
            &containerinstallview_dialog::OnRecoverInstall);
}
