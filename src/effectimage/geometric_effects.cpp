// Effects that move pixels (FishEye, Twist, Tile) or light the picture
// (Splitlight, SpotLight).
//
// FishEye and Twist are fixed to the byte by their floating-point path:
// every named intermediate value is held as a float, and each expression
// between two of them is evaluated in long double (x87 extended precision).
// Changing either precision moves sample positions across pixel borders.

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "effectimage/channel_table.h"
#include "effectimage/effect_image.h"
#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

using Extended = long double;
constexpr Extended kPi = std::numbers::pi_v<long double>;
// pi/2 rounded to a 32-bit float, the value the twist angle adds.
constexpr float kHalfPi = 1.5707964f;

CorvessaError DivisionByZero() { return CorvessaError("Floating point division by zero"); }

// The integer position and its two weights along one axis. Positions left of
// 0 truncate toward zero, so their weights swap sides: for -0.3 index 0 gets
// 0.3 and index 1 gets 0.7.
struct AxisSample {
    int64_t index;
    float w0, w1;
};

AxisSample SampleAxis(float position, int size) {
    AxisSample s;
    s.index = int64_t(position);
    const Extended f = Extended(position) - Extended(s.index);
    if (position >= 0) {
        s.w0 = float(1 - f);
        s.w1 = float(f);
    } else {
        s.w0 = float(-f);
        s.w1 = float(1 + f);
    }
    // Wrap around: -1 becomes size - 2, -size becomes size - 1, size becomes 0.
    if (s.index < 0)
        s.index = (size - 1) - (-s.index) % size;
    else if (s.index > size - 1)
        s.index %= size;
    return s;
}

// The wrapped bilinear sample of `source` at (sx, sy) written to `out`.
void SampleWrapped(const TBitmap& source, float sx, float sy, uint8_t* out) {
    const int w = source.Width(), h = source.Height();
    const AxisSample ax = SampleAxis(sx, w), ay = SampleAxis(sy, h);
    const size_t column[2] = {size_t(ax.index) * 3,
                              size_t(ax.index + 1 < w ? ax.index + 1 : w - ax.index - 1) * 3};
    const uint8_t* row[2] = {source.Row(int(ay.index)), source.Row(ay.index + 1 < h ? int(ay.index) + 1 : 0)};
    const float wx[2] = {ax.w0, ax.w1}, wy[2] = {ay.w0, ay.w1};
    float sum[3] = {0, 0, 0};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const float weight = float(Extended(wx[i]) * wy[j]);
            for (int c = 0; c < 3; ++c) sum[c] = float(sum[c] + Extended(row[j][column[i] + c]) * weight);
        }
    // The weights add up to 1 within a few float steps, so a sum never
    // reaches 255.5 and every rounded channel fits a byte.
    for (int c = 0; c < 3; ++c) out[c] = uint8_t(std::lrint(sum[c]));
}

// Runs `position(x, y, sx, sy)` for every destination pixel, rows side by
// side (each reads only the source), and samples the source there.
template <class Position>
void Remap(const TBitmap& source, TBitmap& target, Position&& position) {
    ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
        uint8_t* out = target.Row(y);
        for (int x = 0; x < source.Width(); ++x) {
            float sx, sy;
            position(x, y, sx, sy);
            SampleWrapped(source, sx, sy, out + size_t(x) * 3);
        }
    });
}

void FishEye(const TBitmap& source, TBitmap& target, int k) {
    const int w = source.Width(), h = source.Height();
    const float cx = float(Extended(w) / 2), cy = float(Extended(h) / 2);
    const float radius = float(int64_t(w) * k);
    // A pixel at exactly the radius divides by zero; the rows run on several
    // threads, so the failure is noted and raised once they are done.
    std::atomic<bool> failed{false};
    Remap(source, target, [&](int x, int y, float& sx, float& sy) {
        const float dx = float(Extended(x) - cx), dy = float(Extended(y) - cy);
        const float r = float(sqrtl(Extended(dx) * dx + Extended(dy) * dy));
        if (r == 0) {
            sx = cx;
            sy = cy;
            return;
        }
        if (r == radius) {
            failed.store(true, std::memory_order_relaxed);
            sx = cx;
            sy = cy;
            return;
        }
        const float q = float((1 / (1 - Extended(r) / radius) - 1) * (Extended(radius) / 2));
        sx = float(Extended(dx) * q / r + cx);
        sy = float(Extended(dy) * q / r + cy);
    });
    if (failed) throw DivisionByZero();
}

