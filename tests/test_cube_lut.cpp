// The .cube reader against hostile files, and the applier against a plain
// floating-point tetrahedral interpolation.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "io/cube_file.h"
#include "looks/cube_lut.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Straightforward tetrahedral interpolation of one B, G, R pixel.
void ReferencePixel(const CubeLut& lut, const uint8_t* in, uint8_t* out) {
    const int n = lut.size;
    double pos[3];
    int index[3];
    for (int c = 0; c < 3; ++c) {
        const double lo = lut.domainMin[size_t(c)], hi = lut.domainMax[size_t(c)];
        pos[c] = std::clamp((in[2 - c] / 255.0 - lo) / (hi - lo), 0.0, 1.0) * (n - 1);
        index[c] = std::min(int(pos[c]), n - 2);
        pos[c] -= index[c];
    }
    const auto value = [&](int r, int g, int b, int c) {
        const size_t e = lut.is3D ? (size_t(b) * n + size_t(g)) * n + size_t(r) : size_t(c == 0 ? r : c == 1 ? g : b);
        return double(lut.values[e * 3 + size_t(c)]);
    };
    for (int c = 0; c < 3; ++c) {
        double v;
        if (!lut.is3D) {
            const int i = index[c];
            v = value(i, i, i, c) + (value(i + 1, i + 1, i + 1, c) - value(i, i, i, c)) * pos[c];
        } else {
            // Steps from the low corner along the axes, largest fraction first.
            int order[3] = {0, 1, 2};
            std::sort(order, order + 3, [&](int a, int b) { return pos[a] > pos[b]; });
            int corner[3] = {index[0], index[1], index[2]};
            v = value(corner[0], corner[1], corner[2], c) * (1 - pos[order[0]]);
            for (int k = 0; k < 3; ++k) {
                ++corner[order[k]];
                const double w = pos[order[k]] - (k < 2 ? pos[order[k + 1]] : 0.0);
                v += value(corner[0], corner[1], corner[2], c) * w;
            }
        }
        out[2 - c] = uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    }
}

TBitmap Applied(const CubeLut& lut, const TBitmap& photo) {
    TBitmap out;
    PreparedLut(lut).Apply(photo, out);
    return out;
}

CubeLut Parsed(const std::string& text) { return ParseCubeLut(text, "/x/look.cube"); }

}  // namespace

TEST(CubeLut, RefusesHostileFilesNamingThemAndReadsTheirHonestCounterparts) {
    const std::string ok3 = CubeText(2, true, SameColour);
    struct Case {
        std::string text, reason;
    } cases[] = {
        {"LUT_3D_SIZE 257\n", "size 257 is outside 2 to 256"},
        {"LUT_3D_SIZE 1\n0 0 0\n", "size 1 is outside"},
        {"LUT_1D_SIZE 65537\n", "size 65537 is outside 2 to 65536"},
        {"LUT_3D_SIZE 99999999999999999999\n", "is not a size"},
        {"LUT_3D_SIZE 2\n0 0 0\n", "the file is too short for its 8 entries"},
        {ok3.substr(0, ok3.rfind("1 1 1")), "holds 7 entries where its size wants 8"},
        {ok3 + "1 1 1\n", "more entries than its size wants (8)"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 x 1\n", "line 3: \"x\" is not a number"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 nan 1\n", "line 3: a value is not a finite number"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 -inf 1\n", "line 3: a value is not a finite number"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 1e999 1\n", "line 3: a value is out of range"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 1\n", "line 3: three numbers are wanted"},
        {"LUT_1D_SIZE 2\n0 0 0\n1 1 1 1\n", "three numbers are wanted"},
        {"0 0 0\n", "line 1: an entry comes before"},
        {"TITLE \"t\"\n", "neither LUT_1D_SIZE nor LUT_3D_SIZE"},
        {"LUT_1D_SIZE 2\nLUT_3D_SIZE 2\n", "line 2: the size is given twice"},
        {"LUT_1D_SIZE 2\nCOLOUR 1\n0 0 0\n1 1 1\n", "line 2: unknown keyword \"COLOUR\""},
        {"DOMAIN_MIN 1 1 1\nDOMAIN_MAX 0 0 0\nLUT_1D_SIZE 2\n0 0 0\n1 1 1\n", "DOMAIN_MIN is not below DOMAIN_MAX"},
        {"LUT_1D_SIZE 2\n0 0 0\nTITLE \"late\"\n1 1 1\n", "line 3: a keyword comes after the entries"},
        // Lines counted alike whichever way they end.
        {"LUT_1D_SIZE 2\r0 0 0\r1 x 1\r", "line 3: \"x\" is not a number"},
        {"LUT_1D_SIZE 2\r\n0 0 0\r\n1 x 1\r\n", "line 3: \"x\" is not a number"},
        {"LUT_1D_SIZE 2\r\r0 0 0\n1 x 1", "line 4: \"x\" is not a number"},
    };
    for (const Case& c : cases) {
        const std::string error = ErrorOf([&] { Parsed(c.text); });
        EXPECT_EQ(error.rfind("LUT file is not valid: ", 0), 0u) << c.text;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_NE(error.find(" — /x/look.cube"), std::string::npos) << error;
    }

    // Comments, blank lines, Windows line ends, a title, a domain and the
    // older input range are all read.
    const CubeLut lut = Parsed("# made by hand\r\nTITLE \"Warm print\"\r\n\r\nDOMAIN_MIN 0 0 0\nDOMAIN_MAX 2 2 2\n" +
                               CubeText(2, false, InvertedColour) + "\n# end\n");
    EXPECT_EQ(lut.title, "Warm print");
    EXPECT_FALSE(lut.is3D);
    EXPECT_EQ(lut.size, 2);
    EXPECT_EQ(lut.domainMax[1], 2.f);
    EXPECT_EQ(lut.values.size(), 6u);
    EXPECT_EQ(Parsed("LUT_3D_INPUT_RANGE -0.5 1.5\n" + ok3).domainMin[2], -0.5f);
    EXPECT_EQ(Parsed(ok3).values.size(), 24u);
    // Old Macs ended lines with CR alone.
    std::string mac = CubeText(3, true, InvertedColour, "TITLE \"Mac\"\n");
    std::replace(mac.begin(), mac.end(), '\n', '\r');
    const CubeLut fromMac = Parsed(mac);
    EXPECT_EQ(fromMac.title, "Mac");
    EXPECT_EQ(fromMac.values, Parsed(CubeText(3, true, InvertedColour)).values);
}

