#include "shell/main_layout.h"

#include <algorithm>
#include <cstdint>

namespace corvessa {

namespace {

constexpr int kLargeWidth = 1004;
constexpr int kLargeHeight = 718;
constexpr int kCategoryColumnWidth = 126;
constexpr int kToolColumnWidth = 112;
constexpr int kStripHeight = 279;
constexpr int kFlatPanel1Left = 125;

}  // namespace

Bounds MainWindowBounds(int screenWidth, int screenHeight) {
    if (screenWidth > 800)
        return {(screenWidth - kLargeWidth) / 2 - 10, (screenHeight - kLargeHeight) / 2 - 20, kLargeWidth, kLargeHeight};
    return {0, 0, screenWidth - 20, screenHeight - 40};
}

Bounds FitIntoArea(Bounds window, const Bounds& area) {
    window.width = std::min(window.width, area.width);
    window.height = std::min(window.height, area.height);
    window.left = std::clamp(window.left, area.left, area.left + area.width - window.width);
    window.top = std::clamp(window.top, area.top, area.top + area.height - window.height);
    return window;
}

MainPanels LayOutPanels(int outerWidth, int outerHeight, bool largeThumbnails) {
    MainPanels p;
    p.flatPanel4 = {0, 0, kCategoryColumnWidth, outerHeight - 40};
    p.flatPanel1 = {kFlatPanel1Left, 0, outerWidth - kCategoryColumnWidth - 6, p.flatPanel4.height};
    // Large thumbnails take a little over half the height, never less than the small strip.
    const int strip = largeThumbnails ? std::max(kStripHeight, p.flatPanel1.height * 55 / 100) : kStripHeight;
    p.flatPanel2 = {kFlatPanel1Left, p.flatPanel1.height - strip, p.flatPanel1.width, strip};
    // So tall a strip would lie over the tool column's boxes and status line:
    // it takes the photo area's width only.
    if (strip > kStripHeight) p.flatPanel2 = {kFlatPanel1Left + kToolColumnWidth, p.flatPanel2.top, p.flatPanel1.width - kToolColumnWidth, strip};
    p.flatPanel3 = {kToolColumnWidth, 0, p.flatPanel1.width - kToolColumnWidth, p.flatPanel1.height - strip};
    return p;
}

Bounds LargeThumbnailBox(int stripWidth, int stripHeight, int n) {
    constexpr int kGap = 8, kColumns = 5;
    const int side = std::clamp(std::min((stripWidth - kGap * (kColumns + 1)) / kColumns,
                                         (stripHeight - kGap * 3 - 2 * kLargeNameHeight) / 2),
                                kLargeBoxMin, kLargeBoxMax);
    const int column = (n - 1) % kColumns, row = (n - 1) / kColumns;
    // The boxes spread over the panel's width, the rows from the top.
    const int cell = std::max(side + kGap, (stripWidth - kGap) / kColumns);
    return {kGap + column * cell + (cell - kGap - side) / 2, kGap + row * (side + kLargeNameHeight + kGap), side, side};
}

Bounds FitPhotoView(int panelWidth, int panelHeight, int photoWidth, int photoHeight) {
    const int height = panelHeight - 3;
    // 64-bit so no photo the readers accept can overflow; the quotient is
    // the 32-bit truncating one for every size that fits.
    const int width = photoHeight > 0 ? int(int64_t(photoWidth) * height / photoHeight) : 0;
    return {(panelWidth - width) / 2, 1, width, height};
}

}  // namespace corvessa
