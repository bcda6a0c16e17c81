// The adjustments over a whole picture: the tables made once, then every
// row through the row kernels on all cores. Sharpening reads rows above
// and below; each band of rows keeps the luminance of the rows around the
// one it is on in a ring.

#include <algorithm>
#include <cmath>
#include <optional>

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
    std::vector<int> firstCell, nextCell;  // per column
    std::vector<float> nextWeight;
    std::vector<float> toneChange;  // kToneSteps + 1
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
            t.curves[size_t(c * 256 + i)] = t.p.ToneIsIdentity() ? float(i) / 255.0f : float(ChannelCurve(t.p, c, i / 255.0));
    if (t.p.HasLocalTone()) {
        t.map = MakeBaseMap(t.width, t.height,
                            [&](int y, float* row) { ToLuma(photo.Row(y), t.width, t.curves.data(), row); });
        for (int x = 0; x < t.width; ++x) {
            const CellSpan span = CellOf(x, t.width, t.map.width);
            t.firstCell.push_back(span.first);
            t.nextCell.push_back(std::min(span.first + 1, t.map.width - 1));
            t.nextWeight.push_back(span.next);
        }
        t.toneChange.resize(kToneSteps + 1);
        for (int i = 0; i <= kToneSteps; ++i) t.toneChange[size_t(i)] = float(LocalToneChange(t.p, double(i) / kToneSteps));
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

// The luminance after step 1 of the rows around the one being made, for
// sharpening: row y sits in slot y mod (2 radius + 1).
class LumaRing {
public:
    LumaRing(const Tables& t, const TBitmap& photo)
        : t_(t), photo_(photo), radius_(int(t.blur.size()) - 1), slots_(2 * radius_ + 1),
          luma_(size_t(slots_) * size_t(t.width)), rows_(size_t(slots_)), padded_(size_t(t.width + 2 * radius_)), down_(size_t(t.width)) {
        weights_.reserve(size_t(slots_));
        for (int j = -radius_; j <= radius_; ++j) weights_.push_back(t.blur[size_t(std::abs(j))]);
    }
    // The blurred luminance of row y, into `out`; rows are asked for in
    // order, each once.
    void Blurred(int y, float* out) {
        for (int k = std::max(loaded_ + 1, y - radius_); k <= y + radius_; ++k) ToLuma(photo_.Row(std::clamp(k, 0, t_.height - 1)), t_.width, t_.curves.data(), Slot(k));
        loaded_ = y + radius_;
        for (int k = y - radius_; k <= y + radius_; ++k) rows_[size_t(k - y + radius_)] = Slot(k);
        BlurDown(t_.width, rows_.data(), weights_.data(), slots_, down_.data());
        std::copy(down_.begin(), down_.end(), padded_.begin() + radius_);
        std::fill_n(padded_.begin(), radius_, down_.front());
        std::fill_n(padded_.end() - radius_, radius_, down_.back());
        BlurAcross(t_.width, padded_.data(), t_.blur.data(), radius_, out);
    }

private:
    float* Slot(int y) { return luma_.data() + size_t(((y % slots_) + slots_) % slots_) * size_t(t_.width); }

    const Tables& t_;
    const TBitmap& photo_;
    const int radius_, slots_;
    std::vector<float> luma_;
    std::vector<const float*> rows_;
    std::vector<float> padded_, down_, weights_;
    int loaded_ = -(1 << 30);
};

// The map's slope and offset of every pixel of row y.
void MapRow(const Tables& t, int y, std::vector<float>& across, std::vector<float>& slope, std::vector<float>& offset) {
    const CellSpan row = CellOf(y, t.height, t.map.height);
    const int second = std::min(row.first + 1, t.map.height - 1);
    const size_t cells = size_t(t.map.width);
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<float>& values = pass == 0 ? t.map.a : t.map.b;
        std::vector<float>& out = pass == 0 ? slope : offset;
        const float* top = &values[size_t(row.first) * cells];
        const float* bottom = &values[size_t(second) * cells];
        for (size_t c = 0; c < cells; ++c) across[c] = top[c] * (1 - row.next) + bottom[c] * row.next;
        for (int x = 0; x < t.width; ++x) {
            const float w = t.nextWeight[size_t(x)];
            out[size_t(x)] = across[size_t(t.firstCell[size_t(x)])] * (1 - w) + across[size_t(t.nextCell[size_t(x)])] * w;
        }
    }
}

void AdjustBand(const Tables& t, const TBitmap& photo, TBitmap& out, int begin, int end) {
    const int w = t.width;
    RowPlanes planes(w);
    std::vector<float> across(size_t(t.map.width)), slope, offset, blurred;
    if (t.p.HasLocalTone()) slope.resize(size_t(w)), offset.resize(size_t(w));
    std::optional<LumaRing> ring;
    if (t.p.sharpen != 0) ring.emplace(t, photo), blurred.resize(size_t(w));
    for (int y = begin; y < end; ++y) {
        ToPlanes(photo.Row(y), w, t.curves.data(), planes.b.data(), planes.g.data(), planes.r.data(), planes.luma.data());
        if (t.p.HasLocalTone()) {
            MapRow(t, y, across, slope, offset);
            LocalTone(w, slope.data(), offset.data(), t.toneChange.data(), planes.b.data(), planes.g.data(), planes.r.data(), planes.luma.data());
        }
        if (t.p.HasColour()) Colour(w, float(t.p.saturation), float(t.p.vibrance), planes.b.data(), planes.g.data(), planes.r.data());
        if (t.p.vignette != 0) {
            const double d = (y + 0.5) / t.height - 0.5;
            Vignette(w, float(t.p.vignette), t.rho2.data(), float(2 * d * d), planes.b.data(), planes.g.data(), planes.r.data());
        }
        if (ring) {
            ring->Blurred(y, blurred.data());
            AddDetail(w, t.sharpenAmount, planes.luma.data(), blurred.data(), planes.b.data(), planes.g.data(), planes.r.data());
        }
        ToBytes(w, planes.b.data(), planes.g.data(), planes.r.data(), out.Row(y));
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
    ForEachRowBand(photo.Height(), photo.RowBytes(), [&](int begin, int end) { AdjustBand(t, photo, out, begin, end); });
    return out;
}

}  // namespace corvessa
