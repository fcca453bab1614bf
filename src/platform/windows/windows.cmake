# The Windows backend: IMAPI2 does the disc work, the registry is the real
# one. Included by src/CMakeLists.txt and by the cross-built Windows tests
# (tests/windows), so both compile the same files with the same settings.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
# Plain C++ and Win32 only: the Windows tests build these without Qt.
set(PELIMOR_BACKEND_SOURCES
  ${_dir}/com_support.cpp ${_dir}/com_support.h
  ${_dir}/digest_bcrypt.cpp
  ${_dir}/image_istream.cpp ${_dir}/image_istream.h
  ${_dir}/imapi2_data_writer.cpp
  ${_dir}/imapi2_decl.h
  ${_dir}/imapi2_disc_service.cpp ${_dir}/imapi2_disc_service.h
  ${_dir}/imapi2_errors.cpp ${_dir}/imapi2_errors.h
  ${_dir}/imapi2_events.cpp ${_dir}/imapi2_events.h
  ${_dir}/registry_windows.cpp ${_dir}/registry_windows.h
  ${_dir}/shell_win32.cpp ${_dir}/shell_win32.h
  ${_dir}/sleep_lock_windows.cpp ${_dir}/sleep_lock_windows.h)
# The default platform objects and the Qt adapter of the shell.
set(PELIMOR_BACKEND_WIRING_SOURCES
  ${_dir}/defaults_windows.cpp
  ${_dir}/windows_shell.cpp ${_dir}/windows_shell.h
  ${_dir}/qt_translations_windows.cpp)
# One self-contained exe: Qt's own catalogues are built in beside the
# program's (cmake/translations.cmake).
set(PELIMOR_EMBED_QT_TRANSLATIONS ON)

# The executable's version and icon resource. It includes the generated
# appinfo.h and names the icon by a path relative to itself.
set(PELIMOR_WINDOWS_APP_RESOURCES ${_dir}/pelimor.rc)
function(pelimor_windows_resource_includes generated_dir)
  set_source_files_properties(${PELIMOR_WINDOWS_APP_RESOURCES} PROPERTIES
    INCLUDE_DIRECTORIES "${generated_dir};${_dir}"
    OBJECT_DEPENDS "${_dir}/../../../resources/images/app.ico;${generated_dir}/appinfo.h")
endfunction()

function(pelimor_link_backend target)
  target_link_libraries(${target} PUBLIC ole32 oleaut32 uuid shlwapi shell32 advapi32 bcrypt)
  # Unicode Win32 API; keep <windows.h> from defining min and max as macros.
  target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX)
endfunction()
