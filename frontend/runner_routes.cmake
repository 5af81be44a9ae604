# The run protocol and route tests start a stand-in console program.
add_executable(kartovex_fake_console ${CMAKE_CURRENT_LIST_DIR}/tests/runner_fake_console.cpp)
kartovex_warnings(kartovex_fake_console)
