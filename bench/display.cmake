# The screen: area-averaged fitting, the strength mix and the Edit panel's view.
list(APPEND CORVESSA_BENCH_SOURCES bench_display.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_widgets corvessa_session)
