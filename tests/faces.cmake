# Faces: the detector on a real portrait and on pictures without one, the
# mask, and every look of the shipped pack with the faces kept clear.
corvessa_test(test_faces SOURCES test_faces.cpp
  LIBS corvessa_catalogue corvessa_photoio corvessa_testpictures corvessa_testsupport)
add_dependencies(test_faces lookpack)
target_compile_definitions(test_faces PRIVATE
  CORVESSA_FACES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/faces"
  CORVESSA_PIC_DIR="${CORVESSA_OUTPUT_DIR}/pic")