// The angle of (dx, dy), y growing downward, held as a float.
float Angle(float dx, float dy) {
    if (dx == 0) return dy > 0 ? kHalfPi : -kHalfPi;
    const Extended a = atanl(Extended(dy) / dx);
    return float(dx < 0 ? a + kPi : a);
}

void Twist(const TBitmap& source, TBitmap& target, int k) {
    const float cx = float(Extended(source.Width() - 1) / 2), cy = float(Extended(source.Height() - 1) / 2);
    Remap(source, target, [&](int x, int y, float& sx, float& sy) {
        const float dx = float(Extended(x) - cx), dy = float(Extended(y) - cy);
        const float r = float(sqrtl(Extended(dx) * dx + Extended(dy) * dy));
        if (r == 0) {
            sx = cx;
            sy = cy;
            return;
        }
        const float theta = float(Extended(Angle(dx, dy)) - Extended(r) / k + kHalfPi);
        sx = float(cosl(theta) * r + cx);
        sy = float(sinl(theta) * r + cy);
    });
}

// The tone curve 255 sin(c/255 * pi/2) applied `passes` times.
ChannelTable SplitlightTable(int passes) {
    const ChannelTable once = MakeChannelTable([](int c) {
        const double lifted = double(255 * sinl(Extended(c) / 255 * kPi / 2));
        return uint8_t(std::nearbyint(lifted));
    });
    ChannelTable table = MakeChannelTable([](int c) { return uint8_t(c); });
    // The curve only lifts, so after a few dozen passes every value has
    // settled and further passes change nothing.
    for (int pass = 0; pass < passes; ++pass) {
        ChannelTable next;
        for (size_t c = 0; c < 256; ++c) next[c] = once[table[c]];
        if (next == table) break;
        table = next;
    }
    return table;
}

// Which pixels of each row lie strictly inside the ellipse inscribed in a
// rectangle (right and bottom edges excluded), its one-pixel outline and
// everything outside it being black on the mask. A pixel belongs to the
// ellipse when its centre lies inside or on it; it is inside, not outline,
// when its four neighbours belong to the ellipse too.
class EllipseInterior {
public:
    explicit EllipseInterior(TRect rect) {
        if (rect.right < rect.left) std::swap(rect.left, rect.right);
        if (rect.bottom < rect.top) std::swap(rect.top, rect.bottom);
        cx_ = (double(rect.left) + rect.right) / 2;
        cy_ = (double(rect.top) + rect.bottom) / 2;
        rx_ = (double(rect.right) - rect.left) / 2;
        ry_ = (double(rect.bottom) - rect.top) / 2;
    }

    // Columns [first, last) of row y inside the outline (first >= last when none).
    std::pair<int64_t, int64_t> Row(int y) const {
        const auto [a0, b0] = Span(int64_t(y) - 1);
        const auto [a1, b1] = Span(y);
        const auto [a2, b2] = Span(int64_t(y) + 1);
        return {std::max({a1 + 1, a0, a2}), std::min({b1 - 1, b0, b2})};
    }

private:
    // Columns [first, last) whose pixel centres lie in the ellipse on row y.
    std::pair<int64_t, int64_t> Span(int64_t y) const {
        if (rx_ <= 0 || ry_ <= 0) return {0, 0};
        const double v = (double(y) + 0.5 - cy_) / ry_;
        if (v < -1 || v > 1) return {0, 0};
        const double half = rx_ * std::sqrt(1 - v * v);
        return {int64_t(std::ceil(cx_ - half - 0.5)), int64_t(std::floor(cx_ + half - 0.5)) + 1};
    }

    double cx_, cy_, rx_, ry_;
};

void SpotLight(const TBitmap& source, TBitmap& target, int k, const TRect& rect) {
    const ChannelTable darken = DarknessTable(k);
    const EllipseInterior ellipse(rect);
    const int w = source.Width();
    ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
        const auto [first, last] = ellipse.Row(y);
        const size_t begin = size_t(std::clamp<int64_t>(first, 0, w)) * 3;
        const size_t end = std::max(begin, size_t(std::clamp<int64_t>(last, 0, w)) * 3);
        const uint8_t* in = source.Row(y);
        uint8_t* out = target.Row(y);
        std::memset(out, 0, begin);
        for (size_t i = begin; i < end; ++i) out[i] = darken[in[i]];
        std::memset(out + end, 0, source.RowBytes() - end);
    });
}

