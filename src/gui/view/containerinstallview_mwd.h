#ifndef CONTAINERINSTALLVIEW_MWD_H
#define CONTAINERINSTALLVIEW_MWD_H

#include "installerhost.h"
#include "lmainwindow.h"

// The stand-alone window that hosts an install window for a program file.
class containerinstallview_mwd : public LMainWindow, public InstallerHost
{
    Q_OBJECT
public:
    explicit containerinstallview_mwd(QWidget *parent = nullptr);

public slots:
    void OnRecoverInstall() { recoverInstall(); }

protected:
    void closeEvent(QCloseEvent *event) override { handleCloseEvent(event); }
};

#endif // CONTAINERINSTALLVIEW_MWD_H