TEST(CubeLut, ReadsFilesAndRefusesAHugeOneFromItsSize) {
    const TempDir dir;
    const std::string good = dir.File("good.cube"), huge = dir.File("huge.cube");
    const std::string text = CubeText(3, true, InvertedColour, "TITLE \"Negative\"\n");
    WriteBytes(good, std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(ReadCubeLutFile(good).title, "Negative");

    // 2 GB of holes: refused from its length, without reading it.
    WriteBytes(huge, std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_EQ(truncate(huge.c_str(), off_t(2) << 30), 0);
    EXPECT_EQ(ErrorOf([&] { ReadCubeLutFile(huge); }), "LUT file is not valid: the file is longer than 640 MB — " + huge);
    EXPECT_EQ(ErrorOf([&] { ReadCubeLutFile(dir.File("none.cube")); }).rfind("Cannot open file " + dir.File("none.cube"), 0),
              0u);
}

TEST(CubeLut, IdentityGivesThePhotoBackAndInversionItsNegativeAtEverySize) {
    const TBitmap photo = RandomBitmap(97, 61, 7);
    TBitmap negative = Copy(photo);
    for (size_t i = 0; i < negative.ByteCount(); ++i) negative.Data()[i] = uint8_t(255 - negative.Data()[i]);
    const struct {
        int size;
        bool is3D;
    } sizes[] = {{2, true}, {3, true}, {17, true}, {33, true}, {64, true}, {2, false}, {256, false}, {4096, false}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.size << (s.is3D ? " 3D" : " 1D"));
        EXPECT_TRUE(SamePixels(Applied(Parsed(CubeText(s.size, s.is3D, SameColour)), photo), photo));
        EXPECT_TRUE(SamePixels(Applied(Parsed(CubeText(s.size, s.is3D, InvertedColour)), photo), negative));
    }
    // Every byte value, in place.
    TBitmap ramp(256, 1);
    for (int x = 0; x < 256; ++x) ramp.Pixel(x, 0)[0] = ramp.Pixel(x, 0)[1] = ramp.Pixel(x, 0)[2] = uint8_t(x);
    TBitmap same = Copy(ramp);
    PreparedLut(Parsed(CubeText(5, true, SameColour))).Apply(same, same);
    EXPECT_TRUE(SamePixels(same, ramp));
}

TEST(CubeLut, FastPathMatchesTheReferenceWithinOneOnRandomTables) {
    std::mt19937 random(30);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const TBitmap photo = RandomBitmap(211, 37, 11);
    for (int size : {2, 5, 17, 33}) {
        for (bool is3D : {true, false}) {
            CubeLut lut = Parsed(CubeText(size, is3D, [&](double, double, double, double out[3]) {
                for (int c = 0; c < 3; ++c) out[c] = unit(random);
            }));
            if (size == 5) lut.domainMin = {0.1f, -0.2f, 0.f}, lut.domainMax = {0.9f, 1.f, 1.5f};
            TBitmap expected(photo.Width(), photo.Height());
            for (int y = 0; y < photo.Height(); ++y)
                for (int x = 0; x < photo.Width(); ++x) ReferencePixel(lut, photo.Pixel(x, y), expected.Pixel(x, y));
            EXPECT_LE(MaxDifference(Applied(lut, photo), expected), 1) << size << (is3D ? " 3D" : " 1D");
        }
    }
}