// n x n copies of the picture reduced to (W div n) x (H div n); the strips
// right of and below the last copies keep the source's pixels.
void Tile(const TBitmap& source, TBitmap& target, int n) {
    const int tw = source.Width() / n, th = source.Height() / n;
    TBitmap tile(tw, th);
    ResampleBilinear(source, tile);
    const size_t tileBytes = tile.RowBytes(), tiledBytes = tileBytes * size_t(n);
    ForEachRow(source.Height(), source.RowBytes(), [&](int y) {
        uint8_t* out = target.Row(y);
        const uint8_t* in = source.Row(y);
        if (y >= n * th) {
            std::memcpy(out, in, source.RowBytes());
            return;
        }
        const uint8_t* tileRow = tile.Row(y % th);
        for (int f = 0; f < n; ++f) std::memcpy(out + size_t(f) * tileBytes, tileRow, tileBytes);
        std::memcpy(out + tiledBytes, in + tiledBytes, source.RowBytes() - tiledBytes);
    });
}

}  // namespace

void ResampleBilinear(const TBitmap& source, TBitmap& target) {
    if (source.Empty() || target.Empty()) return;
    const int sw = source.Width(), sh = source.Height();
    const int tw = target.Width(), th = target.Height();
    const int64_t xStep = int64_t(sw - 1) * 32768 / tw, yStep = int64_t(sh - 1) * 32768 / th;
    // The source column and fraction of every target column, the same in
    // every row. A source one pixel wide takes the pixel itself as its
    // right neighbour (weight 0 anyway); likewise one pixel high.
    const size_t columns = size_t(tw);
    std::vector<uint32_t> left(columns), right(columns), fraction(columns);
    for (int u = 0; u < tw; ++u) {
        const int64_t px = u * xStep;
        const int x0 = int(px >> 15);
        left[size_t(u)] = uint32_t(x0) * 3;
        right[size_t(u)] = uint32_t(x0 + 1 < sw ? x0 + 1 : x0) * 3;
        fraction[size_t(u)] = uint32_t(px & 32767);
    }
    ForEachRow(th, target.RowBytes(), [&](int t) {
        const int64_t py = t * yStep;
        const int y0 = int(py >> 15);
        const uint8_t* a = source.Row(y0);
        const uint8_t* b = source.Row(y0 + 1 < sh ? y0 + 1 : y0);
        const uint32_t fy = uint32_t(py & 32767), gy = 32768 - fy;
        uint8_t* out = target.Row(t);
        for (int u = 0; u < tw; ++u) {
            const uint32_t fx = fraction[size_t(u)];
            const uint32_t wTR = (fx * gy) >> 15, wTL = gy - wTR;
            const uint32_t wBR = (fx * fy) >> 15, wBL = fy - wBR;
            const uint32_t l = left[size_t(u)], r = right[size_t(u)];
            for (uint32_t c = 0; c < 3; ++c)
                out[size_t(u) * 3 + c] =
                    uint8_t((a[l + c] * wTL + a[r + c] * wTR + b[l + c] * wBL + b[r + c] * wBR) >> 15);
        }
    });
}

void TProEffectImage::Effect_FishEye(int radiusFactor) {
    Derive([&](const TBitmap& source, TBitmap& target) {
        // Every pixel but an exact centre divides by the radius 0.
        if (radiusFactor == 0) throw DivisionByZero();
        FishEye(source, target, radiusFactor);
    });
}

void TProEffectImage::Effect_Twist(int radius) {
    Derive([&](const TBitmap& source, TBitmap& target) {
        // Every pixel but the centre divides its distance by the radius; a
        // one-pixel picture is all centre.
        if (radius == 0 && source.Width() * int64_t(source.Height()) > 1) throw DivisionByZero();
        Twist(source, target, radius);
    });
}

void TProEffectImage::Effect_Tile(int tilesPerSide) {
    const int n = tilesPerSide;
    if (n <= 0 || picture_.Width() / n < 5 || picture_.Height() / n < 5) return NotifyRepaint();
    Derive([&](const TBitmap& source, TBitmap& target) { Tile(source, target, n); });
}

void TProEffectImage::Effect_Splitlight(int passes) {
    if (passes <= 0) return NotifyRepaint();
    const ChannelTable table = SplitlightTable(passes);
    Derive([&](const TBitmap& source, TBitmap& target) { MapChannels(source, target, table); });
}

void TProEffectImage::Effect_SpotLight(int strength, TRect& rect) {
    const TRect bounds = rect;
    Derive([&](const TBitmap& source, TBitmap& target) { SpotLight(source, target, strength, bounds); });
}

}  // namespace corvessa
