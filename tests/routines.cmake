# The photo effect routines, one source per family.
set(ROUTINE_TESTS test_routines_overlay.cpp test_routines_tints.cpp test_routines_line_art.cpp)
if(TARGET corvessa_effectimage)
  list(APPEND ROUTINE_TESTS test_routines_painterly.cpp)
endif()
corvessa_test(test_routines SOURCES ${ROUTINE_TESTS} LIBS corvessa_routines corvessa_testsupport)
