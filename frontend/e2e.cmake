# End-to-end tests: every route of the table run by the real programs on a
# private copy of the demo installation.
if(TARGET kartovex_core AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e)
  kartovex_add_tests(${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e kartovex_core PkgConfig::PROJ)
  file(GLOB e2e_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/*_test.cpp)
  foreach(src IN LISTS e2e_tests)
    get_filename_component(name ${src} NAME_WE)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e)
    target_compile_definitions(${name} PRIVATE
      KARTOVEX_DEMO_ROOT="${PROJECT_BINARY_DIR}/demo")
    if(TARGET kartovex-cli)
      add_dependencies(${name} kartovex-cli)
    endif()
    if(TARGET orvandel)
      add_dependencies(${name} orvandel)
    endif()
    # The companions are added after this file is read; add_dependencies
    # accepts targets made later, their folders tell whether they will exist.
    foreach(piece demo quillon27 vesperan lumbrix)
      if(EXISTS ${PROJECT_SOURCE_DIR}/companions/${piece}/CMakeLists.txt)
        add_dependencies(${name} ${piece})
      endif()
    endforeach()
  endforeach()
endif()
