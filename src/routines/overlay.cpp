#include "routines/overlay.h"

#include <algorithm>
#include <cctype>

#include "io/files.h"
#include "io/ssl_picture.h"
#include "routines/blend.h"
#include "routines/routine_support.h"

namespace corvessa {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

}  // namespace

void MaskOverlay(const TBitmap& photo, TBitmap& dest, const std::string& category,
                 const std::string& number, Rgb defaultFill, const RenderContext& ctx) {
    RequireDifferent(photo, dest, "MaskOverlay");
    // Loading comes first, so a missing or broken picture stops the routine
    // before dest changes.
    TBitmap picture;
    LoadSslPicture(PicturePath(ctx.appDir, category, number), picture);
    TBitmap mask(photo.Width(), photo.Height());
    mask.StretchDraw(picture);

    if (!ctx.changeColorMode) {
        dest.SetFillColor(defaultFill);
    } else if (const std::optional<Rgb> chosen = AskForColor(ctx)) {
        dest.SetFillColor(*chosen);
    }
    // On cancel the fill colour stays whatever was last set on dest: the
    // colour of the previous render into the same buffer.
    dest.SetSize(photo.Width(), photo.Height());
    dest.FillAll();
    MaskBlend(dest, photo, mask);
}

void OverlayPicture(const TBitmap& photo, TBitmap& dest, const std::string& category,
                    const std::string& number, const RenderContext& ctx) {
    RequireDifferent(photo, dest, "OverlayPicture");
    TBitmap picture;
    LoadSslPicture(PicturePath(ctx.appDir, category, number), picture);
    dest.SetSize(photo.Width(), photo.Height());
    dest.StretchDraw(picture);
    if (ctx.changeColorMode) ColorizeOverlay(dest, ctx);

    const std::string lower = Lower(category);
    if (lower == "gradient" || lower == "texture")
        BlendPass<BlendOverlay>(dest, photo, dest);  // the photo is the one compared with 128
    else
        BlendPass<BlendScreen>(dest, photo, dest);
}

void ColorizeOverlay(TBitmap& picture, const RenderContext& ctx) {
    const std::optional<Rgb> chosen = AskForColor(ctx);
    if (!chosen) return;
    Grayscale(picture);
    // The picture's grey is the first argument, the colour the second.
    ChannelTables::AgainstColor<BlendOverlay>(*chosen).Apply(picture, picture);
}

}  // namespace corvessa
