set(GUI_SOURCES
    gui/winemainwindow.cpp gui/winemainwindow.h
    gui/installpageutil.cpp gui/installpageutil.h
    gui/wnappinfowidget.cpp gui/wnappinfowidget.h
    gui/wnmethoditem.cpp gui/wnmethoditem.h
    gui/wninstallmethodwidget.cpp gui/wninstallmethodwidget.h
    gui/wnunkownappinstallwidget.cpp gui/wnunkownappinstallwidget.h
    gui/wnappinstallwidget.cpp gui/wnappinstallwidget.h
    gui/wnrecoverinstallwidget.cpp gui/wnrecoverinstallwidget.h
    gui/appshareablewidget.cpp gui/appshareablewidget.h
    gui/appinstalledwidget.cpp gui/appinstalledwidget.h
    gui/backuprestorepanel.cpp gui/backuprestorepanel.h
    gui/uninstallconfirmation.cpp gui/uninstallconfirmation.h
    gui/datamodel.cpp gui/datamodel.h
    gui/datalistheader.cpp gui/datalistheader.h
    gui/datalistview.cpp gui/datalistview.h
    gui/dataitemdelegate.cpp gui/dataitemdelegate.h
    gui/view/containerinstallview.cpp gui/view/containerinstallview.h
    gui/view/containerinstallview_p.cpp gui/view/containerinstallview_p.h
    gui/view/scriptedinstall.cpp gui/view/scriptedinstall.h
    gui/view/containerinstallview_dialog.cpp gui/view/containerinstallview_dialog.h
    gui/view/containerinstallview_mwd.cpp gui/view/containerinstallview_mwd.h
    gui/view/installerhost.cpp gui/view/installerhost.h
    gui/appinfovector.h
    gui/appinstallablewidget.cpp gui/appinstallablewidget.h
    gui/appinstallablemainwidget.cpp gui/appinstallablemainwidget.h
    gui/appinstallablesubstackwidgt.cpp gui/appinstallablesubstackwidgt.h
    gui/appinstallablesubwidget.cpp gui/appinstallablesubwidget.h
    gui/iconlabel.cpp gui/iconlabel.h
    gui/itemwidget.cpp gui/itemwidget.h
    gui/ldropdown.cpp gui/ldropdown.h
    gui/multiappinfowidget.cpp gui/multiappinfowidget.h
    gui/multiselectlistview.cpp gui/multiselectlistview.h
    gui/ratingwidget.cpp gui/ratingwidget.h
    gui/starrating.cpp gui/starrating.h
    gui/searchwidget.cpp gui/searchwidget.h
    gui/plaintext.cpp gui/plaintext.h
)
