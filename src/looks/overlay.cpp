#include "looks/overlay.h"

#include <vector>

#include "ground/blend_rows.h"
#include "looks/routine_support.h"

namespace corvessa {

void MaskOverlay(const TBitmap& photo, TBitmap& dest, PictureName name, Rgb defaultFill,
                 const RenderContext& ctx) {
    RequireDifferent(photo, dest, "MaskOverlay");
    // Loading comes first, so a missing or broken picture stops the routine
    // before dest changes.
    const SharedPicture picture = LoadPictureStretchedOnto(ctx, name, photo);

    if (!ctx.changeColorMode) {
        dest.SetFillColor(defaultFill);
    } else if (const std::optional<Rgb> chosen = AskForColor(ctx)) {
        dest.SetFillColor(*chosen);
    }
    // On cancel the fill colour stays whatever was last set on dest: the
    // colour of the previous render into the same buffer.
    dest.SetSize(photo.Width(), photo.Height());
    if (dest.Empty() || picture->Empty()) return dest.FillAll();

    // Filling dest and mask-blending the photo into it through the picture
    // stretched to the photo's size, fused into one pass: each dest byte is
    // (w*photo + (255-w)*fill) div 255. The weights depend on the stretched
    // picture row only, so they are worked out once per source row.
    const size_t n = photo.RowBytes();
    const NearestStretch stretch(*picture, photo.Width(), photo.Height());
    const std::vector<uint8_t> fill = SolidRow(dest.FillColor(), n);
    ForEachRowBand(photo.Height(), n, [&](int begin, int end) {
        StretchedMaskWeights weights(stretch);
        for (int y = begin; y < end; ++y)
            MixRow(weights.ForTargetRow(y), photo.Row(y), fill.data(), dest.Row(y), n);
    });
}

void OverlayPicture(const TBitmap& photo, TBitmap& dest, PictureName name, OverlayBlend blend,
                    const RenderContext& ctx) {
    RequireDifferent(photo, dest, "OverlayPicture");
    const SharedPicture picture = LoadPictureStretchedOnto(ctx, name, photo);
    const bool overlay = blend == OverlayBlend::kOverlay;
    dest.SetSize(photo.Width(), photo.Height());
    if (ctx.changeColorMode || dest.Empty() || picture->Empty()) {
        dest.StretchDraw(*picture);
        if (ctx.changeColorMode) ColorizeOverlay(dest, ctx);
        if (overlay)
            BlendPass<BlendOverlay>(dest, photo, dest);  // the photo is the one compared with 128
        else
            BlendPass<BlendScreen>(dest, photo, dest);
        return;
    }
    // Stretching the picture into dest and blending the photo with it,
    // fused: each stretched row is made once and blended straight into dest.
    const size_t n = photo.RowBytes();
    const NearestStretch stretch(*picture, photo.Width(), photo.Height());
    ForEachRowBand(photo.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> over(n);
        int previous = -1;
        for (int y = begin; y < end; ++y) {
            const int sy = stretch.SourceRow(y);
            if (sy != previous) stretch.FillRow(sy, over.data());
            previous = sy;
            if (overlay)
                BlendRow<BlendOverlay>(photo.Row(y), over.data(), dest.Row(y), n);
            else
                BlendRow<BlendScreen>(photo.Row(y), over.data(), dest.Row(y), n);
        }
    });
}

void ColorizeOverlay(TBitmap& picture, const RenderContext& ctx) {
    const std::optional<Rgb> chosen = AskForColor(ctx);
    if (!chosen) return;
    Grayscale(picture);
    // The picture's grey is the first argument, the colour the second.
    ChannelTables::AgainstColor<BlendOverlay>(*chosen).Apply(picture, picture);
}

}  // namespace corvessa
