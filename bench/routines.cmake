list(APPEND CORVESSA_BENCH_SOURCES bench_routines.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_looks corvessa_picio)
