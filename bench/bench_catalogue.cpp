// Catalogue timings: every category's strip on the 105 x 105 thumbnail, and
// a few full-size looks of different kinds on a 24-megapixel photo.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "../tests/picture_folder.h"
#include "catalogue/catalogue.h"
#include "effectimage/effect_image.h"

using namespace corvessa;

namespace {

// A program folder with overlay pictures of about the shipped size, made
// once and removed when the benchmarks end.
class BenchFolder {
public:
    BenchFolder() {
        std::string temp = (std::filesystem::temp_directory_path() / "corvessa-bench.XXXXXX").string();
        if (mkdtemp(temp.data())) path_ = temp + "/";
        test::MakePictureFolder(path_, 400);
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& AppDir() const { return path_; }

private:
    std::string path_;
};

const std::string& AppDir() {
    static BenchFolder folder;
    return folder.AppDir();
}

TBitmap Photo(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b.Row(y);
        for (size_t i = 0; i < b.RowBytes(); ++i) row[i] = uint8_t((i * 5 + size_t(y) * 3) ^ (i >> 4));
    }
    return b;
}

class NoView : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { benchmark::DoNotOptimize(picture.Data()); }
    void SetChangeColorButton(bool) override {}
};

void BM_Strip(benchmark::State& state) {
    RandomGenerator random(1);
    TProEffectImage effect(random);
    RenderContext ctx{false, nullptr, AppDir(), &effect};
    const TBitmap work = Photo(1600, 1200);
    TBitmap thumb(kThumbSide, kThumbSide), result;
    NoView view;
    for (auto _ : state) RenderStrip(int(state.range(0)), work, thumb, result, ctx, view);
    state.SetLabel(std::string(FindCategory(int(state.range(0)))->caption));
}
BENCHMARK(BM_Strip)->DenseRange(1, kCategoryCount)->Unit(benchmark::kMillisecond)->UseRealTime();

const TBitmap& BigPhoto() {
    static const TBitmap photo = Photo(6000, 4000);
    return photo;
}

void BM_FullSizeLook(benchmark::State& state) {
    const int category = int(state.range(0)), n = int(state.range(1));
    RandomGenerator random(1);
    TProEffectImage effect(random);
    RenderContext ctx{false, nullptr, AppDir(), &effect};
    TBitmap result;
    for (auto _ : state) ImgViewClick(n, category, BigPhoto(), result, ctx);
    state.SetLabel(std::string(FindCategory(category)->caption) + " " + std::to_string(n));
}
// An overlay, a frame, a mask tint, the pencil drawing, the mosaic painting
// and the three-step preset.
BENCHMARK(BM_FullSizeLook)
    ->Args({1, 3})
    ->Args({10, 9})
    ->Args({8, 9})
    ->Args({15, 7})
    ->Args({15, 9})
    ->Args({16, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

}  // namespace
