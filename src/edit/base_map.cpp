// The neighbourhood brightness highlights and shadows work on: a guided
// filter (He, Sun and Tang) of the luminance, guided by itself, on a small
// map of the picture. Where the map is smooth it averages widely; across an
// edge it follows the edge, so a bright sky beside a dark wall moves on its
// own without a halo spilling over.

#include <cmath>

#include "edit/adjust_model.h"
#include "ground/parallel.h"

namespace corvessa {
namespace adjust {

namespace {

// The filter's window, as a share of the map's longer side, and how much
// variance counts as an edge rather than texture.
constexpr double kWindowShare = 0.04, kEdgeVariance = 0.02;

// The mean of each cell's window of (2 radius + 1)^2 cells, clipped to the
// map: running sums across, then down.
std::vector<double> BoxMean(const std::vector<double>& values, int width, int height, int radius) {
    const auto at = [width](int x, int y) { return size_t(y) * size_t(width) + size_t(x); };
    std::vector<double> across(values.size()), out(values.size());
    for (int y = 0; y < height; ++y) {
        double sum = 0;
        for (int x = 0; x < std::min(radius, width); ++x) sum += values[at(x, y)];
        for (int x = 0; x < width; ++x) {
            if (x + radius < width) sum += values[at(x + radius, y)];
            if (x - radius - 1 >= 0) sum -= values[at(x - radius - 1, y)];
            across[at(x, y)] = sum / (std::min(width - 1, x + radius) - std::max(0, x - radius) + 1);
        }
    }
    std::vector<double> sum(size_t(width), 0.0);
    for (int y = 0; y < std::min(radius, height); ++y)
        for (int x = 0; x < width; ++x) sum[size_t(x)] += across[at(x, y)];
    for (int y = 0; y < height; ++y) {
        const int count = std::min(height - 1, y + radius) - std::max(0, y - radius) + 1;
        for (int x = 0; x < width; ++x) {
            if (y + radius < height) sum[size_t(x)] += across[at(x, y + radius)];
            if (y - radius - 1 >= 0) sum[size_t(x)] -= across[at(x, y - radius - 1)];
            out[at(x, y)] = sum[size_t(x)] / count;
        }
    }
    return out;
}

}  // namespace

BaseMap MakeBaseMap(int width, int height, const std::function<void(int, int, float*)>& luma) {
    BaseMap map;
    const int longest = std::max(width, height), side = std::min(longest, kMapSide);
    map.width = std::clamp(int(std::lround(double(width) * side / longest)), 1, width);
    map.height = std::clamp(int(std::lround(double(height) * side / longest)), 1, height);
    const size_t cells = size_t(map.width) * size_t(map.height);
    // A cell's mean is near enough from about three pixels along each of
    // its sides: a large photo is read every `step` pixels across and down.
    const int step = std::max(1, std::min(width / map.width, height / map.height) / 3);
    const int samples = (width + step - 1) / step;
    std::vector<int> cellOf(static_cast<size_t>(samples));
    for (int i = 0; i < samples; ++i) cellOf[size_t(i)] = int(int64_t(i) * step * map.width / width);
    std::vector<double> mean(cells, 0.0);
    // Each map row sums the picture rows that fall in it, so the rows of
    // the map can be made on their own.
    ForEachRow(map.height, size_t(width) * 3 * size_t(height) / size_t(map.height) / size_t(step * step), [&](int my) {
        const int first = int((int64_t(my) * height + map.height - 1) / map.height);
        const int last = int((int64_t(my + 1) * height + map.height - 1) / map.height);
        std::vector<float> row(static_cast<size_t>(samples));
        std::vector<double> sums(size_t(map.width), 0.0), counts(size_t(map.width), 0.0);
        for (int y = first + (step - 1) / 2; y < last; y += step) {
            luma(y, step, row.data());
            for (int i = 0; i < samples; ++i) {
                sums[size_t(cellOf[size_t(i)])] += row[size_t(i)];
                counts[size_t(cellOf[size_t(i)])] += 1;
            }
        }
        for (int mx = 0; mx < map.width; ++mx)
            mean[size_t(my) * size_t(map.width) + size_t(mx)] =
                counts[size_t(mx)] > 0 ? sums[size_t(mx)] / counts[size_t(mx)] : 0;
    });
    const int radius = std::max(1, int(std::lround(std::max(map.width, map.height) * kWindowShare)));
    std::vector<double> squares(cells);
    for (size_t i = 0; i < cells; ++i) squares[i] = mean[i] * mean[i];
    const std::vector<double> windowMean = BoxMean(mean, map.width, map.height, radius);
    const std::vector<double> windowSquares = BoxMean(squares, map.width, map.height, radius);
    std::vector<double> a(cells), b(cells);
    for (size_t i = 0; i < cells; ++i) {
        const double variance = std::max(0.0, windowSquares[i] - windowMean[i] * windowMean[i]);
        a[i] = variance / (variance + kEdgeVariance);
        b[i] = windowMean[i] * (1 - a[i]);
    }
    const std::vector<double> meanA = BoxMean(a, map.width, map.height, radius);
    const std::vector<double> meanB = BoxMean(b, map.width, map.height, radius);
    map.a.assign(meanA.begin(), meanA.end());
    map.b.assign(meanB.begin(), meanB.end());
    return map;
}

}  // namespace adjust
}  // namespace corvessa
