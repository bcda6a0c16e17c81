// The optimised routines (fused passes, lookup tables, row threads, pooled
// buffers, cached pictures) against the straightforward versions in
// reference_routines.h, byte for byte, on random pictures of awkward sizes.
#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "catalogue/catalogue.h"
#include "ground/strength.h"
#include "effectimage/effect_image.h"
#include "reference_routines.h"
#include "routine_fixtures.h"
#include "ground/error.h"
#include "looks/line_art.h"
#include "looks/overlay.h"
#include "looks/painterly.h"
#include "io/picture_source.h"
#include "looks/routine_support.h"
#include "looks/tints.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

struct Size {
    int w, h;
};
// The last one is large enough for the row loops to run on several threads.
constexpr Size kSizes[] = {{1, 1}, {7, 3}, {105, 105}, {1001, 37}, {1001, 301}};

std::string Name(Size s) { return std::to_string(s.w) + "x" + std::to_string(s.h); }

class FastPaths : public ::testing::Test {
protected:
    FastPaths() {
        for (const char* folder : {"weather", "gradient", "EdgeA", "color", "line"})
            for (const char* number : {"1", "2", "9"})
                pics_.Write(folder, number, RandomBitmap(37 + number[0] % 5, 23, uint32_t(folder[0] + number[0])));
        ctx_.pictures = &pictures_;
    }
    TBitmap Picture(const std::string& folder, int number) const {
        return reference::Load(pics_.AppDir(), folder, number);
    }
    SharedPicture Load(const std::string& folder, int number) const { return pictures_.Load({folder, number}); }

    PicFolder pics_;
    RandomGenerator random_{3};
    TProEffectImage effect_{random_};
    PictureCache cache_;
    FolderPictures pictures_{pics_.AppDir() + "pic", &cache_};
    RenderContext ctx_;
};

template <BlendFn F>
void ExpectBlendPassMatches(const TBitmap& a, const TBitmap& b) {
    TBitmap fast(a.Width(), a.Height()), slow(a.Width(), a.Height());
    BlendPass<F>(fast, a, b);
    reference::Blend<F>(slow, a, b);
    EXPECT_TRUE(SamePixels(fast, slow));
    // In place on either argument.
    TBitmap onA = reference::Copy(a), onB = reference::Copy(b);
    BlendPass<F>(onA, onA, b);
    BlendPass<F>(onB, a, onB);
    EXPECT_TRUE(SamePixels(onA, slow));
    EXPECT_TRUE(SamePixels(onB, slow));
}

TEST(FastBlends, EveryBlendPassMatchesTheHelperByteForByte) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap a = RandomBitmap(s.w, s.h, 1), b = RandomBitmap(s.w, s.h, 2);
        ExpectBlendPassMatches<BlendColorDodge>(a, b);
        ExpectBlendPassMatches<BlendScreen>(a, b);
        ExpectBlendPassMatches<BlendLighten>(a, b);
        ExpectBlendPassMatches<BlendDarken>(a, b);
        ExpectBlendPassMatches<BlendHardLight>(a, b);
        ExpectBlendPassMatches<BlendColorBurn>(a, b);
        ExpectBlendPassMatches<BlendOverlay>(a, b);
    }
}

TEST(FastBlends, DivisionBy255WithoutDividingIsExact) {
    for (unsigned x = 0; x <= 255 * 255; ++x) ASSERT_EQ(Div255(x), x / 255) << x;
}

// The row kernels that run in 16-bit lanes, over every pair of bytes.
template <BlendFn F>
void ExpectBlendRowMatchesForEveryPair() {
    std::vector<uint8_t> a(65536), b(65536), out(65536);
    for (size_t i = 0; i < a.size(); ++i) {
        a[i] = uint8_t(i >> 8);
        b[i] = uint8_t(i);
    }
    BlendRow<F>(a.data(), b.data(), out.data(), out.size());
    for (size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], F(a[i], b[i])) << int(a[i]) << ", " << int(b[i]);
}

