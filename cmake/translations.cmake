# The program's texts in the user's language. translations/pelimor_<lang>.ts
# are compiled with lrelease (Debian's qt6-l10n-tools) at build time and
# built into the program as a resource under :/i18n. Where the platform's
# file sets PELIMOR_EMBED_QT_TRANSLATIONS (Windows, one self-contained exe),
# Qt's own catalogues for the same languages go in too, under :/i18n/qt.
#
# Adding a language: add it here and create its .ts file (README).
set(PELIMOR_LANGUAGES de es fr it pt_BR pl ru uk zh_CN ja)

find_program(PELIMOR_LRELEASE NAMES lrelease lrelease-qt6
  HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin REQUIRED)
set(PELIMOR_QT_TRANSLATIONS_SOURCE /usr/share/qt6/translations CACHE PATH
  "Where Qt's qtbase_*.qm catalogues are taken from when they are built into the program")

function(pelimor_add_translations target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  file(MAKE_DIRECTORY ${dir})
  set(qrc_entries "")
  set(outputs "")
  foreach(lang ${PELIMOR_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/pelimor_${lang}.ts)
    set(qm ${dir}/pelimor_${lang}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${PELIMOR_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts} VERBATIM)
    list(APPEND outputs ${qm})
    string(APPEND qrc_entries "    <file>pelimor_${lang}.qm</file>\n")
    if(PELIMOR_EMBED_QT_TRANSLATIONS)
      set(qt_qm ${PELIMOR_QT_TRANSLATIONS_SOURCE}/qtbase_${lang}.qm)
      if(NOT EXISTS ${qt_qm})
        message(FATAL_ERROR "${qt_qm} is missing: install qt6-translations-l10n")
      endif()
      list(APPEND outputs ${qt_qm})
      string(APPEND qrc_entries "    <file alias=\"qt/qtbase_${lang}.qm\">${qt_qm}</file>\n")
    endif()
  endforeach()
  set(qrc ${dir}/translations.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT
    "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/i18n\">\n${qrc_entries}  </qresource>\n</RCC>\n")
  # rcc by hand rather than AUTORCC, which would look for the catalogues
  # before lrelease has made them. No zstd: the Windows Qt cannot read it.
  set(cpp ${dir}/qrc_translations.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND Qt6::rcc --name translations --no-zstd -o ${cpp} ${qrc}
    DEPENDS ${qrc} ${outputs} VERBATIM)
  set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOMOC ON SKIP_AUTOUIC ON SKIP_AUTORCC ON)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
