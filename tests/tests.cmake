lwa_add_test(tst_taskinterface SOURCES tst_taskinterface.cpp logcapture.cpp logcapture.h TIMEOUT 60)
lwa_add_test(tst_jsonoperator SOURCES tst_jsonoperator.cpp logcapture.cpp logcapture.h TIMEOUT 60)
add_executable(lwa_jsonwriterchild jsonwriterchild.cpp)
target_link_libraries(lwa_jsonwriterchild PRIVATE lirvanwineassist)
lwa_add_test(tst_jsonsavestress SOURCES tst_jsonsavestress.cpp TIMEOUT 300)
target_compile_definitions(tst_jsonsavestress PRIVATE
    LWA_JSON_WRITER_CHILD="$<TARGET_FILE:lwa_jsonwriterchild>")
add_dependencies(tst_jsonsavestress lwa_jsonwriterchild)