TEST(RowKernels, SixteenBitBlendsMatchTheHelpersForEveryPair) {
    ExpectBlendRowMatchesForEveryPair<BlendOverlay>();
    ExpectBlendRowMatchesForEveryPair<BlendHardLight>();
    ExpectBlendRowMatchesForEveryPair<BlendScreen>();
}

TEST(RowKernels, MixRowMatchesTheDivisionForEveryWeightAndPair) {
    std::vector<uint8_t> over(65536), base(65536), weights(65536), out(65536);
    for (size_t i = 0; i < over.size(); ++i) {
        over[i] = uint8_t(i >> 8);
        base[i] = uint8_t(i);
    }
    for (unsigned w = 0; w < 256; ++w) {
        std::fill(weights.begin(), weights.end(), uint8_t(w));
        MixRow(weights.data(), over.data(), base.data(), out.data(), out.size());
        for (size_t i = 0; i < out.size(); ++i)
            ASSERT_EQ(out[i], (w * over[i] + (255 - w) * base[i]) / 255) << w << ", " << i;
    }
}

TEST(RowKernels, GreyRowMatchesThePixelFormulaOnEveryLength) {
    // Lengths around the 8-pixel blocks and the pixel-by-pixel ends, and a
    // photo-wide row; the bytes just outside the row must stay untouched.
    std::vector<int> lengths;
    for (int p = 0; p <= 40; ++p) lengths.push_back(p);
    lengths.push_back(6001);
    for (int pixels : lengths) {
        SCOPED_TRACE(pixels);
        const TBitmap source = RandomBitmap(pixels + 2, 1, uint32_t(pixels + 11));
        std::vector<uint8_t> inPlace(source.Row(0), source.Row(0) + source.RowBytes());
        std::vector<uint8_t> copied(inPlace.size(), 0xAB), blocks(copied), perPixel(copied);
        GrayRow(inPlace.data() + 3, pixels);
        GrayRowTo(source.Row(0) + 3, copied.data() + 3, pixels);
        // Both kernels, whichever of them this processor dispatches to.
        detail::GrayRowToBlocks(source.Row(0) + 3, blocks.data() + 3, pixels);
        detail::GrayRowToPixels(source.Row(0) + 3, perPixel.data() + 3, pixels);
        for (int x = 0; x < pixels + 2; ++x) {
            const uint8_t* p = source.Row(0) + 3 * x;
            const bool inside = x >= 1 && x <= pixels;
            const int g = (28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8;
            for (int c = 0; c < 3; ++c) {
                const size_t i = size_t(3 * x + c);
                ASSERT_EQ(inPlace[i], inside ? g : p[c]) << x;
                ASSERT_EQ(copied[i], inside ? g : 0xAB) << x;
                ASSERT_EQ(blocks[i], copied[i]) << x;
                ASSERT_EQ(perPixel[i], copied[i]) << x;
            }
        }
    }
}

TEST(RowKernels, GreyRowTablesMatchTheChannelTablesOnGreyRows) {
    const ChannelTables tables = ChannelTables::AgainstColor<BlendColorBurn>(Rgb{193, 132, 7});
    const GreyRowTables grey(tables);
    for (int pixels : {1, 2, 7, 1001}) {
        SCOPED_TRACE(pixels);
        TBitmap row = RandomBitmap(pixels, 1, uint32_t(pixels));
        GrayRow(row.Row(0), pixels);
        std::vector<uint8_t> slow(row.RowBytes()), fast(row.RowBytes() + 1, 0xAB);
        tables.Apply(row.Row(0), slow.data(), pixels);
        grey.Apply(row.Row(0), fast.data(), pixels);
        EXPECT_TRUE(std::equal(slow.begin(), slow.end(), fast.begin()));
        EXPECT_EQ(fast.back(), 0xAB);  // nothing written past the row
        grey.Apply(row.Row(0), row.Row(0), pixels);  // in place
        EXPECT_TRUE(std::equal(slow.begin(), slow.end(), row.Row(0)));
    }
}

TEST(RowKernels, ComputedColourBurnMatchesTheHelperForEveryPair) {
    // Every value against every colour channel, in each of the three
    // channels, on a row long enough for the vector blocks and their tail.
    TBitmap row(257, 1);
    const RenderContext plain;
    for (int c = 0; c < 256; ++c) {
        for (int x = 0; x < row.Width(); ++x) {
            const uint8_t a = uint8_t(x & 255);
            row.Pixel(x, 0)[0] = row.Pixel(x, 0)[1] = row.Pixel(x, 0)[2] = a;
        }
        const Rgb colour{uint8_t(c), uint8_t(255 - c), uint8_t(c / 2)};
        ColorBurnTint(row, colour, plain);
        for (int x = 0; x < row.Width(); ++x) {
            const int a = x & 255;
            ASSERT_EQ(row.Pixel(x, 0)[0], BlendColorBurn(a, colour.b)) << a << " against " << int(colour.b);
            ASSERT_EQ(row.Pixel(x, 0)[1], BlendColorBurn(a, colour.g)) << a << " against " << int(colour.g);
            ASSERT_EQ(row.Pixel(x, 0)[2], BlendColorBurn(a, colour.r)) << a << " against " << int(colour.r);
        }
    }
}

TEST(RowKernels, StretchedWeightsMatchTheWeightsOfTheStretchedRow) {
    // Enlarged (source pixels repeat), shrunk (pixels dropped) and equal.
    const TBitmap source = RandomBitmap(37, 5, 21);
    for (int width : {1, 36, 37, 38, 139, 1001}) {
        SCOPED_TRACE(width);
        const NearestStretch stretch(source, width, 9);
        StretchedMaskWeights stretchedWeights(stretch);
        std::vector<uint8_t> row(size_t(width) * 3), slow(row.size()), fast(row.size());
        for (int sy = 0; sy < source.Height(); ++sy) {
            stretch.FillRow(sy, row.data());
            MaskWeightRow(row.data(), width, slow.data());
            stretchedWeights.Row(sy, fast.data());
            ASSERT_EQ(slow, fast) << sy;
        }
    }
}

TEST(FastBlends, MaskBlendAndGrayscaleMatchTheReference) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap over = RandomBitmap(s.w, s.h, 4), mask = RandomBitmap(s.w, s.h, 5);
        TBitmap fast = RandomBitmap(s.w, s.h, 6), slow = RandomBitmap(s.w, s.h, 6);
        MaskBlend(fast, over, mask);
        reference::MaskBlend(slow, over, mask);
        EXPECT_TRUE(SamePixels(fast, slow));
        Grayscale(fast);
        reference::Grayscale(slow);
        EXPECT_TRUE(SamePixels(fast, slow));
    }
}

