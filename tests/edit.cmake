# The edits before a look: geometry, adjustments and Auto, against small
# references, and the documents against the adjustment table.
corvessa_test(test_edit
  SOURCES
    edit/reference_edits.cpp
    edit/test_geometry.cpp
    edit/test_adjust.cpp
    edit/test_documents.cpp
  LIBS corvessa_edit corvessa_testsupport)
target_compile_definitions(test_edit PRIVATE CORVESSA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# Again with the kernels the processor would not choose for itself: the
# plain x86-64 and the AVX2 versions must give the same bytes.
foreach(level baseline avx2)
  add_test(NAME edit_${level}_kernels COMMAND test_edit)
  set_tests_properties(edit_${level}_kernels PROPERTIES ENVIRONMENT "CORVESSA_VECTORS=${level}")
endforeach()
