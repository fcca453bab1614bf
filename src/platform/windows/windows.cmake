# Windows build of the platform layer: the libraries the IMAPI2 backend, the
# registry and the shell need, and the executable's version and icon
# resource. Included by src/CMakeLists.txt before the executable is added.
target_link_libraries(pelimor_core PUBLIC ole32 oleaut32 uuid shlwapi shell32 advapi32 bcrypt)
# Unicode Win32 API; keep <windows.h> from defining min and max as macros.
target_compile_definitions(pelimor_core PUBLIC UNICODE _UNICODE NOMINMAX)

set(PELIMOR_WINDOWS_APP_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/pelimor.rc)
# The resource script includes the generated appinfo.h and names the icon by
# a path relative to itself.
set_source_files_properties(${PELIMOR_WINDOWS_APP_RESOURCES} PROPERTIES
  INCLUDE_DIRECTORIES "${CMAKE_CURRENT_BINARY_DIR}/generated;${CMAKE_CURRENT_LIST_DIR}"
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/images/app.ico;${CMAKE_CURRENT_BINARY_DIR}/generated/appinfo.h")
