# The Debian package: "cpack -G DEB" in the build directory writes
# lirvan-wine-assist_<version>_<architecture>.deb. The package has no
# maintainer scripts, so installing and removing it only adds and deletes its
# own files; the users' bottles, records and settings under their homes are
# never touched.

set(CPACK_PACKAGE_NAME lirvan-wine-assist)
set(CPACK_PACKAGE_VENDOR Lirvan)
set(CPACK_PACKAGE_CONTACT "Lirvan Wine Assist developers <wine-assist@lirvan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "install and run Windows applications under Wine")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Installs Windows applications on the Linux desktop and runs them under Wine,
each application in a Wine prefix of its own. Opens downloaded .exe and .msi
installers from the file manager, offers a catalogue of applications with
prepared configurations, and starts or uninstalls the installed ones.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

# Everything is laid out for /usr, with the platform tree at its absolute
# place under /opt.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_SET_DESTDIR ON)
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "The Debian package wants CMAKE_INSTALL_PREFIX=/usr "
                   "(now ${CMAKE_INSTALL_PREFIX})")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LWA_HOMEPAGE_URL})
# The Qt libraries come from the programs' own links; the programs the
# assistant and its helper scripts run are listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt5svg5, wine, wine64, libimage-exiftool-perl, icoutils, p7zip-full, wget, zstd, dbus, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-user-dirs, xdg-utils")

include(CPack)
