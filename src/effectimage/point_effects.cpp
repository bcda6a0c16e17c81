// Effects that change every pixel from its own value alone. The order of
// visiting matters only for the noise effects, whose draws follow the
// pixels row by row, left to right.

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "effectimage/channel_table.h"
#include "effectimage/effect_image.h"
#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

void MapChannels(const TBitmap& source, TBitmap& target, const ChannelTable& table) {
    ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
        const uint8_t* in = source.Row(y);
        uint8_t* out = target.Row(y);
        for (size_t i = 0; i < source.RowBytes(); ++i) out[i] = table[in[i]];
    });
}

ChannelTable DarknessTable(int strength) {
    return MakeChannelTable([&](int c) { return ClampChannel(c - int64_t(c) * strength / 255); });
}

namespace {

// The generator's seed after `steps` further draws, found without drawing
// them: each draw is the affine map seed * kMultiplier + kIncrement (mod
// 2^32) of RandomGenerator::Random, and powers of an affine map compose by
// squaring. This lets the rows of a noise effect run on several threads and
// still receive exactly the numbers a row-by-row walk would draw.
uint32_t SeedAfter(uint32_t seed, uint64_t steps) {
    constexpr uint32_t kMultiplier = 134775813u, kIncrement = 1u;
    uint32_t mul = kMultiplier, add = kIncrement;  // the map of 2^k draws
    uint32_t totalMul = 1, totalAdd = 0;
    for (; steps != 0; steps >>= 1) {
        if (steps & 1) {
            totalMul *= mul;
            totalAdd = totalAdd * mul + add;
        }
        add = add * mul + add;
        mul *= mul;
    }
    return seed * totalMul + totalAdd;
}

// Adds Random(n) - n shr 1 to the channels: one draw per channel (blue,
// green, red) for colour noise, one draw per pixel shared by the three
// channels for mono noise.
template <bool kColour>
void AddNoise(const TBitmap& source, TBitmap& target, uint32_t firstSeed, uint32_t n) {
    const int half = int(n >> 1);
    const uint64_t drawsPerRow = uint64_t(source.Width()) * (kColour ? 3 : 1);
    ForEachRowBand(source.Height(), source.RowBytes(), [&](int begin, int end) {
        RandomGenerator random(SeedAfter(firstSeed, drawsPerRow * uint64_t(begin)));
        for (int y = begin; y < end; ++y) {
            const uint8_t* in = source.Row(y);
            uint8_t* out = target.Row(y);
            for (size_t i = 0; i < source.RowBytes(); i += 3) {
                if constexpr (kColour) {
                    for (size_t c = 0; c < 3; ++c)
                        out[i + c] = ClampChannel(int(in[i + c]) + int(random.Random(n)) - half);
                } else {
                    const int offset = int(random.Random(n)) - half;
                    for (size_t c = 0; c < 3; ++c) out[i + c] = ClampChannel(int(in[i + c]) + offset);
                }
            }
        }
    });
}

// 0.30 red + 0.59 green + 0.11 blue rounded half to even, as the sum comes
// out in extended precision. The decimal sum is a whole number of
// hundredths, and the extended error (about 1e-16) can only decide the
// rounding when it lies exactly halfway; only then is it computed in
// extended precision.
uint8_t GrayOf(int red, int green, int blue) {
    const int hundredths = 30 * red + 59 * green + 11 * blue;
    if (hundredths % 100 != 50) return uint8_t((hundredths + 50) / 100);
    return uint8_t(std::nearbyintl(0.30L * red + 0.59L * green + 0.11L * blue));
}

}  // namespace

void TProEffectImage::Effect_Invert() {
    RewriteInPlace([](TBitmap& picture) {
        MapChannels(picture, picture, MakeChannelTable([](int c) { return uint8_t(255 - c); }));
    });
}

void TProEffectImage::Effect_AddColorNoise(int range) {
    // The generator's result is defined for ranges of 0 and up; a negative
    // range draws as 0 does.
    const uint32_t n = range > 0 ? uint32_t(range) : 0;
    const uint32_t firstSeed = random_.Seed();
    if (n > 1 && !picture_.Empty())
        Derive([&](const TBitmap& source, TBitmap& target) { AddNoise<true>(source, target, firstSeed, n); });
    else
        NotifyRepaint();  // every offset is 0
    random_.SetSeed(SeedAfter(firstSeed, uint64_t(picture_.Width()) * uint64_t(picture_.Height()) * 3));
}

