// The adjustments over a whole picture: the tables made once, then every
// row through the row kernels on all cores. Sharpening reads rows above
// and below; each band of rows keeps step 1's planes of the rows around
// the one it is on in a ring.

#include <algorithm>
#include <cmath>

#include "edit/adjust_model.h"
#include "edit/adjust_rows.h"
#include "edit/edit.h"
#include "ground/parallel.h"

namespace corvessa {

using namespace adjust;

namespace {

// Everything the rows read, made once a picture.
struct Tables {
    int width = 0, height = 0;
    Parameters p;
    std::array<float, 3 * 256> curves{};
    BaseMap map;
    std::vector<int> cellEnd;       // per map column: the first pixel column past its run
    std::vector<float> nextWeight;  // per pixel column: the weight of the next map column
    std::vector<float> rho2;        // per column
    std::vector<float> blur;        // from the centre out
    float sharpenAmount = 0;
};

Tables MakeTables(const TBitmap& photo, const EditSettings& edits) {
    Tables t;
    t.width = photo.Width();
    t.height = photo.Height();
    t.p = ParametersOf(edits, t.width, t.height);
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i)
            t.curves[size_t(c * 256 + i)] =
                t.p.ToneIsIdentity() ? float(i) / 255.0f : float(ChannelCurve(t.p, c, i / 255.0));
    if (t.p.HasLocalTone()) {
        t.map = MakeBaseMap(t.width, t.height, [&](int y, int step, float* row) {
            const uint8_t* in = photo.Row(y);
            for (int x = 0; x < t.width; x += step, ++row)
                *row = float(kLumaB) * t.curves[in[3 * x]] + float(kLumaG) * t.curves[256 + in[3 * x + 1]] +
                       float(kLumaR) * t.curves[512 + in[3 * x + 2]];
        });
        t.cellEnd.assign(size_t(t.map.width), 0);
        for (int x = 0; x < t.width; ++x) {
            const CellSpan span = CellOf(x, t.width, t.map.width);
            t.cellEnd[size_t(span.first)] = x + 1;
            t.nextWeight.push_back(span.next);
        }
        for (size_t c = 1; c < t.cellEnd.size(); ++c) t.cellEnd[c] = std::max(t.cellEnd[c], t.cellEnd[c - 1]);
    }
    if (t.p.vignette != 0)
        for (int x = 0; x < t.width; ++x) {
            const double d = (x + 0.5) / t.width - 0.5;
            t.rho2.push_back(float(2 * d * d));
        }
    if (t.p.sharpen != 0) {
        for (double w : SharpenKernel(t.p.sharpenSigma)) t.blur.push_back(float(w));
        t.sharpenAmount = float(SharpenGain(t.p));
    }
    return t;
}

// Step 1's planes of the rows a band has in flight: the row being made
// and, when sharpening, the rows around it, whose luminance the blur
// reads. Row y sits in slot y mod (2 radius + 1); rows beyond the
// picture's edges are its edge rows again.
class RowRing {
public:
    RowRing(const Tables& t, const TBitmap& photo)
        : t_(t), photo_(photo), radius_(t.blur.empty() ? 0 : int(t.blur.size()) - 1), slots_(2 * radius_ + 1),
          planes_(size_t(slots_) * 4 * size_t(t.width)), rows_(size_t(slots_)), padded_(size_t(t.width + 2 * radius_)),
          down_(size_t(t.width)) {}
    // Row y's planes, blue, green, red and luminance, each the picture's
    // width long, one after the other; rows are asked for in order.
    float* Planes(int y) {
        for (int k = std::max(loaded_ + 1, y - radius_); k <= y + radius_; ++k) {
            float* slot = Slot(k);
            const size_t w = size_t(t_.width);
            ToPlanes(photo_.Row(std::clamp(k, 0, t_.height - 1)), t_.width, t_.curves.data(), slot, slot + w,
                     slot + 2 * w, slot + 3 * w);
        }
        loaded_ = std::max(loaded_, y + radius_);
        return Slot(y);
    }
    // The blurred luminance of row y, once Planes(y) has been asked for.
    void Blurred(int y, float* out) {
        const size_t lumaAt = 3 * size_t(t_.width);
        for (int k = y - radius_; k <= y + radius_; ++k) rows_[size_t(k - y + radius_)] = Slot(k) + lumaAt;
        BlurDown(t_.width, rows_.data(), t_.blur.data(), radius_, down_.data());
        std::copy(down_.begin(), down_.end(), padded_.begin() + radius_);
        std::fill_n(padded_.begin(), radius_, down_.front());
        std::fill_n(padded_.end() - radius_, radius_, down_.back());
        BlurAcross(t_.width, padded_.data(), t_.blur.data(), radius_, out);
    }

private:
    float* Slot(int y) { return planes_.data() + size_t(((y % slots_) + slots_) % slots_) * 4 * size_t(t_.width); }

