#ifndef CONTAINERINSTALLVIEW_MWD_H
#define CONTAINERINSTALLVIEW_MWD_H

#include "lmainwindow.h"

class ContainerInstallerObj;
class WineInstallerWnd;

// The stand-alone window that hosts an install window for a program file.
class containerinstallview_mwd : public LMainWindow
{
    Q_OBJECT
public:
    explicit containerinstallview_mwd(QWidget *parent = nullptr);

    WineInstallerWnd *installer() const { return m_installer; }
    ContainerInstallerObj *installerObj() const { return m_installerObj; }
    void setInstallerObj(ContainerInstallerObj *obj) { m_installerObj = obj; }

public slots:
    void OnRecoverInstall();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WineInstallerWnd *m_installer;
    ContainerInstallerObj *m_installerObj = nullptr;
};

#endif // CONTAINERINSTALLVIEW_MWD_H
