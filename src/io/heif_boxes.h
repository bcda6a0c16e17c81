#pragma once
// A HEIF (HEIC, AVIF) file's boxes as the program reads them itself,
// before libheif parses the file: its items, where their data lie, their
// references and properties. No Qt.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace corvessa {
namespace heif {

inline uint32_t Big32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

struct Span {
    size_t begin = 0, end = 0;
};

// Calls `visit(type, content)` for each box within `within`; stops at a
// box that does not fit.
template <class Visit>
void ForEachBox(const uint8_t* data, Span within, Visit&& visit) {
    for (size_t at = within.begin; at + 8 <= within.end;) {
        uint64_t boxSize = Big32(data + at);
        size_t header = 8;
        if (boxSize == 1 && at + 16 <= within.end) {
            boxSize = uint64_t(Big32(data + at + 8)) << 32 | Big32(data + at + 12);
            header = 16;
        } else if (boxSize == 0) {
            boxSize = within.end - at;
        }
        if (boxSize < header || boxSize > within.end - at) return;
        visit(std::string(reinterpret_cast<const char*>(data + at + 4), 4), Span{at + header, at + size_t(boxSize)});
        at += size_t(boxSize);
    }
}

// What the boxes of the file say about its items, read before libheif
// reads them.
struct HeifItem {
    std::string type;
    std::vector<Span> extents;  // within the file, cut where it ends
    int construction = 0;  // 0: file offsets, 1: within idat
    std::vector<uint32_t> properties;  // indices into ipco, from 1
    std::vector<uint32_t> tiles;  // its dimg references
};

struct HeifBoxes {
    bool read = false;  // meta, iinf and iloc were there
    uint32_t primary = 0;
    std::map<uint32_t, HeifItem> items;
    std::vector<std::pair<std::string, Span>> properties;  // ipco's boxes in order
};

// The items, references and properties of the file. Throws "Bitmap image
// is not valid: it has more than N items" for a file with more of them
// than libheif parses in reasonable time.
HeifBoxes ReadHeifBoxes(const uint8_t* data, size_t size);

// Whether the file's properties record a rotation or mirroring (irot,
// imir).
bool HasTransformation(const uint8_t* data, size_t size);

}  // namespace heif
}  // namespace corvessa
