#include "routines/painterly.h"

#include <stdexcept>

#include "effectimage/effect_image.h"
#include "routines/blend.h"
#include "routines/routine_support.h"

namespace corvessa {

namespace {

TProEffectImage& EffectOf(const RenderContext& ctx) {
    if (ctx.effect == nullptr) throw std::logic_error("no effect component in the render context");
    return *ctx.effect;
}

// The effect component is the blur and mosaic filter: copy in, run, copy out.
void GaussianBlur(TProEffectImage& effect, const TBitmap& in, int passes, TBitmap& out) {
    effect.Picture().CopyFrom(in);
    effect.Effect_GaussianBlur(passes);
    out.CopyFrom(effect.Picture());
}

inline int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

}  // namespace

void InvertColors(TBitmap& b) {
    const size_t n = b.RowBytes();
    ForEachRow(b.Height(), n, [&](int y) {
        uint8_t* row = b.Row(y);
        for (size_t i = 0; i < n; ++i) row[i] = uint8_t(255 - row[i]);
    });
}

void SketchBlend(const TBitmap& source, TBitmap& dest, int mode, const RenderContext& ctx) {
    RequireDifferent(source, dest, "SketchBlend");
    TProEffectImage& effect = EffectOf(ctx);
    // Exactly one blur in every mode: mode 7 blurs the grey negative instead
    // of the photo.
    if (mode != 7) GaussianBlur(effect, source, 3, dest);

    // The unblurred copy is the first argument, the blurred photo the
    // second. Modes 1, 2 and 6 use the photo as it is, so only the modes
    // that grey it make the copy.
    TBitmap copy;
    switch (mode) {
        case 1: BlendPass<BlendLighten>(dest, source, dest); break;
        case 2: BlendPass<BlendDarken>(dest, source, dest); break;
        case 3:
            Grayscale(dest);
            copy.CopyFrom(source);
            Grayscale(copy);
            BlendPass<BlendDarken>(dest, copy, dest);
            break;
        case 4:
            copy.CopyFrom(source);
            Grayscale(copy);
            BlendPass<BlendDarken>(dest, copy, dest);
            break;
        case 5:
            copy.CopyFrom(source);
            Grayscale(copy);
            BlendPass<BlendOverlay>(dest, copy, dest);
            break;
        case 6: BlendPass<BlendScreen>(dest, source, dest); break;
        case 7:
            copy.CopyFrom(source);
            Grayscale(copy);
            InvertColors(copy);
            GaussianBlur(effect, copy, 3, copy);
            dest.CopyFrom(source);
            // The photo in its own colours first, the blurred grey negative second.
            BlendPass<BlendColorDodge>(dest, dest, copy);
            break;
        default: break;  // dest stays the blurred photo
    }
}

void DiagonalSharpen(TBitmap& b) {
    const int width = b.Width(), height = b.Height();
    if (width == 0 || height == 0) return;
    const size_t n = b.RowBytes();
    // Visiting order is part of the result: every pixel reads its upper-left
    // neighbour AFTER that neighbour was rewritten, so the rows run strictly
    // from the top and the top row from the left. Do not parallelise rows.
    uint8_t* row = b.Row(0);
    for (size_t i = 3; i < n; ++i) row[i] = uint8_t(Clamp255(row[i] + (row[i] - row[i - 3]) / 2));
    for (int y = 1; y < height; ++y) {
        const uint8_t* above = b.Row(y - 1);
        row = b.Row(y);
        // The left pixel's neighbour is the one above it.
        for (size_t i = 0; i < 3; ++i) row[i] = uint8_t(Clamp255(row[i] + (row[i] - above[i]) / 2));
        // Within a row every pixel reads only the row above, which is final.
        for (size_t i = 3; i < n; ++i)
            row[i] = uint8_t(Clamp255(row[i] + (row[i] - above[i - 3]) / 2));
    }
}

void MosaicPainting(const TBitmap& source, TBitmap& dest, const RenderContext& ctx) {
    RequireDifferent(source, dest, "MosaicPainting");
    TProEffectImage& effect = EffectOf(ctx);
    const int w = source.Width(), h = source.Height();
    const int block = (w >= h ? w : h) / 15;
    effect.Picture().CopyFrom(source);
    effect.Effect_Mosaic(block);
    dest.CopyFrom(effect.Picture());
    for (int pass = 0; pass < 3; ++pass) DiagonalSharpen(dest);
    // The sharpened mosaic is the one compared with 128, the photo the second.
    BlendPass<BlendOverlay>(dest, dest, source);
}

void PencilSketch(const TBitmap& source, TBitmap& dest, const RenderContext& ctx) {
    RequireDifferent(source, dest, "PencilSketch");
    TProEffectImage& effect = EffectOf(ctx);
    TBitmap grey;
    grey.CopyFrom(source);
    Grayscale(grey);
    TBitmap negative;
    GaussianBlur(effect, grey, 1, negative);
    InvertColors(negative);
    dest.SetSize(grey.Width(), grey.Height());
    // The grey photo first, the blurred grey negative second: flat areas
    // come out white, edges dark.
    BlendPass<BlendColorDodge>(dest, grey, negative);
    if (!ctx.changeColorMode) return;
    if (const std::optional<Rgb> chosen = AskForColor(ctx))
        ChannelTables::AgainstColor<BlendOverlay>(*chosen).Apply(dest, dest);  // the sketch is compared with 128
}

}  // namespace corvessa
