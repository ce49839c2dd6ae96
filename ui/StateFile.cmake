# The settings file format stays free of Qt so that the headless command, which is built even
# without the desktop program, can read it too.
add_library(orvanta_statefile STATIC ${CMAKE_CURRENT_LIST_DIR}/state_file_format.cpp)
target_include_directories(orvanta_statefile PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orvanta_statefile PUBLIC orvanta_engine PRIVATE orvanta_warnings)
