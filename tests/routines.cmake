# The photo effect routines, one source per family.
corvessa_test(test_routines
  SOURCES
    test_routines_overlay.cpp
    test_routines_tints.cpp
    test_routines_painterly.cpp
    test_routines_line_art.cpp
  LIBS corvessa_looks corvessa_effectimage corvessa_testsupport)

# The optimised routines against straightforward scalar references.
corvessa_test(test_fast_paths
  SOURCES test_fast_paths.cpp
  LIBS corvessa_catalogue corvessa_testsupport)
# Again with the kernels the processor would not choose for itself: the
# plain x86-64 and the AVX2 versions must give the same bytes.
foreach(level baseline avx2)
  add_test(NAME fast_paths_${level}_kernels COMMAND test_fast_paths)
  set_tests_properties(fast_paths_${level}_kernels PROPERTIES ENVIRONMENT "CORVESSA_VECTORS=${level}")
endforeach()

# The user's .cube tables: the reader and the applier.
corvessa_test(test_cube_lut SOURCES test_cube_lut.cpp test_user_looks.cpp LIBS corvessa_cubelut corvessa_testsupport)
