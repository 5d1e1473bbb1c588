# Web addresses the assistant opens or talks to unless the settings file says
# otherwise. A distributor sets its own at configure time.
set(LWA_SERVICE_BASE_URL "http://127.0.0.1:18080" CACHE STRING
    "Catalogue service base address: scheme and host, no trailing slash")
set(LWA_FORUM_URL "https://bbs.lirvan.org/" CACHE STRING
    "Community forum page opened from the main window")

# The privacy agreement is a page shipped with the program.
set(LWA_PRIVACY_PAGE_FILE
    "${CMAKE_INSTALL_FULL_DATADIR}/lirvan-wine-assist/privacy-agreement.html"
    CACHE INTERNAL "Installed privacy agreement page")

set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/winesettings.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS
    LWA_SERVICE_BASE_URL="${LWA_SERVICE_BASE_URL}"
    LWA_FORUM_URL="${LWA_FORUM_URL}"
    LWA_PRIVACY_PAGE_FILE="${LWA_PRIVACY_PAGE_FILE}")

install(FILES ${PROJECT_SOURCE_DIR}/platform/data/privacy-agreement.html
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lirvan-wine-assist)
