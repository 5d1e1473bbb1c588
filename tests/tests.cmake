lwa_add_test(tst_taskinterface LIB lwa_utils SOURCES tst_taskinterface.cpp TIMEOUT 60)
lwa_add_test(tst_jsonoperator LIB lwa_utils SOURCES tst_jsonoperator.cpp TIMEOUT 60)
add_executable(lwa_jsonwriterchild jsonwriterchild.cpp)
target_link_libraries(lwa_jsonwriterchild PRIVATE lwa_utils)
lwa_add_test(tst_shellcmd LIB lwa_utils SOURCES tst_shellcmd.cpp TIMEOUT 120)
lwa_add_test(tst_wineasthttpdownload LIB lwa_utils
    SOURCES tst_wineasthttpdownload.cpp TIMEOUT 240)
target_compile_definitions(tst_wineasthttpdownload PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>"
    LWA_DOWNLOAD_CLIENT="$<TARGET_FILE:lwa_downloadclient>")
add_dependencies(tst_wineasthttpdownload lirvan-catalogue-server lwa_downloadclient)

# The platform layer, run from the build tree (platform-root, fixtures).
lwa_add_test(tst_platformscripts LIB lwa_utils
    SOURCES tst_platformscripts.cpp TIMEOUT 180)
add_dependencies(tst_platformscripts lwa_platform lwa_fixtures)
lwa_add_test(tst_singleinstance LIB Qt5::Core SOURCES tst_singleinstance.cpp TIMEOUT 240)
add_dependencies(tst_singleinstance lwa_platform lwa_fixtures)
lwa_add_test(tst_inioperator LIB lwa_utils SOURCES tst_inioperator.cpp TIMEOUT 60)
lwa_add_test(tst_installcleanup LIB lwa_utils SOURCES tst_installcleanup.cpp TIMEOUT 60)
lwa_add_test(tst_winesettings LIB lwa_utils SOURCES tst_winesettings.cpp TIMEOUT 60)
target_compile_definitions(tst_winesettings PRIVATE
    LWA_EXPECTED_SERVICE_BASE_URL="${LWA_SERVICE_BASE_URL}"
    LWA_EXPECTED_FORUM_URL="${LWA_FORUM_URL}"
    LWA_EXPECTED_PRIVACY_PAGE="${LWA_PRIVACY_PAGE_FILE}")
lwa_add_test(tst_wineinstalledapps LIB lwa_utils
    SOURCES tst_wineinstalledapps.cpp TIMEOUT 60)
lwa_add_test(tst_winepeinfo LIB lwa_utils TIMEOUT 240 SOURCES tst_winepeinfo.cpp)
add_dependencies(tst_winepeinfo lwa_platform lwa_fixtures)
lwa_add_test(tst_unzipinfo LIB lwa_utils TIMEOUT 180 SOURCES tst_unzipinfo.cpp)
add_dependencies(tst_unzipinfo lwa_platform lwa_fixtures)
lwa_add_test(tst_ltk LIB lwa_ltk SOURCES tst_ltk.cpp TIMEOUT 60)
# With real Wine, one bottle per program; "ctest -L wine" runs them alone.
lwa_add_test(tst_platformwine LIB lwa_utils
    SOURCES tst_platformwine.cpp TIMEOUT 600)
lwa_add_test(tst_platformpackage LIB lwa_utils
    SOURCES tst_platformpackage.cpp TIMEOUT 600)
set_tests_properties(tst_platformwine tst_platformpackage PROPERTIES LABELS wine)
add_dependencies(tst_platformwine lwa_platform lwa_fixtures)
add_dependencies(tst_platformpackage lwa_platform lwa_fixtures)
lwa_add_test(tst_bottletemplate LIB lwa_utils TIMEOUT 600 SOURCES tst_bottletemplate.cpp)
set_tests_properties(tst_bottletemplate PROPERTIES LABELS wine)
add_dependencies(tst_bottletemplate lwa_platform)
add_executable(lwa_downloadclient downloadclient.cpp)
target_link_libraries(lwa_downloadclient PRIVATE lwa_utils)
# Installed-app actions, the start manager (started by D-Bus activation from
# the build tree's activation file) and the install task.
add_executable(lwa_argdump argdump.cpp)
lwa_add_test(tst_startmanager LIB lwa_utils DBUS TIMEOUT 120
    SOURCES tst_startmanager.cpp
        ${PROJECT_SOURCE_DIR}/platform/startmanager/launchentry.cpp)
target_include_directories(tst_startmanager PRIVATE ${PROJECT_SOURCE_DIR}/platform/startmanager)
target_compile_definitions(tst_startmanager PRIVATE LWA_ARGDUMP="$<TARGET_FILE:lwa_argdump>")
add_dependencies(tst_startmanager lirvan-start-manager lwa_argdump)
lwa_add_test(tst_doaction LIB lwa_utils DBUS TIMEOUT 120
    SOURCES tst_doaction.cpp)
