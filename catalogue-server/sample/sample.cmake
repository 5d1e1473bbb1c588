# The sample catalogue, built from the test fixtures into
# ${CMAKE_BINARY_DIR}/catalogue-data: run the service with --data on it.
set(LWA_SAMPLE_CATALOGUE ${CMAKE_BINARY_DIR}/catalogue-data)
set(sample_sources ${CMAKE_CURRENT_LIST_DIR})
set(sample_inputs
    ${CMAKE_BINARY_DIR}/fixtures/foo-package.7z
    ${CMAKE_BINARY_DIR}/fixtures/foo-48.png
    ${CMAKE_BINARY_DIR}/platform-root/data/Depends/DefaultBottle/files.7z)
add_custom_command(OUTPUT ${LWA_SAMPLE_CATALOGUE}/catalogue.json
    COMMAND ${CMAKE_COMMAND}
        -DOUT=${LWA_SAMPLE_CATALOGUE}
        -DTEMPLATE=${sample_sources}/catalogue.json.in
        -DFOO_PACKAGE=${CMAKE_BINARY_DIR}/fixtures/foo-package.7z
        -DICON=${CMAKE_BINARY_DIR}/fixtures/foo-48.png
        -DDEFAULT_BOTTLE=${CMAKE_BINARY_DIR}/platform-root/data/Depends/DefaultBottle/files.7z
        -P ${sample_sources}/mksample.cmake
    DEPENDS ${sample_sources}/catalogue.json.in ${sample_sources}/mksample.cmake ${sample_inputs}
    COMMENT "Building the sample catalogue"
    VERBATIM)
add_custom_target(lwa_sample_catalogue ALL DEPENDS ${LWA_SAMPLE_CATALOGUE}/catalogue.json)
add_dependencies(lwa_sample_catalogue lwa_fixtures lwa_platform)
