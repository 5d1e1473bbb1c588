set(UTILS_SOURCES
    utils/common.cpp utils/common.h
)
list(APPEND UTILS_SOURCES utils/taskinterface.cpp utils/taskinterface.h)
