# The edits before a look: geometry, adjustments and Auto, against small
# references.
corvessa_test(test_edit
  SOURCES
    edit/reference_edits.cpp
    edit/test_geometry.cpp
    edit/test_adjust.cpp
  LIBS corvessa_edit corvessa_testsupport)
