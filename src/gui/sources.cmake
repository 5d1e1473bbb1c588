set(GUI_SOURCES
    gui/winemainwindow.cpp gui/winemainwindow.h
    gui/appinstalledwidget.cpp gui/appinstalledwidget.h
    gui/datamodel.cpp gui/datamodel.h
    gui/datalistview.cpp gui/datalistview.h
    gui/dataitemdelegate.cpp gui/dataitemdelegate.h
    gui/view/containerinstallview.cpp gui/view/containerinstallview.h
    gui/view/containerinstallview_dialog.cpp gui/view/containerinstallview_dialog.h
    gui/view/containerinstallview_mwd.cpp gui/view/containerinstallview_mwd.h
    gui/view/installerhost.cpp gui/view/installerhost.h
)
