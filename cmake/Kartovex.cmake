# Warnings for the project's own targets only (not for third-party headers).
function(kartovex_warnings target)
  # -Wrestrict gives false alarms on std::string concatenation in g++ 12
  # (clang has no such warning and would reject the option).
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()

# Test programs spend most of their build in the optimiser and in parsing the
# same test framework headers: they are built at -O1 (the code under test keeps
# its own flags) and each group precompiles its common headers.
function(kartovex_quick_test_build target)
  # g++ 12 at -O1 warns falsely on std::string copies (array-bounds,
  # stringop-overflow); the libraries keep every warning.
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O1>
    $<$<CXX_COMPILER_ID:GNU>:-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread>)
endfunction()

# The tests of one deliverable (engine, companions, front end, end-to-end)
# share one executable, GROUP, so that a build links a handful of test
# programs instead of one per file. ctest still lists each test by its own
# name and labels it with its group: `ctest -L engine_tests` runs one area.
# DIR's *_test.cpp files join GROUP; extra arguments are libraries to link.
# With KARTOVEX_TEST_SHARDS=N each group is instead N ctest entries of one
# process each: the sanitizer pass, where starting an instrumented process for
# each of two thousand tests costs more than the tests themselves.
set(KARTOVEX_TEST_SHARDS 0 CACHE STRING "Run each test group as this many GoogleTest shards (0: one ctest entry per test)")
function(kartovex_add_tests group dir)
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT test_sources)
    return()
  endif()
  if(NOT TARGET ${group})
    add_executable(${group})
    kartovex_warnings(${group})
    target_link_libraries(${group} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
    kartovex_quick_test_build(${group})
    target_precompile_headers(${group} PRIVATE
      <gtest/gtest.h> <gmock/gmock.h> <algorithm> <cmath> <cstdio> <filesystem>
      <fstream> <limits> <random> <sstream> <string> <vector>)
    target_compile_definitions(${group} PRIVATE
      KARTOVEX_TESTDATA="${PROJECT_SOURCE_DIR}/testdata"
      KARTOVEX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    if(KARTOVEX_TEST_SHARDS GREATER 0)
      # GoogleTest's own sharding: every test runs exactly once over the shards.
      math(EXPR last "${KARTOVEX_TEST_SHARDS} - 1")
      foreach(shard RANGE ${last})
        add_test(NAME ${group}_shard_${shard} COMMAND ${group})
        set_tests_properties(${group}_shard_${shard} PROPERTIES LABELS ${group} ENVIRONMENT
          "ORVANDEL_DATE=07-DEC-2026;GTEST_TOTAL_SHARDS=${KARTOVEX_TEST_SHARDS};GTEST_SHARD_INDEX=${shard}")
      endforeach()
    else()
      gtest_discover_tests(${group} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "ORVANDEL_DATE=07-DEC-2026" LABELS ${group})
    endif()
  endif()
  target_sources(${group} PRIVATE ${test_sources})
  target_include_directories(${group} PRIVATE ${dir})
  target_link_libraries(${group} PRIVATE ${ARGN})
endfunction()

# A library made of the sources of the folder it is declared in. Folders
# include each other's headers as "folder/file.h" from the tree that holds
# them (engine/ or frontend/). USES names the folders directly beneath this
# one: their libraries are linked, and this folder may include their headers
# and those of everything beneath them. A file that includes a header of any
# other folder of the tree fails the build, so the stack stays as declared.
#   kartovex_folder_library(<target> [SOURCES <files>] [USES <folders>])
# Without SOURCES every .cpp of the folder is taken.
function(kartovex_folder_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;USES")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  get_filename_component(tree ${CMAKE_CURRENT_SOURCE_DIR} DIRECTORY)
  if(arg_SOURCES)
    set(sources ${arg_SOURCES})
  else()
    file(GLOB sources CONFIGURE_DEPENDS *.cpp)
  endif()
  file(GLOB headers CONFIGURE_DEPENDS *.h)
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${tree})
  kartovex_warnings(${target})

  set(reach ${folder})
  foreach(used IN LISTS arg_USES)
    get_property(used_target GLOBAL PROPERTY kartovex_folder_target_${used})
    if(NOT used_target)
      message(FATAL_ERROR "${folder}/ uses ${used}/, which has no library yet: add it first")
    endif()
    get_property(used_reach GLOBAL PROPERTY kartovex_folder_reach_${used})
    list(APPEND reach ${used_reach})
    target_link_libraries(${target} PUBLIC ${used_target})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY kartovex_folder_target_${folder} ${target})
  set_property(GLOBAL PROPERTY kartovex_folder_reach_${folder} "${reach}")

  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${folder}_includes.checked)
  string(REPLACE ";" "," reach_arg "${reach}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DTREE=${tree} -DFOLDER=${folder} -DREACH=${reach_arg} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${sources} ${headers} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that ${folder}/ includes only the folders beneath it"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
