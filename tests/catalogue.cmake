# A program folder with every overlay picture the catalogue names, written
# on the spot; shared by the catalogue and command-line tests.
add_library(corvessa_testpictures STATIC picture_folder.cpp)
target_link_libraries(corvessa_testpictures PUBLIC corvessa_picio corvessa_catalogue)
target_include_directories(corvessa_testpictures PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

corvessa_test(test_catalogue SOURCES test_catalogue.cpp
  LIBS corvessa_catalogue corvessa_testpictures corvessa_testsupport)

# Routines, effects and looks on empty, one-pixel and one-pixel-thin pictures.
corvessa_test(test_edge_sizes SOURCES test_edge_sizes.cpp
  LIBS corvessa_catalogue corvessa_testpictures corvessa_testsupport)

# Every look, strip and effect against the hashes recorded in tests/golden.
corvessa_test(test_golden SOURCES test_golden.cpp
  LIBS corvessa_catalogue corvessa_testpictures corvessa_testsupport)
target_compile_definitions(test_golden PRIVATE CORVESSA_GOLDEN_HASHES="${CMAKE_CURRENT_SOURCE_DIR}/golden/hashes.txt")

# The photo being edited: Open, Apply, Undo, Save (where it goes), the renders
# and My Looks' pages.
corvessa_test(test_photo_session SOURCES test_photo_session.cpp test_photo_edit.cpp test_save_target.cpp test_my_looks_model.cpp
  LIBS corvessa_session corvessa_testpictures corvessa_testsupport)
target_compile_definitions(test_photo_session PRIVATE CORVESSA_FACES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/faces")

# Work given up on: row loops, decoders and renders stop; a flag never set changes nothing.
corvessa_test(test_stop SOURCES test_stop.cpp
  LIBS corvessa_catalogue corvessa_photoio corvessa_testpictures corvessa_testsupport)
