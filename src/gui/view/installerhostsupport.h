#ifndef INSTALLERHOSTSUPPORT_H
#define INSTALLERHOSTSUPPORT_H

#include <QPixmap>

class ContainerInstallerObj;
class QCloseEvent;
class QWidget;
class WineInstallerWnd;

// What the dialog host and the main-window host of an install window share.
namespace InstallerHostSupport {

constexpr int HostWidth = 380;
constexpr int HostHeight = 362;

// The window icon, scaled to 32 x 32.
QPixmap hostIcon();

// Overwrite install: uninstall the application of the same name and run the
// install flow again, keeping the window in the list of open installers.
void recoverInstall(ContainerInstallerObj *obj, WineInstallerWnd *installer);

/*
 * Closing a host: while a log upload runs the host only hides; otherwise it
 * is deleted later. Either way it leaves the list of open installers and
 * forgets its coupling object (which is deleted later). Returns true when the
 * close event is to be accepted.
 */
bool handleClose(QWidget *host, WineInstallerWnd *installer, ContainerInstallerObj *&obj);

} // namespace InstallerHostSupport

#endif // INSTALLERHOSTSUPPORT_H
