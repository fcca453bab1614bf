# The Linux backend: libburn does the disc work, logind keeps the computer
# awake, a settings file stands in for the registry.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
set(PELIMOR_BACKEND_SOURCES
  ${_dir}/digest_libcrypto.cpp
  ${_dir}/libburn_disc_service.cpp ${_dir}/libburn_disc_service.h
  ${_dir}/libburn_drive.cpp ${_dir}/libburn_drive.h
  ${_dir}/libburn_erase.cpp ${_dir}/libburn_erase.h
  ${_dir}/libburn_event_pump.cpp ${_dir}/libburn_event_pump.h
  ${_dir}/libburn_image_source.cpp ${_dir}/libburn_image_source.h
  ${_dir}/libburn_library.cpp ${_dir}/libburn_library.h
  ${_dir}/libburn_media.cpp ${_dir}/libburn_media.h
  ${_dir}/libburn_progress.cpp ${_dir}/libburn_progress.h
  ${_dir}/libburn_read_ahead.cpp ${_dir}/libburn_read_ahead.h
  ${_dir}/libburn_recorder.cpp ${_dir}/libburn_recorder.h
  ${_dir}/libburn_verify.cpp ${_dir}/libburn_verify.h
  ${_dir}/libburn_write_job.cpp ${_dir}/libburn_write_job.h
  ${_dir}/libburn_writer.cpp ${_dir}/libburn_writer.h
  ${_dir}/recorder_lock_linux.cpp ${_dir}/recorder_lock_linux.h
  ${_dir}/registry_linux.cpp ${_dir}/registry_linux.h
  ${_dir}/sleep_inhibitor_linux.cpp ${_dir}/sleep_inhibitor_linux.h)
# The default platform objects: the backend's, plus the desktop shell of the
# windows library.
set(PELIMOR_BACKEND_WIRING_SOURCES ${_dir}/defaults_linux.cpp ${_dir}/desktop_dbus.cpp ${_dir}/desktop_dbus.h
  ${_dir}/qt_translations_linux.cpp)

find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBBURN REQUIRED IMPORTED_TARGET libburn-1)
find_package(Qt6 REQUIRED COMPONENTS DBus)
# libcrypto hashes images with the processor's SHA instructions.
find_package(OpenSSL REQUIRED COMPONENTS Crypto)

function(pelimor_link_backend target)
  target_link_libraries(${target} PUBLIC PkgConfig::LIBBURN Qt6::DBus OpenSSL::Crypto)
endfunction()