    const Tables& t_;
    const TBitmap& photo_;
    const int radius_, slots_;
    std::vector<float> planes_;
    std::vector<const float*> rows_;
    std::vector<float> padded_, down_;
    int loaded_ = -(1 << 30);
};

// The map's slope and offset of every pixel of a map row, taken between
// the cells around each pixel; a picture row is between two of these.
class MapRows {
public:
    explicit MapRows(const Tables& t) : t_(t) {
        if (t.p.HasLocalTone())
            for (std::vector<float>& row : rows_) row.resize(size_t(t.width));
    }
    // The two map rows around picture row y.
    MapRowPair At(int y) {
        const CellSpan span = CellOf(y, t_.height, t_.map.height);
        if (span.first != first_) {
            first_ = span.first;
            const int second = std::min(first_ + 1, t_.map.height - 1);
            Fill(t_.map.a, first_, rows_[0]);
            Fill(t_.map.a, second, rows_[1]);
            Fill(t_.map.b, first_, rows_[2]);
            Fill(t_.map.b, second, rows_[3]);
        }
        return {rows_[0].data(), rows_[1].data(), rows_[2].data(), rows_[3].data(), span.next};
    }

private:
    void Fill(const std::vector<float>& values, int mapRow, std::vector<float>& out) const {
        const size_t cells = size_t(t_.map.width);
        const float* cell = &values[size_t(mapRow) * cells];
        // Run by run: the columns between two cells' centres.
        for (size_t c = 0; c < cells; ++c) {
            const float left = cell[c], right = cell[std::min(c + 1, cells - 1)];
            for (int x = c == 0 ? 0 : t_.cellEnd[c - 1]; x < t_.cellEnd[c]; ++x)
                out[size_t(x)] = left * (1 - t_.nextWeight[size_t(x)]) + right * t_.nextWeight[size_t(x)];
        }
    }

    const Tables& t_;
    std::array<std::vector<float>, 4> rows_;
    int first_ = -1;
};

// Steps 2 to 5 on columns [x0, x1) of row y, whose planes are `planes`,
// and the row back to bytes: a stretch short enough that its planes stay
// in the first-level cache from one step to the next.
struct Stretch {
    float *b, *g, *r, *luma;
    MapRowPair map;
    const float* blurred;
};

void AdjustStretch(const Tables& t, int y, int x0, int x1, const Stretch& s, uint8_t* out) {
    const int n = x1 - x0;
    float *b = s.b + x0, *g = s.g + x0, *r = s.r + x0;
    if (t.p.HasLocalTone() || t.p.HasColour()) {
        ShadeParams shade;
        shade.local = t.p.HasLocalTone();
        shade.shadows = float(ShadowsStrength(t.p));
        shade.highlights = float(HighlightsStrength(t.p));
        shade.map = {s.map.slopeAbove + x0, s.map.slopeBelow + x0, s.map.offsetAbove + x0, s.map.offsetBelow + x0,
                     s.map.below};
        shade.saturation = float(t.p.saturation);
        shade.vibrance = float(t.p.vibrance);
        Shade(n, shade, b, g, r, s.luma + x0);
    }
    FinishParams finish;
    finish.vignette = float(t.p.vignette);
    if (t.p.vignette != 0) {
        const double d = (y + 0.5) / t.height - 0.5;
        finish.rho2 = t.rho2.data() + x0;
        finish.row2 = float(2 * d * d);
    }
    finish.sharpen = t.sharpenAmount;
    finish.luma = s.luma + x0;
    finish.blurred = s.blurred ? s.blurred + x0 : nullptr;
    Finish(n, finish, b, g, r, out + 3 * size_t(x0));
}

// Four planes of 1024 floats: 16 KB.
constexpr int kStretch = 1024;

void AdjustBand(const Tables& t, const TBitmap& photo, TBitmap& out, int begin, int end) {
    const int w = t.width;
    RowRing ring(t, photo);
    MapRows map(t);
    std::vector<float> blurred;
    if (t.p.sharpen != 0) blurred.resize(size_t(w));
    for (int y = begin; y < end; ++y) {
        float* planes = ring.Planes(y);
        if (t.p.sharpen != 0) ring.Blurred(y, blurred.data());
        const Stretch s{planes, planes + w, planes + 2 * size_t(w), planes + 3 * size_t(w),
                        t.p.HasLocalTone() ? map.At(y) : MapRowPair{}, blurred.empty() ? nullptr : blurred.data()};
        for (int x0 = 0; x0 < w; x0 += kStretch) AdjustStretch(t, y, x0, std::min(w, x0 + kStretch), s, out.Row(y));
    }
}

}  // namespace

TBitmap ApplyAdjustments(const TBitmap& photo, const EditSettings& edits) {
    TBitmap out(photo.Width(), photo.Height());
    if (photo.Empty()) return out;
    if (edits.AdjustmentsAreNeutral()) {
        out.CopyFrom(photo);
        return out;
    }
    const Tables t = MakeTables(photo, edits);
    ForEachRowBand(photo.Height(), photo.RowBytes(),
                   [&](int begin, int end) { AdjustBand(t, photo, out, begin, end); });
    return out;
}

}  // namespace corvessa
