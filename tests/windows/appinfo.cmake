# Generates appinfo.h for the Windows cross-build check the way
# src/CMakeLists.txt does, without configuring the Qt project:
#   cmake -DSOURCE_DIR=<repo> -DOUTPUT=<dir>/appinfo.h -P appinfo.cmake
# The version comes from the top-level project() call and the web-site name
# from src/CMakeLists.txt, so the two builds cannot disagree.
file(READ "${SOURCE_DIR}/CMakeLists.txt" top)
if(NOT top MATCHES "project\\([^)]*VERSION ([0-9]+)\\.([0-9]+)\\.([0-9]+)")
  message(FATAL_ERROR "no project version in ${SOURCE_DIR}/CMakeLists.txt")
endif()
set(PROJECT_VERSION_MAJOR ${CMAKE_MATCH_1})
set(PROJECT_VERSION_MINOR ${CMAKE_MATCH_2})
set(PROJECT_VERSION_PATCH ${CMAKE_MATCH_3})
set(PROJECT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")

file(READ "${SOURCE_DIR}/src/CMakeLists.txt" src)
if(NOT src MATCHES "set\\(PELIMOR_WEBSITE \"([^\"]*)\"\\)")
  message(FATAL_ERROR "no PELIMOR_WEBSITE in ${SOURCE_DIR}/src/CMakeLists.txt")
endif()
set(PELIMOR_WEBSITE "${CMAKE_MATCH_1}")

include("${SOURCE_DIR}/cmake/appinfo.cmake")
pelimor_file_version_text(${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
  PELIMOR_FILE_VERSION_TEXT)

configure_file("${SOURCE_DIR}/src/appinfo.h.in" "${OUTPUT}" @ONLY)