add_dependencies(tst_doaction lirvan-start-manager lwa_platform)
# The online service's request classes against the reference service's
# catalogue API and its sample catalogue.
foreach(online_test tst_qtnetworkworker tst_cataloguequeries tst_catalogueupload
        tst_wineapplication)
    set(online_lib lwa_utils)
    if(online_test STREQUAL tst_wineapplication)
        set(online_lib lwa_gui)
    endif()
    lwa_add_test(${online_test} LIB ${online_lib} SOURCES ${online_test}.cpp TIMEOUT 120)
    target_compile_definitions(${online_test} PRIVATE
        LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
    add_dependencies(${online_test} lirvan-catalogue-server lwa_sample_catalogue)
endforeach()
lwa_add_test(tst_installinfo LIB lwa_utils DBUS TIMEOUT 900
    SOURCES tst_installinfo.cpp)
set_tests_properties(tst_installinfo PROPERTIES LABELS wine)
add_dependencies(tst_installinfo lirvan-start-manager lwa_platform lwa_fixtures)
# Packaging and desktop integration: the command line of the real binary, the
# translations, the desktop entry and metainfo, and the Debian package.
lwa_add_test(tst_commandline LIB lwa_utils TIMEOUT 120 SOURCES tst_commandline.cpp)
add_dependencies(tst_commandline lirvanwineassist_translations)
lwa_add_test(tst_translations LIB Qt5::Core TIMEOUT 180 SOURCES tst_translations.cpp)
get_target_property(lwa_test_lupdate Qt5::lupdate IMPORTED_LOCATION)
target_compile_definitions(tst_translations PRIVATE LWA_LUPDATE="${lwa_test_lupdate}")
lwa_add_test(tst_debpackage LIB lwa_utils TIMEOUT 600 SOURCES tst_debpackage.cpp)
target_compile_definitions(tst_debpackage PRIVATE
    LWA_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}" LWA_VERSION="${PROJECT_VERSION}")
add_dependencies(tst_debpackage lirvan-start-manager lwa_platform lwa_man_page lwa_icons
    lirvanwineassist_translations)
# The install window: its pages alone, the flow without Wine against the
# reference service, and whole installations with real Wine.
set(lwa_install_test_helpers installflowtestutil.cpp installflowtestutil.h)
lwa_add_test(tst_installpages TIMEOUT 60 SOURCES tst_installpages.cpp ${lwa_install_test_helpers})
add_dependencies(tst_installpages lwa_fixtures)
lwa_add_test(tst_installwindow TIMEOUT 400 SOURCES tst_installwindow.cpp ${lwa_install_test_helpers}
    confirmationanswerer.cpp confirmationanswerer.h)
target_compile_definitions(tst_installwindow PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
add_dependencies(tst_installwindow lirvan-catalogue-server lwa_platform lwa_fixtures)
lwa_add_test(tst_installflow DBUS TIMEOUT 1500 SOURCES tst_installflow.cpp
    ${lwa_install_test_helpers} confirmationanswerer.cpp confirmationanswerer.h)
target_compile_definitions(tst_installflow PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
set_tests_properties(tst_installflow PROPERTIES LABELS wine)
add_dependencies(tst_installflow lirvan-start-manager lwa_platform lwa_fixtures
    lirvan-catalogue-server lwa_sample_catalogue)
# Account login and the main window, with the stand-in desktop account
# services on a private session bus and the reference catalogue service.
foreach(login_test tst_wineastlogin tst_winemainwindow)
    set(login_lib lwa_utils)
    if(login_test STREQUAL tst_winemainwindow)
        set(login_lib lwa_gui)
    endif()
    # The toolkit's log manager writes the log that the login must keep clean.
    lwa_add_test(${login_test} LIB ${login_lib} LIBS lwa_ltk DBUS TIMEOUT 180
        SOURCES ${login_test}.cpp)
    target_compile_definitions(${login_test} PRIVATE
        LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>"
        LWA_ARGDUMP="$<TARGET_FILE:lwa_argdump>")
    add_dependencies(${login_test} lirvan-catalogue-server lwa_sample_catalogue
        lirvan-account-service lwa_argdump)
endforeach()
# Catalogue browsing: the icon label and dropdown, and the pages and search
# against the reference service.
lwa_add_test(tst_catalogueicons TIMEOUT 120 SOURCES tst_catalogueicons.cpp)
target_compile_definitions(tst_catalogueicons PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
add_dependencies(tst_catalogueicons lirvan-catalogue-server)
lwa_add_test(tst_cataloguepages TIMEOUT 180 SOURCES tst_cataloguepages.cpp)
target_compile_definitions(tst_cataloguepages PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
add_dependencies(tst_cataloguepages lirvan-catalogue-server lwa_sample_catalogue)
lwa_add_test(tst_cataloguetext TIMEOUT 120 SOURCES tst_cataloguetext.cpp)
target_compile_definitions(tst_cataloguetext PRIVATE
    LWA_CATALOGUE_SERVER="$<TARGET_FILE:lirvan-catalogue-server>")
add_dependencies(tst_cataloguetext lirvan-catalogue-server lwa_sample_catalogue)
# The installed-applications page, with the start manager on a private bus.
lwa_add_test(tst_installedview DBUS TIMEOUT 180
    SOURCES tst_installedview.cpp confirmationanswerer.cpp confirmationanswerer.h)
target_compile_definitions(tst_installedview PRIVATE
    LWA_START_MANAGER="$<TARGET_FILE:lirvan-start-manager>")
add_dependencies(tst_installedview lirvan-start-manager lwa_platform)
# The command line for scripts, backup and restore: the real binary with
# real Wine, beside a running window, on a private session bus.
lwa_add_test(tst_scriptcommands DBUS TIMEOUT 900 SOURCES tst_scriptcommands.cpp
    ${lwa_install_test_helpers})
target_compile_definitions(tst_scriptcommands PRIVATE
    LWA_JSON_WRITER="$<TARGET_FILE:lwa_jsonwriterchild>")
set_tests_properties(tst_scriptcommands PROPERTIES LABELS wine)
add_dependencies(tst_scriptcommands lirvan-start-manager lwa_platform lwa_fixtures
    lwa_jsonwriterchild)
