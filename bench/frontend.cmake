# Front-end core: program input written and result read back for a large file.
if(TARGET kartovex_core)
  kartovex_add_bench(${CMAKE_CURRENT_SOURCE_DIR}/frontend_io_bench.cpp kartovex_core)
endif()
