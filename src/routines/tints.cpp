#include "routines/tints.h"

#include "io/files.h"
#include "io/ssl_picture.h"
#include "routines/blend.h"
#include "routines/routine_support.h"

namespace corvessa {

namespace {

// The mask picture pic/color/<number>.ssl scaled to width by height.
TBitmap LoadColorMask(const RenderContext& ctx, const char* number, int width, int height) {
    TBitmap picture;
    LoadSslPicture(PicturePath(ctx.appDir, "color", number), picture);
    TBitmap mask(width, height);
    mask.StretchDraw(picture);
    return mask;
}

// The colour argument, or in Change Color mode the user's choice when
// there is one.
Rgb ColorOrChosen(Rgb colour, const RenderContext& ctx) {
    if (!ctx.changeColorMode) return colour;
    return AskForColor(ctx).value_or(colour);
}

}  // namespace

void ContrastCurve(const TBitmap& source, TBitmap& dest) {
    RequireDifferent(source, dest, "ContrastCurve");
    // Two hard-light passes of every value with itself, folded into one
    // table: the bytes are independent, so the result is the same.
    ChannelTables curve;
    for (int v = 0; v < 256; ++v) {
        const int once = BlendHardLight(v, v);
        curve.table[0][v] = curve.table[1][v] = curve.table[2][v] = uint8_t(BlendHardLight(once, once));
    }
    dest.SetSize(source.Width(), source.Height());
    curve.Apply(source, dest);
}

void ColorBurnTint(TBitmap& b, Rgb colour, const RenderContext& ctx) {
    // The photo's value is the first argument, the colour's the second.
    ChannelTables::AgainstColor<BlendColorBurn>(ColorOrChosen(colour, ctx)).Apply(b, b);
}

void QuadColorTint(TBitmap& b) {
    Grayscale(b);
    // The grey photo (compared with 128) overlaid with the quadrant colours;
    // right and bottom quadrants take the odd column and row.
    const int w2 = b.Width() / 2, h2 = b.Height() / 2;
    const ChannelTables green = ChannelTables::AgainstColor<BlendOverlay>(Rgb{0, 255, 0});
    const ChannelTables magenta = ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 0, 255});
    const ChannelTables yellow = ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 255, 0});
    const ChannelTables orange = ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 128, 0});
    const int rightWidth = b.Width() - w2;
    ForEachRow(b.Height(), b.RowBytes(), [&](int y) {
        const bool top = y < h2;
        uint8_t* row = b.Row(y);
        (top ? green : yellow).Apply(row, row, w2);
        uint8_t* right = row + size_t(w2) * 3;
        (top ? magenta : orange).Apply(right, right, rightWidth);
    });
}

void PictureColorTint(TBitmap& b, int mode, Rgb colour, const RenderContext& ctx) {
    const TBitmap mask = LoadColorMask(ctx, "1", b.Width(), b.Height());
    TBitmap other;
    if (mode == 1) {
        other.CopyFrom(b);  // the photo in its own colours where the mask is light
        Grayscale(b);
        ColorBurnTint(b, colour, ctx);
    } else {
        Grayscale(b);
        other.CopyFrom(b);
        ColorBurnTint(other, colour, ctx);
    }
    MaskBlend(b, other, mask);
}

void ColorMaskTint(const TBitmap& photo, TBitmap& dest, Rgb colour, const RenderContext& ctx) {
    RequireDifferent(photo, dest, "ColorMaskTint");
    TBitmap mixed;
    LoadSslPicture(PicturePath(ctx.appDir, "color", "2"), mixed);
    dest.SetSize(photo.Width(), photo.Height());
    dest.StretchDraw(mixed);  // dest is the mask picture at the photo's size
    mixed.SetSize(photo.Width(), photo.Height());
    mixed.SetFillColor(ColorOrChosen(colour, ctx));
    mixed.FillAll();
    MaskBlend(mixed, photo, dest);
    // The mixed picture is the first argument, the mask picture the second.
    BlendPass<BlendOverlay>(dest, mixed, dest);
}

}  // namespace corvessa
