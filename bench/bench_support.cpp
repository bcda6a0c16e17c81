#include "bench_support.h"

namespace corvessa::bench {

const TBitmap& Photo24() {
    static const TBitmap photo = [] {
        TBitmap b(kPhotoWidth, kPhotoHeight);
        for (int y = 0; y < kPhotoHeight; ++y) {
            uint8_t* row = b.Row(y);
            for (int x = 0; x < kPhotoWidth; ++x) {
                const int ramp = (x * 255) / kPhotoWidth, fall = (y * 255) / kPhotoHeight;
                const int texture = ((x * 7) ^ (y * 13)) & 31;
                const bool edge = ((x / 400) + (y / 300)) % 2 == 0;
                row[3 * x] = uint8_t(edge ? ramp / 2 + texture : 200 - fall / 2);
                row[3 * x + 1] = uint8_t((ramp + fall) / 2 + (texture >> 1));
                row[3 * x + 2] = uint8_t(edge ? 255 - fall : fall / 3 + texture * 3);
            }
        }
        return b;
    }();
    return photo;
}

TBitmap Pattern(int w, int h, uint32_t seed) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b.Row(y);
        for (size_t i = 0; i < b.RowBytes(); ++i) row[i] = uint8_t((i * 7 + size_t(y) * 3 + seed) ^ (i >> 5));
    }
    return b;
}

double MemcpyMilliseconds() {
    const TBitmap& photo = Photo24();
    static std::vector<uint8_t> copy(photo.ByteCount(), 1);
    Stopwatch watch;
    for (int i = 0; i < 5; ++i)
        watch.Time([&] {
            std::memcpy(copy.data(), photo.Data(), photo.ByteCount());
            benchmark::ClobberMemory();
        });
    return watch.Median();
}

}  // namespace corvessa::bench
