# corvessa-render run end to end; the test finds the executable through
# CORVESSA_RENDER_PATH.
corvessa_test(test_cli SOURCES test_cli.cpp
  LIBS corvessa_batch corvessa_catalogue corvessa_photoio corvessa_testpictures corvessa_testformats corvessa_testsupport PkgConfig::EXIV2)
target_compile_definitions(test_cli PRIVATE CORVESSA_RENDER_PATH="$<TARGET_FILE:corvessa-render>"
  CORVESSA_FACES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/faces")
add_dependencies(test_cli corvessa-render)
