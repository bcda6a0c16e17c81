// Export's costs on the 24-megapixel photo: a PNG save (of the photo with
// grain) beside libvips'
// pngsave at the same zlib level and beside libpng's own row loop (how the
// program saved before its compression ran on every core), with the
// files' sizes; and the resampling to a 2048-pixel long edge as a ratio
// to one memcpy. Each iteration times the two side by side, so that the
// machine's drift hits both alike.

#include <benchmark/benchmark.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "ground/resample.h"
#include "io/files.h"
#include "io/png_codec.h"

namespace corvessa::bench {
namespace {

namespace fs = std::filesystem;

constexpr const char* kVips = "/usr/bin/vips";

std::string Scratch(const char* name) { return "/tmp/corvessa-bench-" + std::to_string(getpid()) + "-" + name; }

// The photo as a binary PPM (RGB), which vips reads.
void WritePpm(const TBitmap& photo, const std::string& path) {
    std::vector<uint8_t> bytes;
    const std::string head = "P6\n" + std::to_string(photo.Width()) + " " + std::to_string(photo.Height()) + "\n255\n";
    bytes.assign(head.begin(), head.end());
    for (int y = 0; y < photo.Height(); ++y)
        for (int x = 0; x < photo.Width(); ++x)
            for (int c = 2; c >= 0; --c) bytes.push_back(photo.Pixel(x, y)[c]);
    WriteFileSafely(path, bytes);
}

void Collect(png_structp png, png_bytep data, size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

// libpng's own row loop at `level`, as the program's PNG writer was.
std::vector<uint8_t> LibpngPng(const TBitmap& picture, int level) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, Collect, nullptr);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, png_uint_32(picture.Width()), png_uint_32(picture.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int y = 0; y < picture.Height(); ++y) png_write_row(png, picture.Row(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// The photo with a camera's grain, which is what makes a real photo's PNG
// large: smooth pictures compress many times better than photos do.
const TBitmap& GrainyPhoto() {
    static const TBitmap grainy = [] {
        TBitmap photo;
        photo.CopyFrom(Photo24());
        uint32_t state = 12345;
        for (int y = 0; y < photo.Height(); ++y) {
            uint8_t* row = photo.Row(y);
            for (size_t i = 0; i < photo.RowBytes(); ++i) {
                state = state * 1664525u + 1013904223u;
                row[i] = uint8_t(std::clamp(int(row[i]) + int(state >> 28) - 8, 0, 255));
            }
        }
        return photo;
    }();
    return grainy;
}

double Megabytes(const std::string& path) {
    std::error_code ec;
    return double(fs::file_size(path, ec)) / 1e6;
}

void BM_SavePng24VsVipsAndLibpng(benchmark::State& state) {
    if (access(kVips, X_OK) != 0) {
        state.SkipWithError("vips is not installed (scripts/install-deps.sh bench)");
        return;
    }
    const TBitmap& photo = GrainyPhoto();
    const std::string ppm = Scratch("photo.ppm"), native = Scratch("photo.v"), ours = Scratch("ours.png"),
                      theirs = Scratch("vips.png"), before = Scratch("libpng.png");
    WritePpm(photo, ppm);
    const std::string convert = std::string(kVips) + " copy " + ppm + " " + native;
    const std::string save = std::string(kVips) + " copy " + native + " '" + theirs + "[compression=" +
                             std::to_string(kPngLevel) + "]'";
    if (std::system(convert.c_str()) != 0) state.SkipWithError("vips could not read the photo");
    Stopwatch oursWatch, vipsWatch, libpngWatch;
    for (auto _ : state) {
        const double ms = oursWatch.Time([&] { WriteFileSafely(ours, EncodePng(photo)); }) +
                          vipsWatch.Time([&] { benchmark::DoNotOptimize(std::system(save.c_str())); }) +
                          libpngWatch.Time([&] { WriteFileSafely(before, LibpngPng(photo, kPngLevel)); });
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["ours_ms"] = oursWatch.Median();
    state.counters["vips_ms"] = vipsWatch.Median();
    state.counters["libpng_ms"] = libpngWatch.Median();
    state.counters["x_vips"] = oursWatch.Median() / vipsWatch.Median();
    state.counters["x_libpng"] = oursWatch.Median() / libpngWatch.Median();
    state.counters["ours_MB"] = Megabytes(ours);
    state.counters["vips_MB"] = Megabytes(theirs);
    state.counters["libpng_MB"] = Megabytes(before);
    for (const std::string& path : {ppm, native, ours, theirs, before}) unlink(path.c_str());
}
BENCHMARK(BM_SavePng24VsVipsAndLibpng)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Resample24To2048(benchmark::State& state) {
    const TBitmap& photo = Photo24();
    const PictureSize size = WithLongEdge(photo.Width(), photo.Height(), 2048);
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(Resample(photo, size.width, size.height).Data()); });
}
BENCHMARK(BM_Resample24To2048)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace
}  // namespace corvessa::bench
