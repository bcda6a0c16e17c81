// Opening a 24-megapixel HEIC (one picture, and a grid of 512 x 512 tiles
// as phones write it) and PNG photo as the window does (file read,
// decoding, camera data, orientation) beside the library's own decoding of
// the same file bytes into interleaved RGB. Each iteration times both, one
// after the other, so that the machine's drift hits both alike; reported
// are both medians and their ratio.

#include <benchmark/benchmark.h>
#include <libheif/heif.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "codec_fixtures.h"
#include "format_fixtures.h"
#include "io/files.h"
#include "io/orientation.h"
#include "io/photo_formats.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/png_codec.h"

namespace corvessa::bench {
namespace {

heif_error AppendHeif(heif_context*, const void* data, size_t size, void* out) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(out);
    bytes->insert(bytes->end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// The 24-megapixel photo as a HEIC of quality 80, made once.
std::vector<uint8_t> EncodeHeic(const TBitmap& photo) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 80);
    heif_image* image = nullptr;
    heif_image_create(photo.Width(), photo.Height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, photo.Width(), photo.Height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < photo.Height(); ++y)
        for (int x = 0; x < photo.Width(); ++x)
            for (int c = 0; c < 3; ++c) plane[y * stride + 3 * x + c] = photo.Pixel(x, y)[2 - c];
    heif_context_encode_image(context, image, encoder, nullptr, nullptr);
    std::vector<uint8_t> out;
    heif_writer writer{1, AppendHeif};
    heif_context_write(context, &writer, &out);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return out;
}

std::string PhotoFile(const char* extension) {
    const std::string path = "/tmp/corvessa-bench-" + std::to_string(getpid()) + "." + extension;
    if (access(path.c_str(), R_OK) != 0)
        WriteFileSafely(path, std::string(extension) == "heic" ? EncodeHeic(Photo24()) : EncodePng(Photo24()));
    return path;
}

// The 24-megapixel photo as phones store it: a grid of 512 x 512 tiles (the
// last row and column cut by the grid), each a HEIC picture of quality 80.
std::string GridFile() {
    const std::string path = "/tmp/corvessa-bench-" + std::to_string(getpid()) + "-grid.heic";
    if (access(path.c_str(), R_OK) == 0) return path;
    const TBitmap& photo = Photo24();
    constexpr int kTile = 512;
    const int columns = (photo.Width() + kTile - 1) / kTile, rows = (photo.Height() + kTile - 1) / kTile;
    std::vector<test::HeifTile> tiles;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            TBitmap tile(kTile, kTile);
            for (int y = 0; y < kTile; ++y)
                for (int x = 0; x < kTile; ++x)
                    std::memcpy(tile.Pixel(x, y),
                                photo.Pixel(std::min(photo.Width() - 1, column * kTile + x),
                                            std::min(photo.Height() - 1, row * kTile + y)),
                                3);
            tiles.push_back(test::TileOf(EncodeHeic(tile)));
        }
    WriteFileSafely(path, test::MakeHeifGrid({.width = uint32_t(photo.Width()), .height = uint32_t(photo.Height()),
                                              .columns = columns, .rows = rows, .tiles = tiles}));
    return path;
}

// libheif's own decoding: the primary image into interleaved RGB.
void LibheifDecode(const std::vector<uint8_t>& file) {
    heif_context* context = heif_context_alloc();
    heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr);
    heif_image_handle* handle = nullptr;
    heif_context_get_primary_image_handle(context, &handle);
    heif_image* image = nullptr;
    heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    int stride = 0;
    benchmark::DoNotOptimize(heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride));
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
}

struct PngInput {
    const std::vector<uint8_t>* file;
    size_t at;
};

void ReadPngBytes(png_structp png, png_bytep out, size_t count) {
    auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
    std::memcpy(out, in->file->data() + in->at, count);
    in->at += count;
}

// libpng's own decoding: every row as 8-bit RGB into one buffer.
void LibpngDecode(const std::vector<uint8_t>& file, std::vector<uint8_t>& pixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) std::abort();
    PngInput input{&file, 0};
    png_set_read_fn(png, &input, ReadPngBytes);
    png_read_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    pixels.resize(rowBytes * height);
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, pixels.data() + rowBytes * y, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

