set(UTILS_SOURCES
    utils/common.cpp utils/common.h
)
