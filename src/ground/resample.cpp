#include "ground/resample.h"

#include <omp.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

PictureSize FitInside(int width, int height, int boxWidth, int boxHeight) {
    if (width <= boxWidth && height <= boxHeight) return {width, height};
    // The side that binds is the one with the smaller ratio of box to photo.
    if (int64_t(boxWidth) * height <= int64_t(boxHeight) * width)
        return {boxWidth, std::max(1, int(std::lround(double(height) * boxWidth / width)))};
    return {std::max(1, int(std::lround(double(width) * boxHeight / height))), boxHeight};
}

PictureSize WithLongEdge(int width, int height, int longEdge) { return FitInside(width, height, longEdge, longEdge); }

float LinearOfByte(uint8_t value) {
    const double v = value / 255.0;
    return float(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
}

uint8_t ByteOfLinear(float light) {
    const double l = std::clamp(double(light), 0.0, 1.0);
    const double v = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return uint8_t(std::lround(v * 255));
}

namespace {

constexpr double kLobes = 3;

double Lanczos(double t) {
    if (t == 0) return 1;
    if (std::abs(t) >= kLobes) return 0;
    const double x = M_PI * t;
    return kLobes * std::sin(x) * std::sin(x / kLobes) / (x * x);
}

// The source samples one output sample of a side weighs: `taps` of them
// from `first` on, their weights from `weights[offset]` on.
struct Taps {
    int first = 0, count = 0;
    size_t offset = 0;
};

struct Kernel {
    std::vector<Taps> taps;
    std::vector<float> weights;
    int widest = 0;
};

// Lanczos-3 stretched by the scale when making smaller, so every source
// sample counts; cut at the picture's edges and made to sum to one.
Kernel MakeKernel(int from, int to) {
    Kernel kernel;
    kernel.taps.resize(size_t(to));
    const double scale = double(from) / to, stretch = std::max(scale, 1.0), reach = kLobes * stretch;
    for (int i = 0; i < to; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int first = std::max(0, int(std::ceil(centre - reach))), last = std::min(from - 1, int(std::floor(centre + reach)));
        Taps& taps = kernel.taps[size_t(i)];
        taps.first = first;
        taps.count = last - first + 1;
        taps.offset = kernel.weights.size();
        double sum = 0;
        for (int s = first; s <= last; ++s) sum += Lanczos((s - centre) / stretch);
        for (int s = first; s <= last; ++s) kernel.weights.push_back(float(Lanczos((s - centre) / stretch) / sum));
        kernel.widest = std::max(kernel.widest, taps.count);
    }
    return kernel;
}

// What one row thread keeps between the bands it is handed: source rows
// made linear and resampled along the row, each in the slot of its number
// modulo the slots, and which row each slot holds.
struct Lane {
    std::vector<float> linear;  // one source row, linear light
    std::vector<float> rows;    // slots x output width x 3
    std::vector<int> held;
    std::vector<float> sum;     // one output row before encoding
};

struct Plan {
    const TBitmap& source;
    TBitmap& target;
    Kernel across, down;
    float toLinear[256];
    std::vector<uint8_t> toByte;  // by light in 1/65535 steps
};

constexpr int kLightSteps = 65535;

const float* ResampledRow(const Plan& plan, Lane& lane, int y) {
    const size_t width = size_t(plan.target.Width()) * 3;
    const size_t slots = lane.held.size();
    float* row = lane.rows.data() + size_t(y) % slots * width;
    if (lane.held[size_t(y) % slots] == y) return row;
    const uint8_t* in = plan.source.Row(y);
    const size_t sourceBytes = plan.source.RowBytes();
    for (size_t i = 0; i < sourceBytes; ++i) lane.linear[i] = plan.toLinear[in[i]];
    for (size_t x = 0; x < size_t(plan.target.Width()); ++x) {
        const Taps& taps = plan.across.taps[x];
        const float* w = plan.across.weights.data() + taps.offset;
        const float* s = lane.linear.data() + size_t(taps.first) * 3;
        float b = 0, g = 0, r = 0;
        for (int k = 0; k < taps.count; ++k, s += 3) {
            b += w[k] * s[0];
            g += w[k] * s[1];
            r += w[k] * s[2];
        }
        row[3 * x] = b;
        row[3 * x + 1] = g;
        row[3 * x + 2] = r;
    }
    lane.held[size_t(y) % slots] = y;
    return row;
}

void ResampleRow(const Plan& plan, Lane& lane, int y) {
    const size_t width = size_t(plan.target.Width()) * 3;
    const Taps& taps = plan.down.taps[size_t(y)];
    const float* w = plan.down.weights.data() + taps.offset;
    std::fill(lane.sum.begin(), lane.sum.end(), 0.0f);
    for (int k = 0; k < taps.count; ++k) {
        const float* row = ResampledRow(plan, lane, taps.first + k);
        const float weight = w[k];
        for (size_t i = 0; i < width; ++i) lane.sum[i] += weight * row[i];
    }
    uint8_t* out = plan.target.Row(y);
    for (size_t i = 0; i < width; ++i) {
        const float light = std::clamp(lane.sum[i], 0.0f, 1.0f);
        out[i] = plan.toByte[size_t(light * kLightSteps + 0.5f)];
    }
}

}  // namespace

TBitmap Resample(const TBitmap& source, int width, int height) {
    TBitmap target;
    if (width == source.Width() && height == source.Height()) {
        target.CopyFrom(source);
        return target;
    }
    target.SetSize(width, height);
    try {
        Plan plan{source, target, MakeKernel(source.Width(), width), MakeKernel(source.Height(), height), {}, {}};
        for (int v = 0; v < 256; ++v) plan.toLinear[v] = LinearOfByte(uint8_t(v));
        plan.toByte.resize(kLightSteps + 1);
        for (int i = 0; i <= kLightSteps; ++i) plan.toByte[size_t(i)] = ByteOfLinear(float(i) / kLightSteps);
        // Rows are resampled along once per thread that needs them: each
        // thread keeps the last rows its bands read in slots of its own.
        std::vector<Lane> lanes(static_cast<size_t>(omp_get_max_threads()));
        for (Lane& lane : lanes) {
            lane.linear.resize(source.RowBytes());
            lane.held.assign(size_t(plan.down.widest) + 1, -1);
            lane.rows.resize(lane.held.size() * target.RowBytes());
            lane.sum.resize(target.RowBytes());
        }
        ForEachRowBand(height, target.RowBytes() * size_t(plan.down.widest), [&](int begin, int end) {
            Lane& lane = lanes[size_t(omp_get_thread_num())];
            for (int y = begin; y < end; ++y) ResampleRow(plan, lane, y);
        });
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
    return target;
}

}  // namespace corvessa
