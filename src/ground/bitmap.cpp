#include "ground/bitmap.h"

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

// Photo-sized blocks are kept for reuse once freed. A render creates and
// frees its scratch bitmaps inside one call, so without the pool every
// render would map fresh memory and pay a page fault for every 4 KB on
// first touch (about 45 ms for a 72 MB buffer, more than most passes over
// it). The pool holds at most a few blocks and a bounded number of bytes;
// everything beyond goes back to the system at once. Large blocks are
// also asked for as huge pages, which makes a fresh block cheap to touch.
class PixelPool {
public:
    static constexpr size_t kMinPooledBytes = size_t(1) << 20;
    static constexpr size_t kHugePage = size_t(2) << 20;
    static constexpr size_t kMaxBlocks = 4;
    static constexpr size_t kMaxPooledBytes = size_t(320) << 20;

    // Never destroyed: bitmaps with static storage may be freed after
    // every other static object is gone.
    static PixelPool& Instance() {
        static PixelPool* const pool = new PixelPool;
        return *pool;
    }

    PixelBuffer Allocate(size_t bytes) {
        if (bytes < kMinPooledBytes) return PixelBuffer(new uint8_t[bytes], PixelRelease{0, PixelOrigin::kHeap});
        const size_t capacity = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (PixelMemory* memory = memory_.load()) {
            uint8_t* pixels = memory->Map(capacity);
            if (pixels == nullptr) throw std::bad_alloc();
            return PixelBuffer(pixels, PixelRelease{capacity, PixelOrigin::kPixelMemory, memory});
        }
        {
            std::lock_guard lock(mutex_);
            // The smallest kept block that fits without wasting much.
            size_t best = blocks_.size();
            for (size_t i = 0; i < blocks_.size(); ++i)
                if (blocks_[i].capacity >= capacity && blocks_[i].capacity <= capacity + capacity / 4 &&
                    (best == blocks_.size() || blocks_[i].capacity < blocks_[best].capacity))
                    best = i;
            if (best != blocks_.size()) {
                const Block block = blocks_[best];
                blocks_.erase(blocks_.begin() + std::ptrdiff_t(best));
                pooledBytes_ -= block.capacity;
                return PixelBuffer(block.pixels, PixelRelease{block.capacity, PixelOrigin::kPool});
            }
        }
        void* pixels = std::aligned_alloc(kHugePage, capacity);
        if (pixels == nullptr) throw std::bad_alloc();
        madvise(pixels, capacity, MADV_HUGEPAGE);  // a hint; ignored where unsupported
        return PixelBuffer(static_cast<uint8_t*>(pixels), PixelRelease{capacity, PixelOrigin::kPool});
    }

    void Release(uint8_t* pixels, size_t capacity) {
        {
            std::lock_guard lock(mutex_);
            if (blocks_.size() < kMaxBlocks && pooledBytes_ + capacity <= kMaxPooledBytes) {
                blocks_.push_back(Block{pixels, capacity});
                pooledBytes_ += capacity;
                return;
            }
        }
        std::free(pixels);
    }

    void Trim() {
        std::vector<Block> freed;
        {
            std::lock_guard lock(mutex_);
            if (blocks_.size() <= 1) return;
            const auto largest = std::max_element(blocks_.begin(), blocks_.end(),
                                                  [](const Block& a, const Block& b) { return a.capacity < b.capacity; });
            const Block keep = *largest;
            blocks_.erase(largest);
            freed.swap(blocks_);
            blocks_.push_back(keep);
            pooledBytes_ = keep.capacity;
        }
        for (const Block& block : freed) std::free(block.pixels);
    }

    void TakeFrom(PixelMemory* memory) { memory_.store(memory); }

private:
    struct Block {
        uint8_t* pixels;
        size_t capacity;
    };
    std::atomic<PixelMemory*> memory_{nullptr};
    std::mutex mutex_;
    std::vector<Block> blocks_;
    size_t pooledBytes_ = 0;
};

PixelBuffer AllocatePixels(int width, int height) {
    size_t bytes = size_t(width) * 3 * size_t(height);
    if (bytes == 0) return nullptr;
    // Left uninitialised on purpose: every user overwrites the pixels, and
    // touching a fresh 72 MB buffer twice is measurable.
    try {
        return PixelPool::Instance().Allocate(bytes);
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
}

}  // namespace

void TrimPixelPool() { PixelPool::Instance().Trim(); }

void PixelRelease::operator()(uint8_t* pixels) const {
    switch (origin) {
        case PixelOrigin::kHeap:
            delete[] pixels;
            break;
        case PixelOrigin::kPool:
            PixelPool::Instance().Release(pixels, capacity);
            break;
        case PixelOrigin::kMapping:
            munmap(pixels, capacity);
            break;
        case PixelOrigin::kPixelMemory:
            memory->Unmap(pixels, capacity);
            break;
    }
}

void TakePixelsFrom(PixelMemory* memory) { PixelPool::Instance().TakeFrom(memory); }

TBitmap TBitmap::OverMapping(int width, int height, uint8_t* pixels, size_t capacity) {
    TBitmap picture;
    picture.pixels_ = PixelBuffer(pixels, PixelRelease{capacity, PixelOrigin::kMapping});
    picture.width_ = width;
    picture.height_ = height;
    return picture;
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    PixelBuffer fresh = AllocatePixels(width, height);
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

NearestStretch::NearestStretch(const TBitmap& source, int targetWidth, int targetHeight)
    : source_(source), sourceHeight_(source.Height()), targetHeight_(targetHeight), column_(size_t(targetWidth)) {
    const int64_t sw = source.Width(), tw = targetWidth;
    for (int64_t x = 0; x < tw; ++x) column_[size_t(x)] = uint32_t(x * sw / tw) * 3;
}

void NearestStretch::FillRow(int sourceRow, uint8_t* __restrict out) const {
    const uint8_t* __restrict in = source_.Row(sourceRow);
    const uint32_t* column = column_.data();
    const size_t n = column_.size();
    for (size_t x = 0; x < n; ++x) {
        const uint8_t* s = in + column[x];
        out[3 * x] = s[0];
        out[3 * x + 1] = s[1];
        out[3 * x + 2] = s[2];
    }
}

void TBitmap::StretchDraw(const TBitmap& source) {
    if (Empty() || source.Empty()) return;
    const NearestStretch stretch(source, width_, height_);
    ForEachRowBand(height_, RowBytes(), [&](int begin, int end) {
        int previous = -1;
        for (int y = begin; y < end; ++y) {
            const int sy = stretch.SourceRow(y);
            uint8_t* out = Row(y);
            if (sy == previous) {  // an enlarged row repeats the one above it
                std::memcpy(out, Row(y - 1), RowBytes());
                continue;
            }
            previous = sy;
            stretch.FillRow(sy, out);
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
