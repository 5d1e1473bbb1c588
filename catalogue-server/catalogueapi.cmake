# The catalogue API: application lists, categories, default configuration,
# download reports, log uploads and login, over a data directory (--data).
target_sources(lirvan-catalogue-server PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/catalogueapi.cpp ${CMAKE_CURRENT_LIST_DIR}/catalogueapi.h
    ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp ${CMAKE_CURRENT_LIST_DIR}/catalogue.h
    ${CMAKE_CURRENT_LIST_DIR}/catalogueservice.cpp ${CMAKE_CURRENT_LIST_DIR}/catalogueservice.h
    ${CMAKE_CURRENT_LIST_DIR}/signaturecheck.cpp ${CMAKE_CURRENT_LIST_DIR}/signaturecheck.h
    ${CMAKE_CURRENT_LIST_DIR}/uploadstore.cpp ${CMAKE_CURRENT_LIST_DIR}/uploadstore.h
    ${CMAKE_CURRENT_LIST_DIR}/apilog.cpp ${CMAKE_CURRENT_LIST_DIR}/apilog.h)
target_link_libraries(lirvan-catalogue-server PRIVATE Qt5::Core)

include(${CMAKE_CURRENT_LIST_DIR}/sample/sample.cmake)
