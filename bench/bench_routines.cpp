// Each photo effect routine on a 24-megapixel photo; the overlay pictures
// are 1600 x 1200 JPEGs written to a temporary pic folder at start.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "effectimage/effect_image.h"
#include "bench_support.h"
#include "io/jpeg_codec.h"
#include "io/picture_source.h"
#include "looks/line_art.h"
#include "looks/overlay.h"
#include "looks/painterly.h"
#include "looks/tints.h"

using namespace corvessa;

namespace {

constexpr int kWidth = bench::kPhotoWidth, kHeight = bench::kPhotoHeight;
using bench::Pattern;

const TBitmap& Photo() { return bench::Photo24(); }

// A program folder with the pictures every routine reads, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        char pattern[] = "/tmp/corvessa-bench-XXXXXX";
        dir_ = mkdtemp(pattern);
        const std::vector<uint8_t> jpeg = EncodeJpeg(Pattern(1600, 1200, 40));
        for (const char* file : {"weather/1", "gradient/1", "EdgeA/1", "color/1", "color/2", "line/1", "line/9"}) {
            const std::filesystem::path path = std::filesystem::path(dir_) / "pic" / (std::string(file) + ".ssl");
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
        }
    }
    ~BenchFolder() { std::filesystem::remove_all(dir_); }
    std::string AppDir() const { return dir_ + "/"; }

private:
    std::string dir_;
};

struct Program {
    BenchFolder folder;
    FolderPictures pictures{folder.AppDir() + "pic"};
    RenderContext ctx{false, nullptr, &pictures};
};

const RenderContext& Ctx() {
    static Program program;
    return program.ctx;
}

template <class F>
void Run(benchmark::State& state, F routine) {
    TBitmap dest;
    for (auto _ : state) routine(dest);
}

void Register() {
    Ctx();  // the pictures and the photo are made before any timing starts
    Photo();
    auto add = [](const char* name, auto fn) {
        benchmark::RegisterBenchmark(name, [fn](benchmark::State& s) { Run(s, fn); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    // In-place routines work on a fresh copy each time; the copy is timed too.
    auto inPlace = [](auto fn) {
        return [fn](TBitmap& b) {
            b.CopyFrom(Photo());
            fn(b);
        };
    };
    add("Routines/CopyOnly", inPlace([](TBitmap&) {}));
    add("Routines/MaskOverlay", [](TBitmap& d) { MaskOverlay(Photo(), d, {"EdgeA", 1}, kWhite, Ctx()); });
    add("Routines/OverlayPicture/screen", [](TBitmap& d) { OverlayPicture(Photo(), d, {"weather", 1}, OverlayBlend::kScreen, Ctx()); });
    add("Routines/OverlayPicture/overlay", [](TBitmap& d) { OverlayPicture(Photo(), d, {"gradient", 1}, OverlayBlend::kOverlay, Ctx()); });
    add("Routines/ContrastCurve", [](TBitmap& d) { ContrastCurve(Photo(), d); });
    add("Routines/ColorBurnTint", inPlace([](TBitmap& b) { ColorBurnTint(b, Rgb{192, 192, 129}, Ctx()); }));
    add("Routines/QuadColorTint", inPlace([](TBitmap& b) { QuadColorTint(b); }));
    add("Routines/PictureColorTint", inPlace([](TBitmap& b) { PictureColorTint(b, 1, Rgb{255, 0, 255}, Ctx()); }));
    add("Routines/ColorMaskTint", [](TBitmap& d) { ColorMaskTint(Photo(), d, Rgb{255, 0, 0}, Ctx()); });
    add("Routines/InvertColors", inPlace([](TBitmap& b) { InvertColors(b); }));
    for (int mode : {1, 5, 7})
        add(("Routines/SketchBlend/" + std::to_string(mode)).c_str(),
            [mode](TBitmap& d) { SketchBlend(Photo(), d, mode); });
    add("Routines/DiagonalSharpen", inPlace([](TBitmap& b) { DiagonalSharpen(b); }));
    add("Routines/MosaicPainting", [](TBitmap& d) { MosaicPainting(Photo(), d); });
    add("Routines/PencilSketch", [](TBitmap& d) { PencilSketch(Photo(), d, Ctx()); });
    add("Routines/LinePattern/1", [](TBitmap& d) { LinePattern(Photo(), d, 1, Ctx()); });
    add("Routines/LinePattern/9", [](TBitmap& d) { LinePattern(Photo(), d, 9, Ctx()); });
}

const int registered = (Register(), 0);

}  // namespace
