# The screen: area-averaged fitting and the strength mix.
list(APPEND CORVESSA_BENCH_SOURCES bench_display.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_widgets)