TEST(FastBlends, StretchDrawMatchesTheFloorMapping) {
    const TBitmap source = RandomBitmap(37, 23, 7);
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        TBitmap fast(s.w, s.h);
        fast.StretchDraw(source);
        EXPECT_TRUE(SamePixels(fast, reference::Stretch(source, s.w, s.h)));
        TBitmap shrunk(13, 5);
        const TBitmap big = RandomBitmap(s.w, s.h, 8);
        shrunk.StretchDraw(big);
        EXPECT_TRUE(SamePixels(shrunk, reference::Stretch(big, 13, 5)));
    }
}

TEST_F(FastPaths, OverlayAndMaskRoutinesMatchTheReference) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap photo = RandomBitmap(s.w, s.h, 9);
        TBitmap dest;
        OverlayPicture(photo, dest, {"weather", 1}, OverlayBlend::kScreen, ctx_);
        EXPECT_TRUE(SamePixels(dest, reference::OverlayPicture(photo, Picture("weather", 1), false)));
        OverlayPicture(photo, dest, {"Gradient", 2}, OverlayBlend::kOverlay, ctx_);
        EXPECT_TRUE(SamePixels(dest, reference::OverlayPicture(photo, Picture("gradient", 2), true)));
        MaskOverlay(photo, dest, {"EdgeA", 9}, kYellow, ctx_);
        EXPECT_TRUE(SamePixels(dest, reference::MaskOverlay(photo, Picture("EdgeA", 9), kYellow)));

        ScriptedChooser chooser({Rgb{30, 140, 220}, Rgb{200, 10, 90}});
        RenderContext change = ctx_;
        change.changeColorMode = true;
        change.colorChooser = &chooser;
        const Rgb tint{30, 140, 220};
        OverlayPicture(photo, dest, {"weather", 2}, OverlayBlend::kScreen, change);
        EXPECT_TRUE(SamePixels(dest, reference::OverlayPicture(photo, Picture("weather", 2), false, &tint)));
        MaskOverlay(photo, dest, {"EdgeA", 1}, kWhite, change);
        EXPECT_TRUE(SamePixels(dest, reference::MaskOverlay(photo, Picture("EdgeA", 1), Rgb{200, 10, 90})));
    }
}

