#pragma once
// The bytes a picture's pieces (a TIFF's strips or tiles, told by their
// offsets and byte counts) cover within its file: what a reader can be
// asked to decode, whatever the pieces claim.

#include <cstdint>
#include <vector>

namespace corvessa {

// Each byte counted once however many pieces point at it; a piece starting
// past the file counts nothing, and one without a count (or with 0, which
// some writers put for one they did not know) runs to the file's end, as
// libtiff takes it.
uint64_t PieceBytes(const std::vector<uint64_t>& offsets, const std::vector<uint64_t>& counts, uint64_t fileBytes);

}  // namespace corvessa
