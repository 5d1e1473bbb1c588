#include "installerhostsupport.h"

#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "licontheme.h"
#include "wineapplication.h"

#include <QWidget>

namespace InstallerHostSupport {

QPixmap hostIcon()
{
    const QPixmap pixmap(LIconTheme::builtinPrefix() + QStringLiteral("lw_headerIcon.svg"));
    return pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void recoverInstall(ContainerInstallerObj *obj, WineInstallerWnd *installer)
{
    if (!obj)
        return;
    removeInstallerObj(obj);
    installer->uninstallInstalled();
    addInstallerObj(obj);
    installer->startInstallFlow();
}

bool handleClose(QWidget *host, WineInstallerWnd *installer, ContainerInstallerObj *&obj)
{
    const bool uploading = installer->isUploadingLog();
    if (uploading)
        host->hide();
    else
        host->deleteLater();
    if (obj) {
        removeInstallerObj(obj);
        obj->deleteLater();
        obj = nullptr;
    }
    return !uploading;
}

} // namespace InstallerHostSupport
