#include "widgets/display_scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "ground/parallel.h"

namespace corvessa {

namespace {

// How many source pixels along an axis go into one block: the whole part of
// the shrink factor, so that what is left to scale shrinks by less than 2.
int BlockSize(int source, int target) {
    if (target <= 0 || source < 2 * int64_t(target)) return 1;
    return source / target;
}

// binned := `source` in blocks of kx x ky pixels, each the rounded mean of
// its block; the blocks at the right and bottom edges hold what is left.
template <class Sum>
void Bin(const TBitmap& source, int kx, int ky, TBitmap& binned) {
    const int sw = source.Width(), sh = source.Height();
    const int bw = (sw + kx - 1) / kx, bh = (sh + ky - 1) / ky;
    binned.SetSize(bw, bh);
    const size_t n = source.RowBytes();
    ForEachRowBand(bh, n * size_t(ky), [&](int begin, int end) {
        std::vector<Sum> column(n);
        for (int by = begin; by < end; ++by) {
            const int top = by * ky, rows = std::min(ky, sh - top);
            const uint8_t* first = source.Row(top);
            for (size_t i = 0; i < n; ++i) column[i] = first[i];
            for (int r = 1; r < rows; ++r) {
                const uint8_t* in = source.Row(top + r);
                for (size_t i = 0; i < n; ++i) column[i] = Sum(column[i] + in[i]);
            }
            uint8_t* out = binned.Row(by);
            for (int bx = 0; bx < bw; ++bx) {
                const int left = bx * kx, cols = std::min(kx, sw - left);
                const uint32_t count = uint32_t(cols) * uint32_t(rows);
                uint32_t sum[3] = {0, 0, 0};
                const Sum* p = column.data() + size_t(left) * 3;
                for (int c = 0; c < cols; ++c, p += 3) {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
                for (int ch = 0; ch < 3; ++ch) out[3 * bx + ch] = uint8_t((sum[ch] + count / 2) / count);
            }
        }
    });
}

// One target index's share of the source: the pixels `first` .. with their
// weights (which add up to 1).
struct Span {
    int first = 0;
    std::vector<float> weights;
};

// For each target index of [begin, end): the source pixels it covers when
// `source` pixels shrink to `target` (area average), or the one nearest
// pixel when they grow.
std::vector<Span> Spans(int source, int target, int begin, int end) {
    std::vector<Span> spans(size_t(std::max(0, end - begin)));
    for (int t = begin; t < end; ++t) {
        Span& span = spans[size_t(t - begin)];
        if (target >= source) {
            span.first = int(int64_t(t) * source / target);
            span.weights = {1.0f};
            continue;
        }
        const double from = double(t) * source / target, to = double(t + 1) * source / target;
        span.first = int(from);
        const int last = std::min(source - 1, int(std::ceil(to)) - 1);
        for (int s = span.first; s <= last; ++s) {
            const double covered = std::min(to, double(s + 1)) - std::max(from, double(s));
            span.weights.push_back(float(covered / (to - from)));
        }
    }
    return spans;
}

}  // namespace

void DisplayScaler::Scale(const TBitmap& source, int targetWidth, int targetHeight, DisplayArea area, TBitmap& out) {
    out.SetSize(std::max(0, area.width), std::max(0, area.height));
    if (out.Empty() || source.Empty()) return;
    const int kx = BlockSize(source.Width(), targetWidth), ky = BlockSize(source.Height(), targetHeight);
    const TBitmap* from = &source;
    if (kx > 1 || ky > 1) {
        if (source_ != &source || kx_ != kx || ky_ != ky) {
            // A column sum of up to 257 rows fits in 16 bits.
            if (ky <= 257)
                Bin<uint16_t>(source, kx, ky, binned_);
            else
                Bin<uint32_t>(source, kx, ky, binned_);
            source_ = &source, kx_ = kx, ky_ = ky;
        }
        from = &binned_;
    }
    const std::vector<Span> columns = Spans(from->Width(), targetWidth, area.left, area.left + area.width);
    const std::vector<Span> rows = Spans(from->Height(), targetHeight, area.top, area.top + area.height);
    ForEachRowBand(area.height, out.RowBytes() * 4, [&](int begin, int end) {
        std::vector<float> line(from->RowBytes());
        for (int y = begin; y < end; ++y) {
            const Span& rowSpan = rows[size_t(y)];
            const int firstColumn = columns.front().first;
            const int lastColumn = columns.back().first + int(columns.back().weights.size());
            const size_t a = size_t(firstColumn) * 3, b = size_t(lastColumn) * 3;
            std::fill(line.begin() + ptrdiff_t(a), line.begin() + ptrdiff_t(b), 0.0f);
            for (size_t r = 0; r < rowSpan.weights.size(); ++r) {
                const uint8_t* in = from->Row(rowSpan.first + int(r));
                const float w = rowSpan.weights[r];
                for (size_t i = a; i < b; ++i) line[i] += w * in[i];
            }
            uint8_t* o = out.Row(y);
            for (int x = 0; x < area.width; ++x) {
                const Span& span = columns[size_t(x)];
                float sum[3] = {0, 0, 0};
                const float* p = line.data() + size_t(span.first) * 3;
                for (float w : span.weights) {
                    sum[0] += w * p[0];
                    sum[1] += w * p[1];
                    sum[2] += w * p[2];
                    p += 3;
                }
                for (int ch = 0; ch < 3; ++ch) o[3 * x + ch] = uint8_t(std::clamp(int(sum[ch] + 0.5f), 0, 255));
            }
        }
    });
}

}  // namespace corvessa
