# Opening 24-megapixel HEIC (one picture and a phone's grid of tiles) and
# PNG photos beside libheif's and libpng's own decoding of the same files;
# the grid is put together by the tests' HEIF fixtures. Saving a PNG
# beside vips and libpng's own loop, and the resampling of Export.
find_package(PNG REQUIRED)
list(APPEND CORVESSA_BENCH_SOURCES bench_photo_io.cpp bench_export.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_photoio corvessa_testformats corvessa_testcodecs PkgConfig::HEIF PNG::PNG)
