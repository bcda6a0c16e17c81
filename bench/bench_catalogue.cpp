// The catalogue as the user feels it: every one of the 160 looks rendered
// at full size on a 24-megapixel photo, every category's strip cold (first
// time) and warm (second time), and opening a 24-megapixel JPEG. Times are
// reported beside one memcpy of the photo buffer measured in the same run.
//
// The overlay pictures come from $CORVESSA_BENCH_PIC (a folder holding
// pic/), else from build/bin/pic when the look pack has been generated,
// else they are made at start: 1600 x 1200, the shipped size.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "../tests/picture_folder.h"
#include "bench_support.h"
#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "effectimage/effect_image.h"
#include "ground/stop.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/picture_source.h"

using namespace corvessa;
using namespace corvessa::bench;
namespace fs = std::filesystem;

namespace {

class BenchFolder {
public:
    BenchFolder() {
        if (const char* given = std::getenv("CORVESSA_BENCH_PIC"); given && fs::is_directory(fs::path(given) / "pic")) {
            appDir_ = std::string(given) + "/";
            return;
        }
        std::error_code ec;
        const fs::path self = fs::read_symlink("/proc/self/exe", ec);
        const fs::path shipped = self.parent_path().parent_path() / "bin";
        if (!ec && fs::is_directory(shipped / "pic" / "lightA")) {
            appDir_ = shipped.string() + "/";
            return;
        }
        std::string temp = (fs::temp_directory_path() / "corvessa-bench.XXXXXX").string();
        if (!mkdtemp(temp.data())) throw std::runtime_error("cannot make " + temp);
        temp_ = temp;
        appDir_ = temp + "/";
        test::MakePictureFolder(appDir_, 1600, 1200);
    }
    ~BenchFolder() {
        std::error_code ec;
        if (!temp_.empty()) fs::remove_all(temp_, ec);
    }
    const std::string& AppDir() const { return appDir_; }
    // A scratch file path inside the folder's temporary area.
    std::string Scratch(const std::string& name) {
        if (temp_.empty()) {
            std::string temp = (fs::temp_directory_path() / "corvessa-bench.XXXXXX").string();
            if (!mkdtemp(temp.data())) throw std::runtime_error("cannot make " + temp);
            temp_ = temp;
        }
        return temp_ + "/" + name;
    }

private:
    std::string appDir_;
    std::string temp_;
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

// The program's state around a render: the picture cache and the
// context, made afresh for every benchmark so that nothing is warm from the
// one before.
struct Program {
    PictureCache cache;
    FolderPictures pictures{Folder().AppDir() + "pic", &cache};
    RenderContext ctx{false, nullptr, &pictures};
};

class NoView : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { benchmark::DoNotOptimize(picture.Data()); }
    void SetChangeColorButton(bool) override {}
};

// Full size: the first render (nothing cached) is reported apart; the timed
// iterations are the renders after it, into the same result buffer, as when
// the user looks at one effect after another.
void BM_Look(benchmark::State& state, int category, int effect) {
    const TBitmap& photo = Photo24();
    auto program = std::make_unique<Program>();
    TBitmap result;
    Stopwatch first;
    first.Time([&] { ImgViewClick(effect, category, photo, result, program->ctx); });
    TimeAgainstMemcpy(state, [&] { ImgViewClick(effect, category, photo, result, program->ctx); });
    state.counters["first_x_memcpy"] = first.Median() / state.counters["memcpy_ms"];
}

// Cold: a program that has rendered nothing yet; warm: the same strip again.
void BM_Strip(benchmark::State& state, int category) {
    const TBitmap& work = Photo24();
    Stopwatch cold, warm;
    NoView view;
    for (auto _ : state) {
        auto program = std::make_unique<Program>();
        TBitmap thumb(kThumbSide, kThumbSide), result;
        const double ms = cold.Time([&] { RenderStrip(category, work, thumb, result, program->ctx, view); });
        warm.Time([&] { RenderStrip(category, work, thumb, result, program->ctx, view); });
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["cold_ms"] = cold.Median();
    state.counters["warm_ms"] = warm.Median();
}

void BM_Open(benchmark::State& state) {
    static const std::string path = [] {
        const std::string p = Folder().Scratch("photo24.jpg");
        WriteJpegFile(Photo24(), p);
        return p;
    }();
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ReadPhotoFile(path).Data()); });
}

// Giving up on work: `work` runs on a thread of its own and is told to
// stop 20 ms in; timed is the wait from the stop to the thread's end, what
// a superseding click or a Cancel waits before the cores are free again.
// The whole of the same work is reported beside it.
void BM_Stop(benchmark::State& state, std::function<void()> work) {
    Stopwatch whole;
    whole.Time(work);
    whole.Time(work);
    for (auto _ : state) {
        StopFlag flag;
        std::thread worker([&] {
            const StopScope scope(&flag);
            try {
                work();
            } catch (const WorkStopped&) {
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Stopwatch wait;
        state.SetIterationTime(wait.Time([&] {
                                   flag.Stop();
                                   worker.join();
                               }) / 1000.0);
    }
    state.counters["whole_ms"] = whole.Median();
}

// "Light A" -> "LightA", so names need no quoting in --benchmark_filter.
std::string Squeezed(std::string_view caption) {
    std::string out;
    for (char ch : caption)
        if (ch != ' ') out += ch;
    return out;
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("Open/24MP_JPEG", BM_Open)
        ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    static Program stopProgram;
    static TBitmap stopResult;
    for (const Look look : {Look{1, 1}, Look{15, 9}, Look{15, 1}}) {
        const std::string name = "Stop/Look_" + std::to_string(look.category) + "_" + std::to_string(look.effect);
        benchmark::RegisterBenchmark(name.c_str(), BM_Stop, [look] {
            ImgViewClick(look.effect, look.category, Photo24(), stopResult, stopProgram.ctx);
        })->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    }
    benchmark::RegisterBenchmark("Stop/Open_24MP_JPEG", BM_Stop, [] {
        static const std::vector<uint8_t> bytes = EncodeJpeg(Photo24());
        benchmark::DoNotOptimize(DecodeJpeg(bytes.data(), bytes.size()).Data());
    })->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    for (const Category& c : kCategories) {
        const std::string name = "Strip/" + std::to_string(c.number) + "_" + Squeezed(c.caption);
        benchmark::RegisterBenchmark(name.c_str(), BM_Strip, c.number)
            ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    }
    for (const Category& c : kCategories)
        for (int n = 1; n <= kEffectCount; ++n) {
            const std::string name = "Look/" + std::to_string(c.number) + "_" + Squeezed(c.caption) + "/" +
                                     std::to_string(n);
            benchmark::RegisterBenchmark(name.c_str(), BM_Look, c.number, n)
                ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
        }
    return true;
}();

}  // namespace
