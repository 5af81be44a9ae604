# The run protocol and route tests start a stand-in console program.
add_executable(kartovex_fake_console ${CMAKE_CURRENT_LIST_DIR}/tests/runner_fake_console.cpp)
kartovex_warnings(kartovex_fake_console)

# The test executables are made after the *.cmake files are read.
function(kartovex_runner_routes_tests)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/runner_*_test.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/tests/routes_*_test.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(name ${src} NAME_WE)
    if(TARGET ${name})
      add_dependencies(${name} kartovex_fake_console)
      target_compile_definitions(${name} PRIVATE
        KARTOVEX_FAKE_CONSOLE="$<TARGET_FILE:kartovex_fake_console>"
        KARTOVEX_DEMO_DIR="${PROJECT_BINARY_DIR}/demo")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL kartovex_runner_routes_tests)

# The end-to-end test needs the assembled demo installation, which is made
# in another directory; wait until every target exists.
function(kartovex_routes_demo_dependency)
  if(TARGET routes_demo_test AND TARGET demo)
    add_dependencies(routes_demo_test demo)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kartovex_routes_demo_dependency)
