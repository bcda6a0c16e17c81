// Export's costs on the 24-megapixel photo: a PNG save (of the photo with
// grain) beside libvips' pngsave at the same zlib level and beside
// libpng's own row loop (how the program saved before its compression ran
// on every core), with the files' sizes and the processor time of the
// program's save (all its threads); and the resampling to a 2048-pixel
// long edge as a ratio to one memcpy. Each iteration times them side by
// side, so that the machine's drift hits them alike.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <png.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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

// The program's save waits for the disk (WriteFileSafely syncs the file
// before renaming it into place); vips's is made to wait alike.
void SyncFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

double ProcessCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The processor time of the commands run and waited for so far.
double ChildCpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
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
                      theirs = Scratch("vips.png"), theirsAll = Scratch("vips-all.png"),
                      before = Scratch("libpng.png");
    WritePpm(photo, ppm);
    const std::string convert = std::string(kVips) + " copy " + ppm + " " + native;
    // vips's own filter choice (none: larger files), and libpng's adaptive
    // choice among all five, which the program makes too.
    const std::string level = "[compression=" + std::to_string(kPngLevel);
    const std::string save = std::string(kVips) + " copy " + native + " '" + theirs + level + "]'";
    const std::string saveAll = std::string(kVips) + " copy " + native + " '" + theirsAll + level + ",filter=all]'";
    if (std::system(convert.c_str()) != 0) state.SkipWithError("vips could not read the photo");
    Stopwatch oursWatch, vipsWatch, vipsAllWatch, libpngWatch, encodeWatch;
    std::vector<double> cpu, vipsCpu, vipsAllCpu;
    for (auto _ : state) {
        const double cpuBefore = ProcessCpuMilliseconds();
        double ms = oursWatch.Time([&] {
            std::vector<uint8_t> file;
            encodeWatch.Time([&] { file = EncodePng(photo); });
            WriteFileSafely(ours, file);
        });
        cpu.push_back(ProcessCpuMilliseconds() - cpuBefore);
        ms +=
                          vipsWatch.Time([&] {
                              const double before = ChildCpuMilliseconds();
                              benchmark::DoNotOptimize(std::system(save.c_str()));
                              vipsCpu.push_back(ChildCpuMilliseconds() - before);
                              SyncFile(theirs);
                          }) +
                          vipsAllWatch.Time([&] {
                              const double before = ChildCpuMilliseconds();
                              benchmark::DoNotOptimize(std::system(saveAll.c_str()));
                              vipsAllCpu.push_back(ChildCpuMilliseconds() - before);
                              SyncFile(theirsAll);
                          }) +
                          libpngWatch.Time([&] { WriteFileSafely(before, LibpngPng(photo, kPngLevel)); });
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["ours_ms"] = oursWatch.Median();
    state.counters["vips_ms"] = vipsWatch.Median();
    state.counters["libpng_ms"] = libpngWatch.Median();
    state.counters["x_vips"] = oursWatch.Median() / vipsWatch.Median();
    state.counters["x_libpng"] = oursWatch.Median() / libpngWatch.Median();
    state.counters["ours_cpu_ms"] = Median(cpu);
    state.counters["vips_cpu_ms"] = Median(vipsCpu);
    state.counters["vips_all_cpu_ms"] = Median(vipsAllCpu);
    state.counters["ours_encode_ms"] = encodeWatch.Median();
    state.counters["vips_all_ms"] = vipsAllWatch.Median();
    state.counters["vips_all_MB"] = Megabytes(theirsAll);
    state.counters["x_vips_all"] = oursWatch.Median() / vipsAllWatch.Median();
    state.counters["ours_MB"] = Megabytes(ours);
    state.counters["vips_MB"] = Megabytes(theirs);
    state.counters["libpng_MB"] = Megabytes(before);
    for (const std::string& path : {ppm, native, ours, theirs, theirsAll, before}) unlink(path.c_str());
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