template <class Ours, class Theirs>
void SideBySide(benchmark::State& state, const char* theirsName, Ours&& ours, Theirs&& theirs) {
    Stopwatch oursWatch, theirsWatch;
    for (auto _ : state) state.SetIterationTime((oursWatch.Time(ours) + theirsWatch.Time(theirs)) / 1000.0);
    state.counters["open_ms"] = oursWatch.Median();
    state.counters[theirsName] = theirsWatch.Median();
    state.counters["x_library"] = oursWatch.Median() / theirsWatch.Median();
}

// Our Open of the HEIC at `path` beside libheif's own decode of it.
void OpenHeicVsLibheif(benchmark::State& state, const std::string& path) {
    SideBySide(
        state, "libheif_ms",
        [&] {
            PhotoMetadata metadata;
            benchmark::DoNotOptimize(ReadPhotoUpright(path, metadata).Data());
        },
        [&] { LibheifDecode(ReadWholeFile(path)); });
    unlink(path.c_str());
}

void BM_OpenHeic24VsLibheif(benchmark::State& state) { OpenHeicVsLibheif(state, PhotoFile("heic")); }
BENCHMARK(BM_OpenHeic24VsLibheif)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

void BM_OpenHeicGrid24VsLibheif(benchmark::State& state) { OpenHeicVsLibheif(state, GridFile()); }
BENCHMARK(BM_OpenHeicGrid24VsLibheif)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

void BM_OpenPng24VsLibpng(benchmark::State& state) {
    const std::string path = PhotoFile("png");
    std::vector<uint8_t> pixels;
    SideBySide(
        state, "libpng_ms",
        [&] {
            PhotoMetadata metadata;
            benchmark::DoNotOptimize(ReadPhotoUpright(path, metadata).Data());
        },
        [&] { LibpngDecode(ReadWholeFile(path), pixels); });
    unlink(path.c_str());
}
BENCHMARK(BM_OpenPng24VsLibpng)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

// Open as it was before the codecs ran in their helper process: the same
// steps as ReadPhotoUpright, the table row's reader called here.
void OpenInThisProcess(const std::string& path, PhotoFormatId id) {
    const PhotoFormat& format = FormatOf(id);
    const std::vector<uint8_t> file = ReadPhotoBytes(path);
    TBitmap photo = format.read(file.data(), file.size(), nullptr);
    const PhotoMetadata metadata = format.readMetadata ? format.readMetadata(file.data(), file.size())
                                                       : ReadPhotoMetadata(file);
    ApplyOrientation(photo, metadata.Orientation());
    benchmark::DoNotOptimize(photo.Data());
}

// What the helper process costs an Open: the helper's start, the file's
// bytes in and the pixels out.
void OpenInHelperVsThisProcess(benchmark::State& state, const std::string& path, PhotoFormatId id) {
    SideBySide(
        state, "in_process_ms",
        [&] {
            PhotoMetadata metadata;
            benchmark::DoNotOptimize(ReadPhotoUpright(path, metadata).Data());
        },
        [&] { OpenInThisProcess(path, id); });
    state.counters["x_in_process"] = state.counters["x_library"];
    state.counters.erase("x_library");
    unlink(path.c_str());
}

void BM_OpenHeic24InHelperVsInProcess(benchmark::State& state) {
    OpenInHelperVsThisProcess(state, PhotoFile("heic"), PhotoFormatId::kHeic);
}
BENCHMARK(BM_OpenHeic24InHelperVsInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

void BM_OpenDng24InHelperVsInProcess(benchmark::State& state) {
    const std::string path = "/tmp/corvessa-bench-" + std::to_string(getpid()) + ".dng";
    WriteFileSafely(path, test::MakeDng({.width = 6000, .height = 4000}));
    OpenInHelperVsThisProcess(state, path, PhotoFormatId::kRaw);
}
BENCHMARK(BM_OpenDng24InHelperVsInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace corvessa::bench
