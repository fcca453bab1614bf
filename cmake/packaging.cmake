# The Debian package: `cpack -G DEB` in a build folder, or scripts/package.sh.
# Its dependencies are read off the built program by dpkg-shlibdeps, so they
# name exactly the libburn and Qt libraries it links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PELIMOR_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR ${PELIMOR_WEBSITE})
set(CPACK_PACKAGE_CONTACT "Pelimor ISO Burn <support@${PELIMOR_WEBSITE}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "burn an ISO image to a blank CD, DVD or Blu-ray disc")
set(CPACK_PACKAGE_DESCRIPTION
  "Pelimor ISO Burn writes one disc image file to a blank disc: pick the image, pick
the recorder, press Burn. It checks the file, the recorder and the disc before
writing, never writes to a disc that already holds data, writes the image's bytes
unchanged and reads them back to verify them. It uses libburn for the disc work.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${PELIMOR_WEBSITE}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what shlibdeps finds: Qt loads its window-system plugins at run
# time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The windows ask for Arial; Liberation Sans stands in with the same metrics.
# The program's own translations are built into it; Qt's texts (the boxes'
# buttons, the file dialog) come from the system's Qt catalogues.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
