#pragma once
// Colour lookup tables in the Adobe/Resolve .cube text form, as the user
// brings them, and applying one to a photo. No file I/O: io/cube_file.h
// reads the files.
//
// A table is read in full and checked before it is used; a file that is
// not one says why: "LUT file is not valid: REASON — PATH". Sizes, the
// file's length and the number of entries are checked before memory is
// taken for them, so a huge or lying file costs only its first bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"
#include "ground/error.h"

namespace corvessa {

inline constexpr int kMaxCube3DSize = 256;
inline constexpr int kMaxCube1DSize = 65536;
// The longest file read: a 256-point cube written with generous digits.
inline constexpr uint64_t kMaxCubeFileBytes = uint64_t(640) << 20;

struct CubeLut {
    std::string title;
    bool is3D = true;
    int size = 0;  // entries per axis
    std::array<float, 3> domainMin{0.f, 0.f, 0.f};
    std::array<float, 3> domainMax{1.f, 1.f, 1.f};
    // R, G, B per entry. 1D: `size` entries. 3D: size^3 entries with red
    // varying fastest, then green, then blue.
    std::vector<float> values;
};

// Parses the text of a .cube file; `path` only names it in the message.
// io/cube_file.h reads the file.
CubeLut ParseCubeLut(std::string_view text, const std::string& path);
// "LUT file is not valid: REASON — PATH".
CorvessaError InvalidCubeFile(const std::string& reason, const std::string& path);

// A table made ready for 8-bit photos: per-channel index and fraction
// tables for the 256 byte values and the entries in fixed point.
// Interpolation is tetrahedral in 3D and linear in 1D. Output values
// beyond 0..1 are clamped entry by entry. A table that leaves every
// colour as it is gives back the photo's bytes exactly, whatever its size.
class PreparedLut {
public:
    explicit PreparedLut(const CubeLut& lut);

    // Applies the table to `pixels` pixels of B, G, R bytes; out may be in.
    void ApplyRow(const uint8_t* in, uint8_t* out, int pixels) const;
    // The whole picture on all cores; out may be in (same size).
    void Apply(const TBitmap& in, TBitmap& out) const;

    // Fixed point: entries carry 7 bits below the byte, fractions 14, so
    // that an entry and a weight are both signed 16-bit numbers and a
    // corner pair is one multiply-add of 16-bit lanes. The rounding of
    // both stays far below half a byte: a linear table comes out exact.
    static constexpr int kEntryShift = 7;
    static constexpr int kFractionBits = 14;

private:
    bool is3D_;
    // 1D: the output byte of every input byte per channel (R, G, B).
    std::array<std::array<uint8_t, 256>, 3> curve_{};
    // 3D: per channel (R, G, B) the offset, in entries, of the cell's low
    // corner along that axis, and the fraction inside the cell.
    std::array<std::array<uint32_t, 256>, 3> offset_{};
    std::array<std::array<uint32_t, 256>, 3> fraction_{};
    std::array<uint32_t, 3> step_{};  // entries to the next along R, G, B
    // B, G, R (the row's order) and a pad per entry, so each corner is
    // one 8-byte load.
    std::vector<std::array<uint16_t, 4>> entries_;
};

}  // namespace corvessa
