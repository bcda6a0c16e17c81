#include "looks/tints.h"

#include <algorithm>
#include <vector>

#include "ground/blend_rows.h"
#include "looks/routine_support.h"

namespace corvessa {

namespace {

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
    // The grey photo (compared with 128) overlaid with the quadrant colours;
    // right and bottom quadrants take the odd column and row. Greying and
    // tinting are done row by row while the row is in cache.
    const int w2 = b.Width() / 2, h2 = b.Height() / 2;
    const GreyRowTables green(ChannelTables::AgainstColor<BlendOverlay>(Rgb{0, 255, 0}));
    const GreyRowTables magenta(ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 0, 255}));
    const GreyRowTables yellow(ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 255, 0}));
    const GreyRowTables orange(ChannelTables::AgainstColor<BlendOverlay>(Rgb{255, 128, 0}));
    const int rightWidth = b.Width() - w2;
    const size_t n = b.RowBytes();
    ForEachRowBand(b.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> grey(n);
        for (int y = begin; y < end; ++y) {
            const bool top = y < h2;
            uint8_t* row = b.Row(y);
            GrayRowTo(row, grey.data(), b.Width());
            (top ? green : yellow).Apply(grey.data(), row, w2);
            const size_t right = size_t(w2) * 3;
            (top ? magenta : orange).Apply(grey.data() + right, row + right, rightWidth);
        }
    });
}

void PictureColorTint(TBitmap& b, int mode, Rgb colour, const RenderContext& ctx) {
    const SharedPicture picture = LoadPictureStretchedOnto(ctx, kPictureColorTintMask, b);
    // The one colour question of the inner ColorBurnTint, asked after the
    // picture has loaded.
    const GreyRowTables burn(ChannelTables::AgainstColor<BlendColorBurn>(ColorOrChosen(colour, ctx)));
    if (b.Empty()) return;
    // Row by row, fused: the stretched mask's weights, the grey and the
    // burnt grey of the photo row, and their MaskBlend mix.
    //   Mode 1: b := mix(w, photo, burn(grey(photo)))
    //   other:  b := mix(w, burn(grey(photo)), grey(photo))
    const int width = b.Width();
    const size_t n = b.RowBytes();
    const NearestStretch stretch(*picture, width, b.Height());
    ForEachRowBand(b.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> grey(n), burnt(n);
        StretchedMaskWeights stretchedWeights(stretch);
        for (int y = begin; y < end; ++y) {
            const uint8_t* weights = stretchedWeights.ForTargetRow(y);
            uint8_t* row = b.Row(y);
            GrayRowTo(row, grey.data(), width);
            burn.Apply(grey.data(), burnt.data(), width);
            if (mode == 1)
                MixRow(weights, row, burnt.data(), row, n);
            else
                MixRow(weights, burnt.data(), grey.data(), row, n);
        }
    });
}

void ColorMaskTint(const TBitmap& photo, TBitmap& dest, Rgb colour, const RenderContext& ctx) {
    RequireDifferent(photo, dest, "ColorMaskTint");
    const SharedPicture picture = LoadPictureStretchedOnto(ctx, kColorMaskTintMask, photo);
    const Rgb chosen = ColorOrChosen(colour, ctx);
    dest.SetSize(photo.Width(), photo.Height());
    if (dest.Empty()) return;
    // Row by row, fused: the mask picture stretched to the photo's size (M),
    // the photo mixed with the colour through M's weights (T), and
    // dest := Overlay(T, M), the mixed picture first.
    const int width = photo.Width();
    const size_t n = photo.RowBytes();
    const std::vector<uint8_t> fill = SolidRow(chosen, n);
    const NearestStretch stretch(*picture, width, photo.Height());
    ForEachRowBand(photo.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> mask(n), weights(n), mixed(n);
        int previous = -1;
        for (int y = begin; y < end; ++y) {
            const int sy = stretch.SourceRow(y);
            if (sy != previous) {
                stretch.FillRow(sy, mask.data());
                MaskWeightRow(mask.data(), width, weights.data());
                previous = sy;
            }
            MixRow(weights.data(), photo.Row(y), fill.data(), mixed.data(), n);
            BlendRow<BlendOverlay>(mixed.data(), mask.data(), dest.Row(y), n);
        }
    });
}

}  // namespace corvessa
