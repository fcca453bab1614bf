# The file-version text pads minor and revision the way the Windows version
# resource shows them: 1.0.1 -> "1.00.0001". Shared by the project's own
# build and the Windows cross-build check, so the two cannot disagree.
function(pelimor_zero_pad value width out)
  string(LENGTH "${value}" len)
  set(result "${value}")
  while(len LESS width)
    string(PREPEND result "0")
    math(EXPR len "${len} + 1")
  endwhile()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

function(pelimor_file_version_text major minor patch out)
  pelimor_zero_pad(${minor} 2 minor_padded)
  pelimor_zero_pad(${patch} 4 patch_padded)
  set(${out} "${major}.${minor_padded}.${patch_padded}" PARENT_SCOPE)
endfunction()

# Writes appinfo.h for the calling project from its version and
# PELIMOR_WEBSITE (cmake/version.cmake).
function(pelimor_generate_appinfo output)
  pelimor_file_version_text(${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
    PELIMOR_FILE_VERSION_TEXT)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../src/appinfo.h.in ${output} @ONLY)
endfunction()
