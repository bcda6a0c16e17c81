#pragma once
// Helpers shared by the tests: pictures made on the spot and scratch folders.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ground/bitmap.h"
#include "ground/error.h"

namespace corvessa::test {

// A picture of pseudo-random pixels, the same for the same seed.
TBitmap RandomBitmap(int width, int height, uint32_t seed);
// A picture of one colour.
TBitmap SolidBitmap(int width, int height, Rgb colour);
// A smooth colour ramp, which JPEG keeps close to the original.
TBitmap GradientBitmap(int width, int height);

// A copy of `b` (bitmaps are copied only explicitly).
TBitmap Copy(const TBitmap& b);
// `source` stretched by nearest neighbour to w x h.
TBitmap Stretched(const TBitmap& source, int w, int h);

bool SamePixels(const TBitmap& a, const TBitmap& b);
// The largest difference of any channel of two pictures of the same size.
int MaxDifference(const TBitmap& a, const TBitmap& b);
Rgb PixelAt(const TBitmap& b, int x, int y);

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The text of a .cube colour table of `size` entries per axis (3D, red
// fastest) or in all (1D), each entry `colour(r, g, b)` of its place on
// the axes (0..1); `head` goes before the size line.
using CubeColour = std::function<void(double r, double g, double b, double out[3])>;
std::string CubeText(int size, bool is3D, const CubeColour& colour, const std::string& head = "");
// Colours as they are, and turned to their negative.
void SameColour(double r, double g, double b, double out[3]);
void InvertedColour(double r, double g, double b, double out[3]);

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
// The CRC-32 of PNG chunks and zlib.
uint32_t Crc32(const uint8_t* data, size_t size);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    // Path() + "/" + name
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The message of the CorvessaError that `action` throws, or "(no error)".
inline std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CorvessaError& error) {
        return error.what();
    }
    return "(no error)";
}

// ErrorOf `action` run in a child process allowed `extraMegabytes` of
// address space beyond what it has ("(child failed)" when the child dies,
// by a signal say): what needs the memory of a picture it should never
// make fails as out of memory.
std::string ErrorWithLittleMemory(const std::function<void()>& action, uint64_t extraMegabytes = 100);

// Built with AddressSanitizer: a process started under a limit on address
// space (the codec helper under ErrorWithLittleMemory) cannot map the
// sanitizer's shadow memory and dies before it reads anything.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif

}  // namespace corvessa::test
