#ifndef CONTAINERINSTALLVIEW_DIALOG_H
#define CONTAINERINSTALLVIEW_DIALOG_H

#include "installerhost.h"
#include "ldialog.h"

// The modal dialog that hosts an install window for a catalogue application.
class containerinstallview_dialog : public LDialog, public InstallerHost
{
    Q_OBJECT
public:
    explicit containerinstallview_dialog(QWidget *parent = nullptr);

public slots:
    void OnRecoverInstall() { recoverInstall(); }

protected:
    void closeEvent(QCloseEvent *event) override { handleCloseEvent(event); }
};

#endif // CONTAINERINSTALLVIEW_DIALOG_H
