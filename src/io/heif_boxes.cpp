#include "io/heif_boxes.h"

#include "ground/error.h"
#include "io/jpeg_codec.h"

namespace corvessa {
namespace heif {

namespace {

// Items, references and properties the reader follows; a file with more
// is refused before libheif parses it, which takes time growing with the
// square of their number (10,000 items took 4 to 11 s, 4,096 about 1 s).
// The largest picture in tiles of 256 needs 64 x 48 of them, and phones'
// tiles are of 512.
inline constexpr uint64_t kMaxHeifItems = 4096;

CorvessaError TooManyItems() {
    return BrokenPicture("it has more than " + std::to_string(kMaxHeifItems) + " items");
}

void CheckCount(uint64_t count) {
    if (count > kMaxHeifItems) throw TooManyItems();
}

// A box's unsigned field of `bytes` (0, 2, 4 or 8) bytes, read forward;
// reading past `end` marks the reader.
class FieldReader {
public:
    FieldReader(const uint8_t* data, Span span) : data_(data), at_(span.begin), end_(span.end) {}
    uint64_t Read(int bytes) {
        if (end_ - at_ < size_t(bytes)) {
            overrun_ = true;
            at_ = end_;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | data_[at_++];
        return value;
    }
    size_t At() const { return at_; }
    bool Overrun() const { return overrun_; }

private:
    const uint8_t* data_;
    size_t at_, end_;
    bool overrun_ = false;
};

// The boxes that describe the items: the first of each type in meta, and
// the item properties (ipco) and their associations (ipma) in meta > iprp.
struct MetaBoxes {
    Span iinf, iloc, iref, idat, pitm, ipco, ipma;
};

MetaBoxes FindMetaBoxes(const uint8_t* data, size_t size) {
    MetaBoxes found;
    Span meta, iprp;
    ForEachBox(data, Span{0, size}, [&](const std::string& type, Span content) {
        if (type == "meta" && meta.end == 0 && content.end - content.begin >= 4) meta = {content.begin + 4, content.end};
    });
    ForEachBox(data, meta, [&](const std::string& type, Span content) {
        Span* const box = type == "iinf"   ? &found.iinf
                          : type == "iloc" ? &found.iloc
                          : type == "iref" ? &found.iref
                          : type == "iprp" ? &iprp
                          : type == "idat" ? &found.idat
                          : type == "pitm" ? &found.pitm
                                           : nullptr;
        if (box && box->end == 0) *box = content;
    });
    ForEachBox(data, iprp, [&](const std::string& type, Span content) {
        if (type == "ipco" && found.ipco.end == 0) found.ipco = content;
        if (type == "ipma" && found.ipma.end == 0) found.ipma = content;
    });
    return found;
}

void ReadProperties(const uint8_t* data, Span ipco, HeifBoxes& boxes) {
    uint64_t properties = 0;
    ForEachBox(data, ipco, [&](const std::string& type, Span content) {
        if (++properties > kMaxHeifItems) throw TooManyItems();
        boxes.properties.emplace_back(type, content);
    });
}

uint32_t PrimaryItem(const uint8_t* data, Span pitm) {
    FieldReader r(data, pitm);
    return uint32_t(r.Read(r.Read(4) >> 24 == 0 ? 2 : 4));
}

// The type of every item (iinf's infe boxes).
void ReadItemInfos(const uint8_t* data, Span iinf, HeifBoxes& boxes) {
    FieldReader r(data, iinf);
    const uint64_t count = r.Read(r.Read(4) >> 24 == 0 ? 2 : 4);
    CheckCount(count);
    uint64_t seen = 0;
    ForEachBox(data, Span{r.At(), iinf.end}, [&](const std::string& type, Span content) {
        if (type != "infe") return;
        CheckCount(++seen);
        FieldReader e(data, content);
        const uint64_t version = e.Read(4) >> 24;
        if (version < 2) return;  // no item type
        const uint32_t id = uint32_t(e.Read(version == 2 ? 2 : 4));
        e.Read(2);  // protection
        const size_t at = e.At();
        if (e.Read(4), e.Overrun()) return;
        boxes.items[id].type.assign(reinterpret_cast<const char*>(data + at), 4);
    });
}

// The sizes of iloc's fields, as its version and its first fields give
// them.
struct LocationFields {
    int offset = 0, length = 0, base = 0, index = 0;
};

// An extent of `offset` and `length` (0: on to the end) from `base`
// within `within`; false for one that starts beyond it.
bool PlaceExtent(Span within, uint64_t base, uint64_t offset, uint64_t length, Span& extent) {
    const uint64_t room = within.end - within.begin;
    if (base > room || offset > room - base) return false;
    const size_t begin = within.begin + size_t(base + offset);
    const size_t end = length == 0 || length > within.end - begin ? within.end : begin + size_t(length);
    extent = Span{begin, end};
    return true;
}

// Where the data of every known item lie (iloc), as spans of the file.
void ReadItemLocations(const uint8_t* data, size_t size, Span iloc, Span idat, HeifBoxes& boxes) {
    FieldReader r(data, iloc);
    const uint64_t version = r.Read(4) >> 24;
    const uint64_t sizes = r.Read(2);
    LocationFields fields;
    fields.offset = int(sizes >> 12), fields.length = int(sizes >> 8 & 15), fields.base = int(sizes >> 4 & 15);
    fields.index = version >= 1 ? int(sizes & 15) : 0;
    const uint64_t count = r.Read(version < 2 ? 2 : 4);
    CheckCount(count);
    for (uint64_t i = 0; i < count && !r.Overrun(); ++i) {
        const uint32_t id = uint32_t(r.Read(version < 2 ? 2 : 4));
        const int construction = version >= 1 ? int(r.Read(2) & 15) : 0;
        r.Read(2);  // data reference
        const uint64_t base = r.Read(fields.base);
        const uint64_t extents = r.Read(2);
        HeifItem* const item = boxes.items.count(id) ? &boxes.items[id] : nullptr;
        if (item) item->construction = construction;
        const Span within = construction == 1 ? idat : Span{0, size};
        for (uint64_t e = 0; e < extents && !r.Overrun(); ++e) {
            r.Read(fields.index);
            const uint64_t offset = r.Read(fields.offset), length = r.Read(fields.length);
            Span extent;
            if (item && construction <= 1 && PlaceExtent(within, base, offset, length, extent))
                item->extents.push_back(extent);
        }
    }
}

// The tiles of every grid (iref's dimg references).
void ReadReferences(const uint8_t* data, Span iref, HeifBoxes& boxes) {
    FieldReader r(data, iref);
    const int idSize = r.Read(4) >> 24 == 0 ? 2 : 4;
    uint64_t references = 0;
    ForEachBox(data, Span{r.At(), iref.end}, [&](const std::string& type, Span content) {
        FieldReader f(data, content);
        const uint32_t from = uint32_t(f.Read(idSize));
        const uint64_t count = f.Read(2);
        references += count;
        CheckCount(references);
        auto item = boxes.items.find(from);
        for (uint64_t i = 0; i < count && !f.Overrun(); ++i) {
            const uint32_t to = uint32_t(f.Read(idSize));
            if (type == "dimg" && item != boxes.items.end() && !f.Overrun()) item->second.tiles.push_back(to);
        }
    });
}

// The properties of every item (ipma).
void ReadAssociations(const uint8_t* data, Span ipma, HeifBoxes& boxes) {
    FieldReader r(data, ipma);
    const uint64_t versionFlags = r.Read(4);
    const uint64_t count = r.Read(4);
    CheckCount(count);
    uint64_t associations = 0;
    for (uint64_t i = 0; i < count && !r.Overrun(); ++i) {
        const uint32_t id = uint32_t(r.Read(versionFlags >> 24 == 0 ? 2 : 4));
        const uint64_t n = r.Read(1);
        // Phones' files give each item a handful of properties.
        associations += n;
        if (associations > 16 * kMaxHeifItems) throw TooManyItems();
        auto item = boxes.items.find(id);
        for (uint64_t a = 0; a < n && !r.Overrun(); ++a) {
            const uint32_t index = versionFlags & 1 ? uint32_t(r.Read(2) & 0x7FFF) : uint32_t(r.Read(1) & 0x7F);
            if (item != boxes.items.end() && !r.Overrun()) item->second.properties.push_back(index);
        }
    }
}

}  // namespace

HeifBoxes ReadHeifBoxes(const uint8_t* data, size_t size) {
    HeifBoxes boxes;
    const MetaBoxes meta = FindMetaBoxes(data, size);
    ReadProperties(data, meta.ipco, boxes);
    if (meta.iinf.end == 0 || meta.iloc.end == 0) return boxes;
    boxes.read = true;
    if (meta.pitm.end > 0) boxes.primary = PrimaryItem(data, meta.pitm);
    ReadItemInfos(data, meta.iinf, boxes);
    ReadItemLocations(data, size, meta.iloc, meta.idat, boxes);
    if (meta.iref.end > 0) ReadReferences(data, meta.iref, boxes);
    if (meta.ipma.end > 0) ReadAssociations(data, meta.ipma, boxes);
    return boxes;
}

bool HasTransformation(const uint8_t* data, size_t size) {
    bool found = false;
    ForEachBox(data, FindMetaBoxes(data, size).ipco, [&](const std::string& type, Span) {
        found = found || type == "irot" || type == "imir";
    });
    return found;
}

}  // namespace heif
}  // namespace corvessa
