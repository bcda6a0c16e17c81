# Every look at full size, every strip cold and warm, and Open; the overlay
# pictures are made on the spot by the tests' picture-folder helper.
list(APPEND CORVESSA_BENCH_SOURCES bench_catalogue.cpp ${CMAKE_SOURCE_DIR}/tests/picture_folder.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_catalogue corvessa_photoio)
