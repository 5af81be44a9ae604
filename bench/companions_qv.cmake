# QUILLON27 and VESPERAN: 100,000 points through each real program, timed
# by the child's own CPU time.
if(TARGET quillon27)
  kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/quillon27_bench.cpp)
  target_compile_definitions(quillon27_bench PRIVATE QUILLON27_EXE="$<TARGET_FILE:quillon27>")
  target_include_directories(quillon27_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(quillon27_bench quillon27)
endif()
if(TARGET vesperan)
  kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/vesperan_bench.cpp)
  target_compile_definitions(vesperan_bench PRIVATE VESPERAN_EXE="$<TARGET_FILE:vesperan>")
  target_include_directories(vesperan_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(vesperan_bench vesperan)
endif()
