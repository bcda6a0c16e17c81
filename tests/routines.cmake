# The photo effect routines, one source per family.
corvessa_test(test_routines
  SOURCES
    test_routines_overlay.cpp
    test_routines_tints.cpp
    test_routines_painterly.cpp
    test_routines_line_art.cpp
  LIBS corvessa_routines corvessa_testsupport)

# The optimised routines against straightforward scalar references.
corvessa_test(test_fast_paths
  SOURCES test_fast_paths.cpp
  LIBS corvessa_catalogue corvessa_testsupport)
