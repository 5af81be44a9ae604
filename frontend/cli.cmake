# kartovex-cli: PROCESS of the main window from the command line.
if(TARGET kartovex_core)
  add_library(kartovex_cli_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_sink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_run.cpp)
  target_link_libraries(kartovex_cli_core PUBLIC kartovex_core)
  kartovex_warnings(kartovex_cli_core)

  add_executable(kartovex-cli ${CMAKE_CURRENT_LIST_DIR}/cli/main.cpp)
  target_link_libraries(kartovex-cli PRIVATE kartovex_cli_core)
  kartovex_warnings(kartovex-cli)

  # The cli_* tests link the driver's library and run the built program;
  # they are made after this file is read, hence the deferred call.
  function(kartovex_cli_test_links)
    file(GLOB cli_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/cli_*_test.cpp)
    foreach(src IN LISTS cli_tests)
      get_filename_component(name ${src} NAME_WE)
      if(TARGET ${name})
        target_link_libraries(${name} PRIVATE kartovex_cli_core)
        target_compile_definitions(${name} PRIVATE KARTOVEX_CLI="$<TARGET_FILE:kartovex-cli>")
        add_dependencies(${name} kartovex-cli)
        # The end-to-end checks place points with PROJ (tests only).
        if(TARGET PkgConfig::PROJ)
          target_link_libraries(${name} PRIVATE PkgConfig::PROJ)
        endif()
      endif()
    endforeach()
  endfunction()
  cmake_language(DEFER CALL kartovex_cli_test_links)
endif()
