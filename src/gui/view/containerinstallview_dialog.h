#ifndef CONTAINERINSTALLVIEW_DIALOG_H
#define CONTAINERINSTALLVIEW_DIALOG_H

#include "ldialog.h"

class ContainerInstallerObj;
class WineInstallerWnd;

// The modal dialog that hosts an install window for a catalogue application.
class containerinstallview_dialog : public LDialog
{
    Q_OBJECT
public:
    explicit containerinstallview_dialog(QWidget *parent = nullptr);

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

#endif // CONTAINERINSTALLVIEW_DIALOG_H
