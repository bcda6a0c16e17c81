#include "io/file_pieces.h"

#include <algorithm>
#include <utility>

namespace corvessa {

uint64_t PieceBytes(const std::vector<uint64_t>& offsets, const std::vector<uint64_t>& counts, uint64_t fileBytes) {
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    ranges.reserve(offsets.size());
    for (size_t i = 0; i < offsets.size(); ++i) {
        const uint64_t start = offsets[i];
        if (start >= fileBytes) continue;
        const uint64_t length = i < counts.size() && counts[i] != 0 ? counts[i] : fileBytes;
        ranges.emplace_back(start, start + std::min(length, fileBytes - start));
    }
    std::sort(ranges.begin(), ranges.end());
    uint64_t total = 0, reached = 0;
    for (const auto& [start, end] : ranges) {
        const uint64_t from = std::max(start, reached);
        if (end > from) total += end - from;
        reached = std::max(reached, end);
    }
    return total;
}

}  // namespace corvessa