TEST_F(FastPaths, TintsMatchTheReference) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap photo = RandomBitmap(s.w, s.h, 10);
        for (int mode : {1, 2}) {
            TBitmap fast = reference::Copy(photo), slow = reference::Copy(photo);
            PictureColorTint(fast, mode, Rgb{255, 0, 255}, ctx_);
            reference::PictureColorTint(slow, mode, Rgb{255, 0, 255}, Picture("color", 1));
            EXPECT_TRUE(SamePixels(fast, slow)) << "mode " << mode;
        }
        TBitmap dest;
        ColorMaskTint(photo, dest, kRed, ctx_);
        EXPECT_TRUE(SamePixels(dest, reference::ColorMaskTint(photo, kRed, Picture("color", 2))));
        TBitmap fast = reference::Copy(photo), slow = reference::Copy(photo);
        QuadColorTint(fast);
        reference::QuadColorTint(slow);
        EXPECT_TRUE(SamePixels(fast, slow));
    }
}

TEST_F(FastPaths, LinePatternMatchesTheTiledReference) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap photo = RandomBitmap(s.w, s.h, 11);
        for (int n : {1, 9}) {
            TBitmap dest;
            LinePattern(photo, dest, n, ctx_);
            if ((s.w >= s.h ? s.h : s.w) / (n < 8 ? 16 : 8) < 1) {
                EXPECT_TRUE(SamePixels(dest, photo));
                continue;
            }
            EXPECT_TRUE(SamePixels(dest, reference::LinePattern(photo, n, Picture("line", n), kGreen)))
                << "pattern " << n;
        }
    }
}

TEST_F(FastPaths, PainterlyRoutinesMatchTheReference) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        const TBitmap photo = RandomBitmap(s.w, s.h, 12);
        TBitmap fast = reference::Copy(photo), slow = reference::Copy(photo);
        DiagonalSharpen(fast);
        reference::DiagonalSharpen(slow);
        EXPECT_TRUE(SamePixels(fast, slow));

        TBitmap dest;
        MosaicPainting(photo, dest);
        EXPECT_TRUE(SamePixels(dest, reference::MosaicPainting(photo)));
        PencilSketch(photo, dest, ctx_);
        EXPECT_TRUE(SamePixels(dest, reference::PencilSketch(photo)));
        for (int mode = 0; mode <= 8; ++mode) {
            SketchBlend(photo, dest, mode);
            EXPECT_TRUE(SamePixels(dest, reference::SketchBlend(photo, mode))) << "mode " << mode;
        }
    }
}

