# LUMBRIX: 100,000 points through a whole run (answers, grid, files).
if(TARGET lumbrix_core)
  kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/lumbrix_bench.cpp lumbrix_core ntv2)
endif()
