# Whole routes on a copy of the demo installation, 100,000 points each.
if(TARGET kartovex_core)
  kartovex_add_bench(${CMAKE_CURRENT_SOURCE_DIR}/routes_bench.cpp kartovex_core)
  target_compile_definitions(routes_bench PRIVATE KARTOVEX_DEMO_ROOT="${KARTOVEX_TEST_DEMO}")
  if(EXISTS ${PROJECT_SOURCE_DIR}/companions/demo/CMakeLists.txt)
    add_dependencies(routes_bench test_demo)
  endif()
endif()
