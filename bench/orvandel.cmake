# ORVANDEL throughput: whole runs of the program, in-process.
kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/orvandel_run_bench.cpp orvandel_run)

# The built orvandel program against cs2cs, as child processes in one run.
add_executable(orvandel_vs_cs2cs ${CMAKE_CURRENT_LIST_DIR}/orvandel_vs_cs2cs.cpp)
kartovex_warnings(orvandel_vs_cs2cs)
target_link_libraries(orvandel_vs_cs2cs PRIVATE orvandel_transform)
target_compile_definitions(orvandel_vs_cs2cs PRIVATE ORVANDEL_EXE="$<TARGET_FILE:orvandel>")
add_dependencies(orvandel_vs_cs2cs orvandel)
