# kartovex-cli: PROCESS of the main window from the command line.
if(TARGET kartovex_core)
  add_library(kartovex_cli_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_sink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_run.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_routes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli/cli_init.cpp)
  target_link_libraries(kartovex_cli_core PUBLIC kartovex_core)
  # --version: the project's version and the day the build was configured.
  string(TIMESTAMP kartovex_build_date "%Y-%m-%d" UTC)
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/cli/cli_options.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    KARTOVEX_VERSION="${PROJECT_VERSION}" KARTOVEX_BUILD_DATE="${kartovex_build_date}")
  kartovex_warnings(kartovex_cli_core)

  add_executable(kartovex-cli ${CMAKE_CURRENT_LIST_DIR}/cli/main.cpp)
  target_link_libraries(kartovex-cli PRIVATE kartovex_cli_core)
  kartovex_warnings(kartovex-cli)
endif()
