#include "routines/line_art.h"

#include <stdexcept>
#include <string>

#include "io/files.h"
#include "io/ssl_picture.h"
#include "routines/blend.h"
#include "routines/routine_support.h"

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

    TBitmap pattern;
    LoadSslPicture(PicturePath(ctx.appDir, "line", std::to_string(n)), pattern);
    if (side < 1) {
        // Too small for a tile of even one pixel: the pattern cannot be laid.
        dest.CopyFrom(photo);
        return;
    }
    TBitmap tile(side, side);
    tile.StretchDraw(pattern);
    pattern.SetSize(width, height);
    TilePicture(pattern, tile);

    dest.SetSize(width, height);
    if (!ctx.changeColorMode) {
        dest.SetFillColor(Rgb{0, 255, 0});
    } else if (const std::optional<Rgb> chosen = AskForColor(ctx)) {
        dest.SetFillColor(*chosen);
    }
    // On cancel the line colour is whatever was last set on dest.
    dest.FillAll();
    MaskBlend(dest, photo, pattern);
}

}  // namespace corvessa
