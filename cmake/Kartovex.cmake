# Warnings for the project's own targets only (not for third-party headers).
function(kartovex_warnings target)
  # -Wrestrict gives false alarms on std::string concatenation in g++ 12
  # (clang has no such warning and would reject the option).
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()

# One test executable per *_test.cpp file in DIR, so a broken test file
# never hides the others. Extra arguments are the libraries to link.
function(kartovex_add_tests dir)
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  foreach(src IN LISTS test_sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    kartovex_warnings(${name})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
      KARTOVEX_TESTDATA="${PROJECT_SOURCE_DIR}/testdata"
      KARTOVEX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "ORVANDEL_DATE=07-DEC-2026")
  endforeach()
endfunction()
