#ifndef INSTALLERHOST_H
#define INSTALLERHOST_H

#include <QPixmap>

class ContainerInstallerObj;
class QCloseEvent;
class QWidget;
class WineInstallerWnd;

/*
 * What the dialog host and the main-window host of an install window share:
 * the install window inside, the coupling object of the application
 * controller, the overwrite install and the close behaviour.
 */
class InstallerHost
{
public:
    static constexpr int HostWidth = 380;
    static constexpr int HostHeight = 362;

    explicit InstallerHost(QWidget *host);
    virtual ~InstallerHost();

    WineInstallerWnd *installer() const { return m_installer; }
    ContainerInstallerObj *installerObj() const { return m_installerObj; }
    void setInstallerObj(ContainerInstallerObj *obj) { m_installerObj = obj; }

protected:
    // The window icon, scaled to 32 x 32.
    static QPixmap hostIcon();

    // Overwrite install: uninstall the application of the same name and run
    // the install flow again, keeping the window in the list of installers.
    void recoverInstall();

    /*
     * While an installation is cleaned up the host stays open and closes
     * itself afterwards. While a log upload runs the host only hides; otherwise it is deleted
     * later. Either way it leaves the list of open installers and its
     * coupling object is deleted later.
     */
    void handleCloseEvent(QCloseEvent *event);

private:
    QWidget *m_host;
    WineInstallerWnd *m_installer;
    ContainerInstallerObj *m_installerObj = nullptr;
};

#endif // INSTALLERHOST_H
