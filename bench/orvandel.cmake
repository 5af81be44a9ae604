# ORVANDEL throughput: whole runs of the program, in-process.
kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/orvandel_run_bench.cpp orvandel_run)
