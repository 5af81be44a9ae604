# Geodetic library: MPCORD against the reference projection library.
kartovex_add_bench(${CMAKE_CURRENT_SOURCE_DIR}/mpcord_bench.cpp geodesy PkgConfig::PROJ)
