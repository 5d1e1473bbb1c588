set(UTILS_SOURCES
    utils/common.cpp utils/common.h
    utils/groupprocess.cpp utils/groupprocess.h
)
list(APPEND UTILS_SOURCES utils/taskinterface.cpp utils/taskinterface.h)
list(APPEND UTILS_SOURCES
    utils/tdesktopfileinfo.h utils/tinstalledappinfo.h utils/tpeinfo.h utils/tpublishedappinfo.h
    utils/jsonoperator.cpp utils/jsonoperator.h
    utils/installedappslock.cpp utils/installedappslock.h
    utils/desktopentryfile.cpp utils/desktopentryfile.h
    utils/userfolders.cpp utils/userfolders.h
    utils/inioperator.cpp utils/inioperator.h
    utils/winesettings.cpp utils/winesettings.h
    utils/deferredstartup.cpp utils/deferredstartup.h
    utils/networkwarmup.cpp utils/networkwarmup.h
    utils/serialworker.cpp utils/serialworker.h
    utils/usericonindex.cpp utils/usericonindex.h
    utils/wineinstalledapps.cpp utils/wineinstalledapps.h)
list(APPEND UTILS_SOURCES utils/wineasthttpdownload.cpp utils/wineasthttpdownload.h)
list(APPEND UTILS_SOURCES
    utils/commandline.cpp utils/commandline.h
    utils/winepeinfo.cpp utils/winepeinfo.h
    utils/unzipinfo.cpp utils/unzipinfo.h)
list(APPEND UTILS_SOURCES
    utils/execline.cpp utils/execline.h
    utils/startscript.cpp utils/startscript.h
    utils/templatepreparation.cpp utils/templatepreparation.h
    utils/bottlearchive.cpp utils/bottlearchive.h
    utils/bottlearchivejob.cpp utils/bottlearchivejob.h
    utils/doaction.cpp utils/doaction.h
    utils/qtdbussessionmanager.cpp utils/qtdbussessionmanager.h
    utils/bottleactivity.cpp utils/bottleactivity.h
    utils/bottletemplate.cpp utils/bottletemplate.h
    utils/installinfo.cpp utils/installinfo.h
    utils/installdesktopentries.cpp utils/installdesktopentries.h
    utils/installcleanup.cpp utils/installcleanup.h)
list(APPEND UTILS_SOURCES
    utils/qtnetworkworker.cpp utils/qtnetworkworker.h
    utils/cataloguereply.cpp utils/cataloguereply.h
    utils/winerecommandapps.cpp utils/winerecommandapps.h
    utils/winegetapplist.cpp utils/winegetapplist.h
    utils/winecatalogue.cpp utils/winecatalogue.h
    utils/wineastapplist.cpp utils/wineastapplist.h
    utils/wineastappdownloadpoint.cpp utils/wineastappdownloadpoint.h
    utils/loguploadinfo.h utils/buryingpointinfo.h
    utils/wineastapplogupload.cpp utils/wineastapplogupload.h)
list(APPEND UTILS_SOURCES
    utils/loginuserinfo.h
    utils/__lirvanid.cpp utils/__lirvanid.h
    utils/wineastlogin.cpp utils/wineastlogin.h
    utils/avatardownload.cpp utils/avatardownload.h)
