# Opening 24-megapixel HEIC and PNG photos beside libheif's and libpng's
# own decoding of the same files.
find_package(PNG REQUIRED)
list(APPEND CORVESSA_BENCH_SOURCES bench_photo_io.cpp)
list(APPEND CORVESSA_BENCH_LIBS corvessa_photoio PkgConfig::HEIF PNG::PNG)
