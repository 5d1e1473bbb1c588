set(GUI_SOURCES
    gui/winemainwindow.cpp gui/winemainwindow.h
    gui/view/containerinstallview.cpp gui/view/containerinstallview.h
    gui/view/containerinstallview_dialog.cpp gui/view/containerinstallview_dialog.h
    gui/view/containerinstallview_mwd.cpp gui/view/containerinstallview_mwd.h
    gui/view/installerhost.cpp gui/view/installerhost.h
)
