#pragma once
// One zlib stream (RFC 1950) compressed in parts side by side, as pigz
// does: each part is deflated on its own, primed with the 32 KB before it
// as its dictionary, and ends on a byte boundary with a sync flush (an
// empty stored block), so the parts join into one stream any inflater
// reads; the Adler-32 of the whole is combined from the parts'. zlib at
// the same level makes a stream a little larger (a few bytes a part) and
// the same bytes come out of it. No Qt.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace corvessa {

// Puts into `bytes` what part `part` holds, after as many of the bytes
// just before it as are to prime it (up to 32 KB; the first part has
// none), and returns how many of those lead bytes there are. Called from
// several threads at once, each with a `bytes` of its own.
using ZlibPartMaker = std::function<size_t(int part, std::vector<uint8_t>& bytes)>;

// The stream in pieces whose concatenation is the whole: the header starts
// the first, the checksum ends the last.
struct ZlibPieces {
    std::vector<std::vector<uint8_t>> pieces;
    size_t Size() const;
};

// `parts` (at least one) parts of about `bytesPerPart` bytes each (the work is spread
// over the row threads by that size), at zlib's `level` (0..9) and
// `strategy`. Throws NotEnoughMemory, or WorkStopped when the work was
// given up on (ground/stop.h).
ZlibPieces CompressInParts(int parts, size_t bytesPerPart, int level, int strategy, const ZlibPartMaker& make);

}  // namespace corvessa
