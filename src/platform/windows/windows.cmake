# The Windows backend: IMAPI2 does the disc work, the registry is the real
# one. Included by src/CMakeLists.txt and by the cross-built Windows tests
# (tests/windows), so both compile the same files with the same settings.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
# Plain C++ and Win32 only: the Windows tests build these without Qt.
set(PELIMOR_BACKEND_SOURCES
  ${_dir}/com_support.cpp ${_dir}/com_support.h
  ${_dir}/digest_bcrypt.cpp
  ${_dir}/end_session.cpp ${_dir}/end_session.h
  ${_dir}/image_istream.cpp ${_dir}/image_istream.h
  ${_dir}/imapi2_burn.cpp ${_dir}/imapi2_burn.h
  ${_dir}/imapi2_data_writer.cpp
  ${_dir}/imapi2_decl.h
  ${_dir}/imapi2_disc_service.cpp ${_dir}/imapi2_disc_service.h
  ${_dir}/imapi2_errors.cpp ${_dir}/imapi2_errors.h
  ${_dir}/imapi2_events.cpp ${_dir}/imapi2_events.h
  ${_dir}/recorder_lock_windows.cpp ${_dir}/recorder_lock_windows.h
  ${_dir}/registry_windows.cpp ${_dir}/registry_windows.h
  ${_dir}/shell_win32.cpp ${_dir}/shell_win32.h
  ${_dir}/sleep_lock_windows.cpp ${_dir}/sleep_lock_windows.h
  ${_dir}/taskbar_button_windows.cpp ${_dir}/taskbar_button_windows.h
  ${_dir}/ui_thread.cpp ${_dir}/ui_thread.h)
# The default platform objects, the Qt adapter of the shell, the desktop's
# taskbar button, and the disc service's ties to Qt's event loop (burn
# reports, logoff refusal).
set(PELIMOR_BACKEND_WIRING_SOURCES
  ${_dir}/defaults_windows.cpp
  ${_dir}/disc_wiring_windows.cpp
  ${_dir}/ui_thread_qt.cpp ${_dir}/ui_thread_qt.h
  ${_dir}/windows_desktop.cpp ${_dir}/windows_desktop.h
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

# The executable is one file that starts on a bare Windows: the resources,
# the static Qt's windows platform plugin and Windows style built in, and
# the compiler's runtime linked statically (g++ would otherwise still import
# libgcc_s_seh-1.dll, which no Windows has).
set(PELIMOR_BACKEND_APP_SOURCES ${PELIMOR_WINDOWS_APP_RESOURCES})
function(pelimor_finish_app target generated_dir)
  pelimor_windows_resource_includes(${generated_dir})
  if(QT_FEATURE_static)
    qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin)
  endif()
  target_link_options(${target} PRIVATE -static)
endfunction()
