list(APPEND CORVESSA_BENCH_SOURCES bench_routines.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_looks corvessa_picio)
list(APPEND CORVESSA_BENCH_SOURCES bench_cube_lut.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_cubelut)
