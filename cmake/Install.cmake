# `cmake --install` and the Debian package (cpack -G DEB).
#   bin/                    kartovex, kartovex-cli, orvandel, orvandel-coef, orvandel-fit
#   lib/kartovex/           the companion console programs
#   share/kartovex/demo/    the template installation `kartovex-cli --init` copies
#                           (the tests' demo installation without its programs)
#   share/doc/kartovex/     the help pages
#   share/applications/, share/icons/, share/man/man1/
# kartovex-cli --init finds the last two relative to itself: keep "lib" and
# "share" plain (no multiarch folder).

set(kartovex_bin_programs orvandel orvandel-coef orvandel-fit kartovex kartovex-cli)
foreach(program IN LISTS kartovex_bin_programs)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION bin)
  endif()
endforeach()
install(TARGETS quillon27 vesperan lumbrix RUNTIME DESTINATION lib/kartovex)

# The template: programs come from bin and lib/kartovex at --init, env.sh is
# not needed (DATAFILE defaults to the folder beside KARTOVEX.INI), and no
# work file or result may travel with it.
install(DIRECTORY ${KARTOVEX_TEST_DEMO}/ DESTINATION share/kartovex/demo
  REGEX "/(kartovex|kartovex-cli|env\\.sh)$" EXCLUDE
  REGEX "/BIN/(orvandel|quillon27|vesperan|lumbrix)$" EXCLUDE
  REGEX "/(WORKING|OUTPUT)/." EXCLUDE)

set(kartovex_help ${PROJECT_SOURCE_DIR}/companions/demo/help)
install(FILES ${kartovex_help}/KARTOVEX_EN.HTM ${kartovex_help}/KARTOVEX_FR.HTM
  DESTINATION share/doc/kartovex)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kartovex.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kartovex.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/kartovex-cli.1 ${PROJECT_SOURCE_DIR}/docs/man/orvandel.1
  ${PROJECT_SOURCE_DIR}/docs/man/orvandel-fit.1
  DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kartovex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kartovex developers")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kartovex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Coordinate conversion for New Brunswick, Nova Scotia and Prince Edward Island")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
