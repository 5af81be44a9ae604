# kartovex: the Qt Widgets windows over the core's models.
find_package(Qt6 QUIET COMPONENTS Widgets Test)
file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/gui/*.cpp)
list(FILTER gui_sources EXCLUDE REGEX "/main\\.cpp$")
if(TARGET kartovex_core AND Qt6Widgets_FOUND AND gui_sources AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/gui/main.cpp)
  file(GLOB gui_headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/gui/*.h)
  add_library(kartovex_gui STATIC ${gui_sources} ${gui_headers})
  # The About box: this build's version and the day it was configured.
  string(TIMESTAMP kartovex_gui_build_date "%Y-%m-%d" UTC)
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/gui/frm_about.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    KARTOVEX_VERSION="${PROJECT_VERSION}" KARTOVEX_BUILD_DATE="${kartovex_gui_build_date}")
  set_target_properties(kartovex_gui PROPERTIES AUTOMOC ON)
  target_precompile_headers(kartovex_gui PRIVATE <QtWidgets>)
  target_link_libraries(kartovex_gui PUBLIC kartovex_core Qt6::Widgets)
  kartovex_warnings(kartovex_gui)

  add_executable(kartovex ${CMAKE_CURRENT_LIST_DIR}/gui/main.cpp)
  target_link_libraries(kartovex PRIVATE kartovex_gui)
  kartovex_warnings(kartovex)

  # Qt Test classes driving the real widgets, offscreen, in one program.
  if(Qt6Test_FOUND)
    file(GLOB gui_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/gui/*_test.cpp)
    add_executable(gui_tests ${gui_tests} ${CMAKE_CURRENT_LIST_DIR}/tests/gui/gui_tests_main.cpp
                   ${CMAKE_CURRENT_LIST_DIR}/tests/gui/gui_fixture.h)
    set_target_properties(gui_tests PROPERTIES AUTOMOC ON)
    kartovex_quick_test_build(gui_tests)
    target_precompile_headers(gui_tests PRIVATE <QtTest> <QtWidgets>)
    target_link_libraries(gui_tests PRIVATE kartovex_gui Qt6::Test)
    target_include_directories(gui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/gui)
    target_compile_definitions(gui_tests PRIVATE
      KARTOVEX_TESTDATA="${PROJECT_SOURCE_DIR}/testdata"
      KARTOVEX_BINARY_DIR="${PROJECT_BINARY_DIR}"
      KARTOVEX_DEMO_IMAGE="${KARTOVEX_TEST_DEMO}"
      KARTOVEX_GUI_PROGRAM="$<TARGET_FILE:kartovex>"
      KARTOVEX_VERSION="${PROJECT_VERSION}")
    add_dependencies(gui_tests kartovex)
    kartovex_warnings(gui_tests)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL add_dependencies gui_tests test_demo)
    foreach(src IN LISTS gui_tests)
      get_filename_component(name ${src} NAME_WE)
      add_test(NAME gui_${name} COMMAND gui_tests ${name})
      set_tests_properties(gui_${name} PROPERTIES LABELS gui_tests
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVANDEL_DATE=07-DEC-2026")
    endforeach()
  endif()
endif()
