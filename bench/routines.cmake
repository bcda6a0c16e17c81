list(APPEND CORVESSA_BENCH_SOURCES bench_routines.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_routines)
