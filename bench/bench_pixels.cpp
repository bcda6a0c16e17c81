// Foundation timings on a 24-megapixel picture: a blend pass, MaskBlend,
// a stretch of an overlay-sized picture, and JPEG decode and encode.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_support.h"
#include "io/jpeg_codec.h"
#include "ground/blend_rows.h"

using namespace corvessa;

namespace {

constexpr int kWidth = bench::kPhotoWidth, kHeight = bench::kPhotoHeight;
using bench::Pattern;

const TBitmap& Photo() { return bench::Photo24(); }

void BM_Memcpy(benchmark::State& state) {
    TBitmap copy(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(copy.Data(), Photo().Data(), Photo().ByteCount());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScreenPass(benchmark::State& state) {
    TBitmap over = Pattern(kWidth, kHeight, 2), out(kWidth, kHeight);
    for (auto _ : state) BlendPass<BlendScreen>(out, Photo(), over);
}
BENCHMARK(BM_ScreenPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MaskBlend(benchmark::State& state) {
    TBitmap over = Pattern(kWidth, kHeight, 2), mask = Pattern(kWidth, kHeight, 3), base(kWidth, kHeight);
    for (auto _ : state) {
        base.CopyFrom(Photo());
        MaskBlend(base, over, mask);
    }
}
BENCHMARK(BM_MaskBlend)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StretchOverlay(benchmark::State& state) {
    TBitmap overlay = Pattern(1600, 1200, 4), out(kWidth, kHeight);
    for (auto _ : state) out.StretchDraw(overlay);
}
BENCHMARK(BM_StretchOverlay)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_JpegEncode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(Photo()));
}
BENCHMARK(BM_JpegEncode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_JpegDecode(benchmark::State& state) {
    const std::vector<uint8_t> jpeg = EncodeJpeg(Photo());
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg.data(), jpeg.size()));
}
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
