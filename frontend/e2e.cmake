# End-to-end tests: every route of the table run by the real programs on a
# private copy of the tests' demo installation.
kartovex_add_tests(e2e_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e kartovex_core PkgConfig::PROJ)
target_compile_definitions(e2e_tests PRIVATE KARTOVEX_DEMO_ROOT="${KARTOVEX_TEST_DEMO}")
# The demo installation is assembled in the companions' folder, read later.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL add_dependencies e2e_tests test_demo)
# The installed package: cmake --install into a DESTDIR, --init, a conversion.
# It installs every target, so it runs on a complete build.
add_test(NAME installed_package
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/installed_package.sh ${PROJECT_BINARY_DIR} ${CMAKE_COMMAND})
set_tests_properties(installed_package PROPERTIES LABELS e2e_tests ENVIRONMENT "ORVANDEL_DATE=07-DEC-2026")
