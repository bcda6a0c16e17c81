// The PNG writer's parallel compression: one zlib stream from parts made
// side by side, read by zlib's own inflater; and the rows filtered as
// libpng filters them, so a PNG of ours decodes to the same pixels and its
// picture data inflates to libpng's own filtered rows.

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "ground/parallel.h"
#include "io/png_codec.h"
#include "io/zlib_parts.h"
#include "test_support.h"

namespace corvessa {
namespace {

// The whole of a zlib stream inflated by zlib; empty when zlib refuses it.
std::vector<uint8_t> Inflated(const std::vector<uint8_t>& stream, size_t expected) {
    std::vector<uint8_t> out(expected + 1);
    uLongf size = uLongf(out.size());
    if (uncompress(out.data(), &size, stream.data(), uLong(stream.size())) != Z_OK) return {};
    out.resize(size);
    return out;
}

std::vector<uint8_t> Joined(const ZlibPieces& pieces) {
    std::vector<uint8_t> all;
    for (const auto& piece : pieces.pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

// Bytes that compress neither too well nor too badly: runs and noise.
std::vector<uint8_t> Material(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = random() % 4 == 0 ? uint8_t(random()) : uint8_t(i / 97);
    return bytes;
}

TEST(ZlibPartsTest, PartsOfAwkwardSizesJoinIntoOneStreamZlibInflates) {
    struct Case {
        size_t size;
        int parts;
    };
    // Empty parts, parts shorter than the window, one byte, many threads' worth.
    const Case cases[] = {{0, 1}, {1, 1}, {5, 3}, {1000, 7}, {40000, 2}, {100003, 5}, {1 << 20, 16}};
    for (int threads : {1, 2}) {
        LimitRowThreads(threads);
        for (const Case& c : cases)
            for (int level : {0, 1, 3, 6, 9}) {
                const std::vector<uint8_t> input = Material(c.size, uint32_t(c.size + level));
                const size_t per = (c.size + size_t(c.parts) - 1) / size_t(c.parts);
                const ZlibPieces pieces =
                    CompressInParts(c.parts, per, level, Z_DEFAULT_STRATEGY, [&](int part, std::vector<uint8_t>& bytes) {
                        const size_t begin = std::min(c.size, per * size_t(part));
                        const size_t end = std::min(c.size, begin + per);
                        const size_t lead = std::min<size_t>(begin, 40000);  // more than the window: the last 32 KB count
                        bytes.assign(input.begin() + ptrdiff_t(begin - lead), input.begin() + ptrdiff_t(end));
                        return lead;
                    });
                EXPECT_EQ(Inflated(Joined(pieces), c.size), input)
                    << c.size << " bytes in " << c.parts << " parts at level " << level << ", " << threads << " threads";
            }
    }
    LimitRowThreads(0);
}

TEST(ZlibPartsTest, PrimedPartsCompressAlmostAsWellAsOneStream) {
    const std::vector<uint8_t> input = Material(4 << 20, 7);
    uLongf whole = compressBound(uLong(input.size()));
    std::vector<uint8_t> one(whole);
    ASSERT_EQ(compress2(one.data(), &whole, input.data(), uLong(input.size()), 3), Z_OK);
    const size_t per = input.size() / 8;
    const ZlibPieces parts = CompressInParts(8, per, 3, Z_DEFAULT_STRATEGY, [&](int part, std::vector<uint8_t>& bytes) {
        const size_t begin = per * size_t(part), lead = std::min<size_t>(begin, 32768);
        bytes.assign(input.begin() + ptrdiff_t(begin - lead), input.begin() + ptrdiff_t(begin + per));
        return lead;
    });
    EXPECT_LE(parts.Size(), whole + 8 * 16);
}

// The picture data of a PNG file: its IDAT chunks' payloads joined.
std::vector<uint8_t> PictureData(const std::vector<uint8_t>& png) {
    std::vector<uint8_t> data;
    for (size_t at = 8; at + 12 <= png.size();) {
        const size_t length = size_t(png[at]) << 24 | size_t(png[at + 1]) << 16 | size_t(png[at + 2]) << 8 | png[at + 3];
        if (std::memcmp(&png[at + 4], "IDAT", 4) == 0)
            data.insert(data.end(), png.begin() + ptrdiff_t(at + 8), png.begin() + ptrdiff_t(at + 8 + length));
        at += 12 + length;
    }
    return data;
}

void Collect(png_structp png, png_bytep data, size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

// The picture as libpng writes it with its own row loop, at `level`.
std::vector<uint8_t> LibpngPng(const TBitmap& picture, int level) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, Collect, nullptr);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, png_uint_32(picture.Width()), png_uint_32(picture.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int y = 0; y < picture.Height(); ++y) png_write_row(png, picture.Row(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Noise in one band, ramps and flat colour in others, so every filter
// wins some rows.
TBitmap Mixed(int width, int height, uint32_t seed) {
    TBitmap picture = test::RandomBitmap(width, height, seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.Pixel(x, y);
            if (y % 5 == 1) p[0] = p[1] = p[2] = uint8_t(x * 3);
            if (y % 5 == 2) p[0] = p[1] = p[2] = uint8_t(y);
            if (y % 5 == 3) p[1] = uint8_t(x + y), p[2] = uint8_t((x * y) >> 3);
        }
    return picture;
}

TEST(PngWriterTest, DecodesToTheSamePixelsWithLibpngsFilterChoiceAtEveryLevel) {
    struct Size {
        int width, height;
    };
    // One pixel, narrower than a pixel's bytes of look-back, odd sides,
    // rows that need several parts and a part of one row.
    const Size sizes[] = {{1, 1}, {1, 9}, {2, 3}, {7, 5}, {301, 77}, {1000, 1500}, {65535, 3}};
    for (const Size& size : sizes) {
        const TBitmap picture = Mixed(size.width, size.height, uint32_t(size.width * 31 + size.height));
        for (int level = 0; level <= 9; level += size.width * size.height > 100000 ? 3 : 1) {
            const std::vector<uint8_t> ours = EncodePng(picture, {}, {}, level);
            const size_t rows = size_t(size.height) * (picture.RowBytes() + 1);
            EXPECT_TRUE(test::SamePixels(DecodePng(ours.data(), ours.size()), picture))
                << size.width << "x" << size.height << " at level " << level;
            EXPECT_EQ(Inflated(PictureData(ours), rows), Inflated(PictureData(LibpngPng(picture, level)), rows))
                << size.width << "x" << size.height << " at level " << level;
        }
    }
}

TEST(PngWriterTest, NoLargerThanLibpngsOwnAtItsLevel) {
    const TBitmap picture = test::GradientBitmap(3000, 2000);
    const size_t ours = EncodePng(picture).size(), libpngs = LibpngPng(picture, kPngLevel).size();
    EXPECT_LE(ours, libpngs + libpngs / 100);
}

}  // namespace
}  // namespace corvessa
