#include "routines/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "routines/error.h"
#include "routines/parallel.h"

namespace corvessa {

namespace {

std::unique_ptr<uint8_t[]> AllocatePixels(int width, int height) {
    size_t bytes = size_t(width) * 3 * size_t(height);
    if (bytes == 0) return nullptr;
    // Left uninitialised on purpose: every user overwrites the pixels, and
    // touching a fresh 72 MB buffer twice is measurable.
    uint8_t* pixels = new (std::nothrow) uint8_t[bytes];
    if (!pixels) throw NotEnoughMemory();
    return std::unique_ptr<uint8_t[]>(pixels);
}

}  // namespace

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    std::unique_ptr<uint8_t[]> fresh = AllocatePixels(width, height);
    int keepW = std::min(width, width_), keepH = std::min(height, height_);
    // Rows of no pixels have no memory to copy between.
    if (keepW == 0) keepH = 0;
    for (int y = 0; y < keepH; ++y)
        std::memcpy(fresh.get() + size_t(y) * width * 3, Row(y), size_t(keepW) * 3);
    pixels_ = std::move(fresh);
    width_ = width;
    height_ = height;
}

void TBitmap::CopyFrom(const TBitmap& source) {
    if (&source == this) return;
    if (width_ != source.width_ || height_ != source.height_) {
        pixels_ = AllocatePixels(source.width_, source.height_);
        width_ = source.width_;
        height_ = source.height_;
    }
    if (ByteCount() != 0) std::memcpy(pixels_.get(), source.pixels_.get(), ByteCount());
}

void TBitmap::Fill(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    // Paint one row segment, then copy it into every other row.
    const size_t bytes = size_t(right - left) * 3;
    uint8_t* first = Row(top) + size_t(left) * 3;
    for (size_t i = 0; i < bytes; i += 3) {
        first[i] = fill_.b;
        first[i + 1] = fill_.g;
        first[i + 2] = fill_.r;
    }
    ForEachRow(bottom - top - 1, bytes, [&](int y) {
        std::memcpy(Row(top + 1 + y) + size_t(left) * 3, first, bytes);
    });
}

void TBitmap::StretchDraw(const TBitmap& source) {
    if (Empty() || source.Empty()) return;
    const int64_t sw = source.width_, sh = source.height_;
    const int64_t tw = width_, th = height_;
    // Byte offset in the source row of each target pixel's source pixel.
    std::vector<uint32_t> column(static_cast<size_t>(tw));
    for (int64_t x = 0; x < tw; ++x) column[size_t(x)] = uint32_t(x * sw / tw) * 3;

    ForEachRowBand(int(th), RowBytes(), [&](int begin, int end) {
        int64_t previous = -1;
        for (int64_t y = begin; y < end; ++y) {
            const int64_t sy = y * sh / th;
            uint8_t* out = Row(int(y));
            if (sy == previous) {  // an enlarged row repeats the one above it
                std::memcpy(out, Row(int(y - 1)), RowBytes());
                continue;
            }
            previous = sy;
            const uint8_t* in = source.Row(int(sy));
            for (int64_t x = 0; x < tw; ++x) {
                const uint8_t* s = in + column[size_t(x)];
                out[3 * x] = s[0];
                out[3 * x + 1] = s[1];
                out[3 * x + 2] = s[2];
            }
        }
    });
}

void TBitmap::DrawAt(const TBitmap& source, int x, int y) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min<int64_t>(int64_t(x) + source.width_, width_);
    int y1 = std::min<int64_t>(int64_t(y) + source.height_, height_);
    if (x0 >= x1 || y0 >= y1) return;
    for (int ty = y0; ty < y1; ++ty)
        std::memcpy(Row(ty) + size_t(x0) * 3, source.Row(ty - y) + size_t(x0 - x) * 3,
                    size_t(x1 - x0) * 3);
}

void TBitmap::CopyRect(const TBitmap& source, int w, int h) {
    w = std::min({w, width_, source.width_});
    h = std::min({h, height_, source.height_});
    if (w <= 0 || h <= 0) return;
    for (int y = 0; y < h; ++y) std::memmove(Row(y), source.Row(y), size_t(w) * 3);
}

}  // namespace corvessa
