list(APPEND CORVESSA_BENCH_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_effectimage.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_effectimage)