void TProEffectImage::Effect_AddMonoNoise(int range) {
    const uint32_t n = range > 0 ? uint32_t(range) : 0;
    const uint32_t firstSeed = random_.Seed();
    if (n > 1 && !picture_.Empty())
        Derive([&](const TBitmap& source, TBitmap& target) { AddNoise<false>(source, target, firstSeed, n); });
    else
        NotifyRepaint();
    random_.SetSeed(SeedAfter(firstSeed, uint64_t(picture_.Width()) * uint64_t(picture_.Height())));
}

void TProEffectImage::Effect_Contrast(int strength) {
    const ChannelTable table = MakeChannelTable([&](int c) {
        const int64_t d = int64_t(std::abs(127 - c)) * strength / 255;
        return ClampChannel(c > 127 ? c + d : c - d);
    });
    Derive([&](const TBitmap& source, TBitmap& target) { MapChannels(source, target, table); });
}

void TProEffectImage::Effect_GrayScale() {
    Derive([](const TBitmap& source, TBitmap& target) {
        ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
            const uint8_t* in = source.Row(y);
            uint8_t* out = target.Row(y);
            for (size_t i = 0; i < source.RowBytes(); i += 3)
                out[i] = out[i + 1] = out[i + 2] = GrayOf(in[i + 2], in[i + 1], in[i]);
        });
    });
}

void TProEffectImage::Effect_Lightness(int strength) {
    const ChannelTable table =
        MakeChannelTable([&](int c) { return ClampChannel(c + int64_t(255 - c) * strength / 255); });
    Derive([&](const TBitmap& source, TBitmap& target) { MapChannels(source, target, table); });
}

void TProEffectImage::Effect_Darkness(int strength) {
    const ChannelTable table = DarknessTable(strength);
    Derive([&](const TBitmap& source, TBitmap& target) { MapChannels(source, target, table); });
}

void TProEffectImage::Effect_Saturation(int strength) {
    // ((c - m) * k) div 255 for every difference c - m of -255 .. 255. The
    // mean m is 0 .. 255, so values beyond +-512 clamp the same way and are
    // held as +-512.
    std::array<int, 511> change;
    for (int d = -255; d <= 255; ++d)
        change[size_t(d + 255)] = int(std::clamp<int64_t>(int64_t(d) * strength / 255, -512, 512));
    Derive([&](const TBitmap& source, TBitmap& target) {
        ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
            const uint8_t* in = source.Row(y);
            uint8_t* out = target.Row(y);
            for (size_t i = 0; i < source.RowBytes(); i += 3) {
                const int mean = (in[i] + in[i + 1] + in[i + 2]) / 3;
                for (size_t c = 0; c < 3; ++c)
                    out[i + c] = ClampChannel(mean + change[size_t(in[i + c] - mean + 255)]);
            }
        });
    });
}

void TProEffectImage::Effect_Solorize(int threshold) {
    Derive([&](const TBitmap& source, TBitmap& target) {
        ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
            const uint8_t* in = source.Row(y);
            uint8_t* out = target.Row(y);
            for (size_t i = 0; i < source.RowBytes(); i += 3) {
                const bool invert = (in[i] + in[i + 1] + in[i + 2]) / 3 > threshold;
                for (size_t c = 0; c < 3; ++c) out[i + c] = invert ? uint8_t(255 - in[i + c]) : in[i + c];
            }
        });
    });
}

void TProEffectImage::Effect_Posterize(int levelStep) {
    Derive([&](const TBitmap& source, TBitmap& target) {
        if (levelStep == 0) throw CorvessaError("Floating point division by zero");
        // Multiples of the step beyond 255 (c = 255 with s = 2, or steps
        // above 255) become 255.
        const ChannelTable table = MakeChannelTable([&](int c) {
            const long double level = std::nearbyintl(static_cast<long double>(c) / levelStep);
            return ClampChannel(int64_t(levelStep) * int64_t(level));
        });
        MapChannels(source, target, table);
    });
}

}  // namespace corvessa
