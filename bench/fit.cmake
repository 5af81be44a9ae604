# orvandel-fit: fitting a province's model to control stations.
kartovex_add_bench(${CMAKE_CURRENT_LIST_DIR}/orvandel_fit_bench.cpp orvandel_fit)
