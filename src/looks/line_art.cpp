#include "looks/line_art.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>
#include <string>

#include "ground/blend_rows.h"
#include "looks/routine_support.h"

namespace corvessa {

void TilePicture(TBitmap& big, TBitmap& tile) {
    RequireDifferent(tile, big, "TilePicture");
    const int tw = tile.Width(), th = tile.Height();
    if (tw < 1 || th < 1) throw std::invalid_argument("TilePicture: the tile is empty");
    const int nx = big.Width() / tw, ny = big.Height() / th;
    // One band of tiles across the top, then that band down the picture;
    // the last copy in each direction is cut off at the edge.
    for (int k = 0; k <= nx; ++k) big.DrawAt(tile, k * tw, 0);
    tile.SetWidth(big.Width());
    tile.CopyRect(big, big.Width(), th);
    for (int k = 0; k <= ny; ++k) big.DrawAt(tile, 0, k * th);
}

void LinePattern(const TBitmap& photo, TBitmap& dest, int n, const RenderContext& ctx) {
    RequireDifferent(photo, dest, "LinePattern");
    const int width = photo.Width(), height = photo.Height();
    const int divisor = n < 8 ? 16 : 8;  // patterns 8 to 10 get tiles about twice as large
    const int side = (width >= height ? height : width) / divisor;

    const SharedPicture pattern = LoadPicture(ctx, LinePatternPicture(n));
    if (side < 1) {
        // Too small for a tile of even one pixel: the pattern cannot be laid.
        dest.CopyFrom(photo);
        return;
    }
    TBitmap tile(side, side);
    tile.StretchDraw(*pattern);

    dest.SetSize(width, height);
    if (!ctx.changeColorMode) {
        dest.SetFillColor(Rgb{0, 255, 0});
    } else if (const std::optional<Rgb> chosen = AskForColor(ctx)) {
        dest.SetFillColor(*chosen);
    }
    // On cancel the line colour is whatever was last set on dest.
    //
    // The photo-sized pattern that TilePicture would make has pixel (x, y)
    // equal to tile pixel (x mod side, y mod side), so its MaskBlend weights
    // are the tile's weights repeated: they are worked out once per tile row
    // and laid across, and dest (filled with the line colour) is mixed with
    // the photo through them in one pass.
    const size_t rowBytes = photo.RowBytes(), tileBytes = tile.RowBytes();
    TBitmap weights(width, side);
    for (int ty = 0; ty < side; ++ty) {
        uint8_t* row = weights.Row(ty);
        MaskWeightRow(tile.Row(ty), side, row);
        for (size_t done = tileBytes; done < rowBytes; done += tileBytes)
            std::memcpy(row + done, row, std::min(tileBytes, rowBytes - done));
    }
    const std::vector<uint8_t> fill = SolidRow(dest.FillColor(), rowBytes);
    ForEachRow(height, rowBytes, [&](int y) {
        MixRow(weights.Row(y % side), photo.Row(y), fill.data(), dest.Row(y), rowBytes);
    });
}

}  // namespace corvessa
