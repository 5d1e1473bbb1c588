lwa_add_test(tst_taskinterface SOURCES tst_taskinterface.cpp logcapture.cpp logcapture.h TIMEOUT 60)
