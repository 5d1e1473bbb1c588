#ifndef WINEMAINWINDOW_H
#define WINEMAINWINDOW_H

#include "lmainwindow.h"

// The assistant's main window.
class WineMainWindow : public LMainWindow
{
    Q_OBJECT
public:
    explicit WineMainWindow(QWidget *parent = nullptr);
};

#endif // WINEMAINWINDOW_H
