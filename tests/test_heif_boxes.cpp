// The HEIF box reader on files built box by box: what it takes of each
// box, and the counts it refuses before libheif would parse them.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "ground/error.h"
#include "io/heif_boxes.h"

namespace corvessa {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Big(uint64_t value, int bytes) {
    Bytes b;
    for (int i = bytes - 1; i >= 0; --i) b.push_back(uint8_t(value >> (8 * i)));
    return b;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes b;
    for (const Bytes& part : parts) b.insert(b.end(), part.begin(), part.end());
    return b;
}

// A box; with `versionFlags` a full box.
Bytes Box(const char* type, const Bytes& content, int64_t versionFlags = -1) {
    const Bytes head = versionFlags >= 0 ? Big(uint64_t(versionFlags), 4) : Bytes();
    return Join({Big(8 + head.size() + content.size(), 4), Bytes(type, type + 4), head, content});
}

// A file of `meta`'s boxes.
Bytes HeifFile(std::initializer_list<Bytes> meta) {
    return Join({Box("ftyp", Join({Bytes{'h', 'e', 'i', 'c'}, Big(0, 4)})), Box("meta", Join(meta), 0)});
}

// Item information of version 2: its id, type and an empty name.
Bytes Infe(uint16_t id, const char* type) {
    return Box("infe", Join({Big(id, 2), Big(0, 2), Bytes(type, type + 5)}), 0x02000000);
}

// iloc (version 1: offsets, lengths and base offsets of 4 bytes) of items
// given as {id, construction, base, extents as offset and length, ...}.
Bytes Iloc(std::initializer_list<std::vector<uint32_t>> items) {
    Bytes b = Join({Bytes{0x44, 0x40}, Big(items.size(), 2)});
    for (const std::vector<uint32_t>& item : items) {
        b = Join({b, Big(item[0], 2), Big(item[1], 2), Big(0, 2), Big(item[2], 4), Big((item.size() - 3) / 2, 2)});
        for (size_t i = 3; i < item.size(); ++i) b = Join({b, Big(item[i], 4)});
    }
    return Box("iloc", b, 0x01000000);
}

Bytes Repeated(const Bytes& part, int times) {
    Bytes b;
    for (int i = 0; i < times; ++i) b.insert(b.end(), part.begin(), part.end());
    return b;
}

size_t Find(const Bytes& file, const char* type) {
    return size_t(std::search(file.begin(), file.end(), type, type + 4) - file.begin());
}

TEST(HeifBoxes, ItemsTheirDataReferencesAndPropertiesAreRead) {
    const Bytes file = HeifFile({
        Box("pitm", Big(1, 2), 0),
        Box("iinf", Join({Big(3, 2), Infe(1, "grid"), Infe(2, "hvc1"), Infe(3, "hvc1")}), 0),
        Box("iref", Box("dimg", Join({Big(1, 2), Big(2, 2), Big(2, 2), Big(3, 2)})), 0),
        Box("iprp", Join({Box("ipco", Join({Box("ispe", Big(0, 8), 0), Box("hvcC", Bytes(23))})),
                          Box("ipma",
                              Join({Big(2, 4), Big(2, 2), Bytes{2}, Big(0x8001, 2), Big(2, 2), Big(3, 2), Bytes{1},
                                    Big(0x8002, 2)}),
                              1)})),
        // Item 1 lies in idat; item 2 from a base offset, on to the end of
        // the file and beyond it; item 3 is cut where the file ends; 9 has
        // no item information.
        Iloc({{1, 1, 0, 2, 4}, {2, 0, 40, 10, 10, 20, 0, 1 << 20, 1}, {3, 0, 0, 60, 1 << 20}, {9, 0, 0, 0, 4}}),
        Box("idat", Bytes(8, 7)),
    });
    const heif::HeifBoxes boxes = heif::ReadHeifBoxes(file.data(), file.size());
    ASSERT_TRUE(boxes.read);
    EXPECT_EQ(boxes.primary, 1u);
    ASSERT_EQ(boxes.items.size(), 3u);
    const size_t idat = Find(file, "idat") + 4;
    const auto spans = [&](uint32_t id) {
        std::vector<std::pair<size_t, size_t>> out;
        for (const heif::Span s : boxes.items.at(id).extents) out.emplace_back(s.begin, s.end);
        return out;
    };
    EXPECT_EQ(boxes.items.at(1).type, "grid");
    EXPECT_EQ(boxes.items.at(1).construction, 1);
    EXPECT_EQ(spans(1), (std::vector<std::pair<size_t, size_t>>{{idat + 2, idat + 6}}));
    EXPECT_EQ(spans(2), (std::vector<std::pair<size_t, size_t>>{{50, 60}, {60, file.size()}}));
    EXPECT_EQ(spans(3), (std::vector<std::pair<size_t, size_t>>{{60, file.size()}}));
    EXPECT_EQ(boxes.items.at(1).tiles, (std::vector<uint32_t>{2, 3}));
    ASSERT_EQ(boxes.properties.size(), 2u);
    EXPECT_EQ(boxes.properties[1].first, "hvcC");
    // ipma's flag 1: indices of 15 bits, the essential bit dropped.
    EXPECT_EQ(boxes.items.at(2).properties, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(boxes.items.at(3).properties, (std::vector<uint32_t>{2}));

    // Without iinf and iloc the items are libheif's to refuse; the
    // properties are still read.
    const Bytes bare = HeifFile({Box("iprp", Box("ipco", Box("irot", Bytes{1})))});
    EXPECT_FALSE(heif::ReadHeifBoxes(bare.data(), bare.size()).read);
    EXPECT_TRUE(heif::HasTransformation(bare.data(), bare.size()));
    EXPECT_FALSE(heif::HasTransformation(file.data(), file.size()));
}

TEST(HeifBoxes, MoreItemsReferencesOrPropertiesThanTheReaderFollowsAreRefused) {
    const Bytes iinf = Box("iinf", Big(0, 2), 0), iloc = Iloc({});
    const auto refused = [](const Bytes& file) {
        try {
            heif::ReadHeifBoxes(file.data(), file.size());
        } catch (const CorvessaError& e) {
            EXPECT_EQ(std::string(e.what()), "Bitmap image is not valid: it has more than 4096 items");
            return true;
        }
        return false;
    };
    // 257 items of 255 associations and one of `last`.
    const auto ipma = [](int last) {
        const auto item = [](int n) { return Join({Big(1, 2), Bytes{uint8_t(n)}, Bytes(size_t(n), 1)}); };
        return Box("iprp", Box("ipma", Join({Big(258, 4), Repeated(item(255), 257), item(last)}), 0));
    };
    const auto references = [](int count) {
        return Box("iref", Box("dimg", Join({Big(1, 2), Big(uint64_t(count), 2), Repeated(Big(2, 2), count)})), 0);
    };
    const struct {
        Bytes file;
        bool refused;
    } cases[] = {
        {HeifFile({Box("iinf", Big(4097, 2), 0), iloc}), true},
        {HeifFile({Box("iinf", Join({Big(0, 2), Repeated(Infe(1, "hvc1"), 4097)}), 0), iloc}), true},
        {HeifFile({iinf, Box("iloc", Join({Bytes{0x44, 0x40}, Big(4097, 2)}), 0x01000000)}), true},
        {HeifFile({iinf, iloc, references(4096)}), false},
        {HeifFile({iinf, iloc, references(4097)}), true},
        {HeifFile({iinf, iloc, Box("iprp", Box("ipma", Big(4097, 4), 0))}), true},
        {HeifFile({iinf, iloc, ipma(1)}), false},  // 16 for each of 4096 items
        {HeifFile({iinf, iloc, ipma(2)}), true},
        {HeifFile({Box("iprp", Box("ipco", Repeated(Box("free", {}), 4096)))}), false},
        {HeifFile({Box("iprp", Box("ipco", Repeated(Box("free", {}), 4097)))}), true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(refused(cases[i].file), cases[i].refused) << i;
}

}  // namespace
}  // namespace corvessa
