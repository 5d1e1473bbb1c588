set(LTK_SOURCES
    ltk/lapplication.cpp ltk/lapplication.h
    ltk/lapplicationhelper.cpp ltk/lapplicationhelper.h
    ltk/lapplicationsettings.cpp ltk/lapplicationsettings.h
    ltk/lbackgroundgroup.cpp ltk/lbackgroundgroup.h
    ltk/ldialog.cpp ltk/ldialog.h
    ltk/lfontsizemanager.cpp ltk/lfontsizemanager.h
    ltk/lframe.cpp ltk/lframe.h
    ltk/lguiapplicationhelper.cpp ltk/lguiapplicationhelper.h
    ltk/liconbutton.cpp ltk/liconbutton.h
    ltk/licontheme.cpp ltk/licontheme.h
    ltk/llabel.cpp ltk/llabel.h
    ltk/llineedit.cpp ltk/llineedit.h
    ltk/llistview.cpp ltk/llistview.h
    ltk/llogmanager.cpp ltk/llogmanager.h
    ltk/llogwriter.cpp ltk/llogwriter.h
    ltk/lmainwindow.cpp ltk/lmainwindow.h
    ltk/lpalette.cpp ltk/lpalette.h
    ltk/lsearchedit.cpp ltk/lsearchedit.h
    ltk/lsingleinstance.cpp ltk/lsingleinstance.h
    ltk/lspinner.cpp ltk/lspinner.h
    ltk/lstandarditem.cpp ltk/lstandarditem.h
    ltk/lsvgiconengine.cpp ltk/lsvgiconengine.h
    ltk/ltitlebar.cpp ltk/ltitlebar.h
    ltk/ltkwidget.cpp ltk/ltkwidget.h
    ltk/lviewitemaction.cpp ltk/lviewitemaction.h
    ltk/lwaterprogress.cpp ltk/lwaterprogress.h
)
