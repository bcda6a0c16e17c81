#pragma once
// TBitmap: the one image type. 24 bits per pixel, rows from the top,
// each row 3*width bytes blue, green, red, rows stored back to back so a
// routine can walk the whole picture through row pointers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace corvessa {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};

// Returns pixel memory to where it came from: large blocks go back to a
// small pool behind the bitmap type (see bitmap.cpp), so that a render's
// photo-sized scratch bitmaps reuse memory whose pages are already mapped
// instead of faulting in 72 MB afresh on every call.
enum class PixelOrigin : uint8_t {
    kHeap,         // new[]: a small block
    kPool,         // the pool's, `capacity` bytes
    kMapping,      // a memory mapping of its own (TBitmap::OverMapping)
    kPixelMemory,  // the PixelMemory the process takes its pixels from
};
class PixelMemory;
struct PixelRelease {
    size_t capacity = 0;
    PixelOrigin origin = PixelOrigin::kHeap;
    PixelMemory* memory = nullptr;  // kPixelMemory's
    void operator()(uint8_t* pixels) const;
};

// Where the large pixel blocks of a process come from instead of its heap:
// the codec helper maps them from a memory file it shares with the program
// that asked it, so that the picture it decodes is handed over where it
// lies, without a copy.
class PixelMemory {
public:
    // `bytes` of memory, or null when there is none.
    virtual uint8_t* Map(size_t bytes) = 0;
    virtual void Unmap(uint8_t* pixels, size_t bytes) = 0;

protected:
    ~PixelMemory() = default;
};
// Every large block made from now on comes from `memory` (null: the heap
// again), which must outlive them.
void TakePixelsFrom(PixelMemory* memory);
using PixelBuffer = std::unique_ptr<uint8_t[], PixelRelease>;

// Gives the memory the pool keeps back to the system but for one spare
// block (the largest): called when a render ends, so that what its scratch
// bitmaps took does not stay with the program.
void TrimPixelPool();

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    TBitmap(TBitmap&&) noexcept = default;
    TBitmap& operator=(TBitmap&&) noexcept = default;
    // Full-size copies are expensive: they are always spelled CopyFrom.
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    // A picture of `width` x `height` whose pixels are the memory mapping
    // at `pixels` of `capacity` bytes (from mmap, at least 3 * width *
    // height), which it takes over: a picture handed over by another
    // process is used where it lies instead of being copied.
    static TBitmap OverMapping(int width, int height, uint8_t* pixels, size_t capacity);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    size_t RowBytes() const { return size_t(width_) * 3; }
    size_t ByteCount() const { return RowBytes() * size_t(height_); }

    uint8_t* Row(int y) { return pixels_.get() + size_t(y) * RowBytes(); }
    const uint8_t* Row(int y) const { return pixels_.get() + size_t(y) * RowBytes(); }
    uint8_t* Data() { return pixels_.get(); }
    const uint8_t* Data() const { return pixels_.get(); }

    // Changes the size. Pixels inside both the old and new size keep their
    // colour; newly exposed pixels are undefined until written.
    void SetSize(int width, int height);
    // SetSize behind a boundary that does not throw, for decoders called
    // from C callbacks: false when the pixels could not be had.
    bool TrySetSize(int width, int height) noexcept {
        try {
            SetSize(width, height);
            return true;
        } catch (...) {
            return false;
        }
    }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    // Same size and pixels as `source`; this bitmap keeps its own fill colour.
    void CopyFrom(const TBitmap& source);
    // Like CopyFrom, but takes over the pixels of a bitmap that is not
    // needed any more instead of copying them.
    void TakePixels(TBitmap&& source) {
        const Rgb keep = fill_;
        *this = std::move(source);
        fill_ = keep;
    }
    // Exchanges size and pixels with `other`; both keep their fill colours.
    void SwapPixels(TBitmap& other) noexcept {
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
        std::swap(pixels_, other.pixels_);
    }

    Rgb FillColor() const { return fill_; }
    void SetFillColor(Rgb colour) { fill_ = colour; }
    // Paints left <= x < right, top <= y < bottom (clipped to the bitmap)
    // in the fill colour.
    void Fill(int left, int top, int right, int bottom);
    void FillAll() { Fill(0, 0, width_, height_); }

    // Scales `source` by nearest neighbour onto the whole of this bitmap at
    // its current size: target column x takes source column
    // floor(x*sw/tw), target row y takes source row floor(y*sh/th).
    void StretchDraw(const TBitmap& source);
    // Copies `source` unscaled with its top-left pixel at (x, y); pixels
    // falling outside this bitmap are dropped.
    void DrawAt(const TBitmap& source, int x, int y);
    // Copies the rectangle (0, 0, w, h) of `source` into the same place.
    void CopyRect(const TBitmap& source, int w, int h);

    uint8_t* Pixel(int x, int y) { return Row(y) + size_t(x) * 3; }
    const uint8_t* Pixel(int x, int y) const { return Row(y) + size_t(x) * 3; }

private:
    int width_ = 0;
    int height_ = 0;
    Rgb fill_ = kWhite;
    PixelBuffer pixels_;
};

// The nearest-neighbour stretch of StretchDraw one target row at a time,
// for routines that consume the stretched picture row by row instead of
// holding it whole: target column x takes source column floor(x*sw/tw),
// target row y source row floor(y*sh/th).
class NearestStretch {
public:
    // `source` must not be empty and must outlive this object.
    NearestStretch(const TBitmap& source, int targetWidth, int targetHeight);
    int SourceRow(int y) const { return int(int64_t(y) * sourceHeight_ / targetHeight_); }
    // Source column of target column x.
    int SourceColumn(int x) const { return int(column_[size_t(x)] / 3); }
    // Writes target row y (3 * targetWidth bytes) built from source row sy.
    void FillRow(int sourceRow, uint8_t* out) const;
    int TargetWidth() const { return int(column_.size()); }
    const TBitmap& Source() const { return source_; }
    // Byte offset in a source row of the pixel that target column x takes.
    uint32_t ColumnOffset(int x) const { return column_[size_t(x)]; }

private:
    const TBitmap& source_;
    int64_t sourceHeight_, targetHeight_;
    std::vector<uint32_t> column_;  // byte offset in the source row
};

}  // namespace corvessa