TEST_F(FastPaths, SplitBlurKeepsItsInPlaceOrderOnEveryThreadCount) {
    for (Size s : kSizes) {
        SCOPED_TRACE(Name(s));
        for (int distance : {1, 3, 5}) {
            effect_.Picture().CopyFrom(RandomBitmap(s.w, s.h, 13));
            TBitmap slow = reference::Copy(effect_.Picture());
            effect_.Effect_SplitBlur(distance);
            reference::SplitBlur(slow, distance);
            EXPECT_TRUE(SamePixels(effect_.Picture(), slow)) << "distance " << distance;
        }
    }
}

TEST_F(FastPaths, GaussianBlurSweepsMatchPassAfterPass) {
    // Heights around the wrapped last rows (6 falls back to single passes),
    // widths around the distance, and a picture large enough for threads;
    // 1 to 4 passes make one sweep, 6 two, 9 three.
    const Size sizes[] = {{4, 6}, {4, 7}, {3, 9}, {5, 8}, {17, 13}, {105, 105}, {1001, 301}};
    for (Size s : sizes)
        for (int extra : {0, 1, 3, 5, 8}) {
            SCOPED_TRACE(Name(s) + " extra " + std::to_string(extra));
            effect_.Picture().CopyFrom(RandomBitmap(s.w, s.h, uint32_t(17 + extra)));
            TBitmap slow = reference::Copy(effect_.Picture());
            effect_.Effect_GaussianBlur(extra);
            reference::GaussianBlur(slow, extra);
            EXPECT_TRUE(SamePixels(effect_.Picture(), slow));
        }
}

TEST_F(FastPaths, GaussianBlurSplitIntoColumnsMatchesOnAnyThreadCount) {
    // Each thread takes its share of the columns of every row; three and
    // five threads split rows at other columns than two do.
    const TBitmap photo = RandomBitmap(1003, 307, 23);
    TBitmap slow = reference::Copy(photo);
    reference::GaussianBlur(slow, 3);
    const int threads = omp_get_max_threads();
    for (int n : {1, 2, 3, 5}) {
        SCOPED_TRACE(n);
        omp_set_num_threads(n);
        effect_.Picture().CopyFrom(photo);
        effect_.Effect_GaussianBlur(3);
        EXPECT_TRUE(SamePixels(effect_.Picture(), slow));
    }
    omp_set_num_threads(threads);
}

// --- Strength -----------------------------------------------------------------

TEST(Strength, EveryStrengthMatchesTheFormulaAlsoInPlace) {
    for (Size size : kSizes) {
        SCOPED_TRACE(Name(size));
        const TBitmap look = RandomBitmap(size.w, size.h, 31), photo = RandomBitmap(size.w, size.h, 32);
        TBitmap out;
        for (int s = 0; s <= 100; ++s) {
            MixByStrength(look, photo, s, out);
            ASSERT_TRUE(SamePixels(out, reference::MixByStrength(look, photo, s))) << s;
        }
        MixByStrength(look, photo, 100, out);
        EXPECT_TRUE(SamePixels(out, look));
        MixByStrength(look, photo, 0, out);
        EXPECT_TRUE(SamePixels(out, photo));
        TBitmap inPlace = Copy(look);
        MixByStrength(inPlace, photo, 63, inPlace);
        EXPECT_TRUE(SamePixels(inPlace, reference::MixByStrength(look, photo, 63)));
    }
}

// --- The picture cache -----------------------------------------------------------

TEST_F(FastPaths, CacheDecodesAPictureOnceAndSharesItReadOnly) {
    const SharedPicture first = Load("weather", 1);
    const SharedPicture again = Load("WEATHER", 1);  // the same file
    EXPECT_EQ(first.get(), again.get());
    EXPECT_TRUE(SamePixels(*first, Picture("weather", 1)));
    EXPECT_EQ(cache_.BytesHeld(), first->ByteCount());
}

TEST_F(FastPaths, CacheDecodesAgainWhenTheFileChanges) {
    const SharedPicture before = Load("weather", 2);
    // A different size on disk, and (on coarse clocks) the same time stamp.
    pics_.Write("weather", "2", RandomBitmap(64, 48, 99));
    const SharedPicture after = Load("weather", 2);
    EXPECT_EQ(after->Width(), 64);
    EXPECT_TRUE(SamePixels(*after, Picture("weather", 2)));
    EXPECT_EQ(before->Width(), 37 + '2' % 5);  // what the first caller holds stays as it was
}

TEST_F(FastPaths, CacheKeepsNoFailure) {
    EXPECT_THROW(Load("star", 1), CorvessaError);
    pics_.Write("star", "1", RandomBitmap(9, 9, 1));
    EXPECT_EQ(Load("star", 1)->Width(), 9);
}

TEST(PictureCache, KeepsThumbnailStretchesWhenTheFullPicturesNoLongerFit) {
    PicFolder pics;
    for (int n = 1; n <= 3; ++n) pics.Write("star", std::to_string(n), RandomBitmap(300, 200, uint32_t(n)));
    PictureCache cache(300 * 200 * 3);  // one full picture at a time
    const FolderPictures pictures(pics.AppDir() + "pic", &cache);
    std::vector<SharedPicture> first;
    for (int n = 1; n <= 3; ++n) first.push_back(pictures.LoadStretched({"star", n}, 105, 105));
    for (int n = 1; n <= 3; ++n) {
        TBitmap expected(105, 105);
        expected.StretchDraw(reference::Load(pics.AppDir(), "star", n));
        EXPECT_TRUE(SamePixels(*first[size_t(n - 1)], expected));
        EXPECT_EQ(pictures.LoadStretched({"star", n}, 105, 105).get(), first[size_t(n - 1)].get());
    }
    // Beyond thumbnail size: the decoded picture itself.
    EXPECT_EQ(pictures.LoadStretched({"star", 1}, 3000, 2000)->Width(), 300);
    // A changed file is stretched again.
    pics.Write("star", "2", RandomBitmap(64, 48, 99));
    TBitmap expected(105, 105);
    expected.StretchDraw(reference::Load(pics.AppDir(), "star", 2));
    EXPECT_TRUE(SamePixels(*pictures.LoadStretched({"star", 2}, 105, 105), expected));
}

TEST(PictureCache, StaysWithinItsBudgetAndServesConcurrentCallers) {
    PicFolder pics;
    for (int n = 1; n <= 6; ++n) pics.Write("weather", std::to_string(n), RandomBitmap(100, 100, uint32_t(n)));
    PictureCache cache(2 * 100 * 100 * 3);
    const FolderPictures pictures(pics.AppDir() + "pic", &cache);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int n = 1; n <= 6; ++n) EXPECT_EQ(pictures.Load({"weather", n})->Width(), 100);
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_LE(cache.BytesHeld(), size_t(2 * 100 * 100 * 3));
}

// --- Chained steps without copies ------------------------------------------------------

TEST_F(FastPaths, AFailingLaterStepLeavesTheResultOfTheStepsBefore) {
    // Preset 2: weather 8, then Gradient 10, which is missing.
    pics_.Write("weather", "8", RandomBitmap(20, 20, 14));
    const TBitmap photo = RandomBitmap(105, 105, 15);
    TBitmap result;
    EXPECT_THROW(ImgViewClick(2, 16, photo, result, ctx_), CorvessaError);
    EXPECT_TRUE(SamePixels(result, reference::OverlayPicture(photo, Picture("weather", 8), false)));
}

TEST(PixelPool, ReusedBuffersBehaveAsFreshOnes) {
    // Photo-sized bitmaps come from the pool once freed; sizes may differ.
    for (int round = 0; round < 3; ++round) {
        TBitmap a = RandomBitmap(1001, 400 + round * 7, uint32_t(round));
        TBitmap b;
        b.CopyFrom(a);
        b.SetSize(1001, 300);
        for (int y = 0; y < 300; ++y) ASSERT_EQ(std::memcmp(a.Row(y), b.Row(y), a.RowBytes()), 0);
    }
}

}  // namespace
