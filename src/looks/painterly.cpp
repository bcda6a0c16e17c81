#include "looks/painterly.h"

#include <cstring>
#include <stdexcept>
#include <vector>

#include "effectimage/blur_mosaic.h"
#include "ground/blend_rows.h"
#include "looks/routine_support.h"
#include "ground/stop.h"

namespace corvessa {

namespace {

inline int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// out[i] = 255 - in[i]; out may be in. The count comes by value: a count
// the loop reached through a reference would have to be reloaded after
// every byte store (a byte store may alias anything), which keeps the
// loop from being vectorised.
void InvertRow(const uint8_t* in, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) out[i] = uint8_t(255 - in[i]);
}

// `grey` becomes Grayscale of a copy of `source`, in one pass; with
// `invert`, InvertColors of that too.
void GreyCopy(const TBitmap& source, TBitmap& grey, bool invert = false) {
    grey.SetSize(source.Width(), source.Height());
    const size_t n = source.RowBytes();
    ForEachRow(source.Height(), n, [&](int y) {
        uint8_t* out = grey.Row(y);
        GrayRowTo(source.Row(y), out, source.Width());
        if (invert)
            InvertRow(out, out, n);
    });
}

// t := F(grey of source, t) byte by byte, row by row; with `greyTargetRow`, t
// is greyed first. The grey rows of the photo are made on the way in a row
// buffer, which saves writing a grey copy of the whole photo and reading it
// back.
template <BlendFn F>
void BlendWithGreySource(const TBitmap& source, TBitmap& t, bool greyTargetRow) {
    const size_t n = t.RowBytes();
    const int width = t.Width();
    ForEachRowBand(t.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> grey(n), greyTarget(greyTargetRow ? n : 0);
        for (int y = begin; y < end; ++y) {
            GrayRowTo(source.Row(y), grey.data(), width);
            uint8_t* row = t.Row(y);
            if (greyTargetRow) {
                GrayRowTo(row, greyTarget.data(), width);
                BlendRow<F>(grey.data(), greyTarget.data(), row, n);
            } else {
                BlendRow<F>(grey.data(), row, row, n);
            }
        }
    });
}

// One DiagonalSharpen pass over the first row: every pixel reads its left
// neighbour after that neighbour was rewritten.
void SharpenFirstRow(uint8_t* row, size_t n) {
    for (size_t i = 3; i < n; ++i) row[i] = uint8_t(Clamp255(row[i] + (row[i] - row[i - 3]) / 2));
}

// One DiagonalSharpen pass over a later row, given the row above in its
// final state for this pass: the left pixel reads the pixel above it, every
// other pixel the one above and to the left. Each byte reads only itself and
// the row above, so the loop vectorises; every intermediate lies in
// -255..382, so it runs in 16-bit lanes.
void SharpenRow(uint8_t* __restrict row, const uint8_t* __restrict above, size_t n) {
    for (size_t i = 0; i < 3 && i < n; ++i) row[i] = uint8_t(Clamp255(row[i] + (row[i] - above[i]) / 2));
    for (size_t i = 3; i < n; ++i) {
        const int16_t v = row[i], d = int16_t(v - above[i - 3]);
        const int16_t s = int16_t(v + d / 2);
        row[i] = uint8_t(s < 0 ? 0 : (s > 255 ? 255 : s));
    }
}

// `passes` DiagonalSharpen passes over b, done in one sweep down the
// picture: pass k of row y needs only pass k of row y - 1 (kept in a row
// buffer per pass) and pass k - 1 of row y, so every row goes through all
// passes while it is in cache. With `overlayWith`, each finished row is
// then overlaid (sharpened row first) with the same row of that bitmap.
// The rows stay strictly in order: each needs the one above it finished.
void SharpenPasses(TBitmap& b, int passes, const TBitmap* overlayWith) {
    const int height = b.Height();
    const size_t n = b.RowBytes();
    if (n == 0 || height == 0) return;
    std::vector<std::vector<uint8_t>> above(static_cast<size_t>(passes), std::vector<uint8_t>(n));
    std::vector<uint8_t> row(n);
    for (int y = 0; y < height; ++y) {
        if (y % kStopCheckRows == 0) ThrowIfStopped();
        std::memcpy(row.data(), b.Row(y), n);
        for (int k = 0; k < passes; ++k) {
            std::vector<uint8_t>& mine = above[size_t(k)];
            if (y == 0)
                SharpenFirstRow(row.data(), n);
            else
                SharpenRow(row.data(), mine.data(), n);
            std::memcpy(mine.data(), row.data(), n);
        }
        if (overlayWith)
            BlendRow<BlendOverlay>(row.data(), overlayWith->Row(y), b.Row(y), n);
        else
            std::memcpy(b.Row(y), row.data(), n);
    }
}

}  // namespace

void InvertColors(TBitmap& b) {
    const size_t n = b.RowBytes();
    ForEachRow(b.Height(), n, [&](int y) {
        InvertRow(b.Row(y), b.Row(y), n);
    });
}

void SketchBlend(const TBitmap& source, TBitmap& dest, int mode) {
    RequireDifferent(source, dest, "SketchBlend");
    // Exactly one blur in every mode: mode 7 blurs the grey negative instead
    // of the photo.
    if (mode != 7) {
        dest.CopyFrom(source);
        GaussianBlur(dest, 3);
    }

    // The unblurred copy is the first argument, the blurred photo the
    // second. Modes 1, 2 and 6 use the photo as it is and modes 3 to 5 grey
    // it row by row, so only mode 7 makes a copy.
    TBitmap copy;
    switch (mode) {
        case 1: BlendPass<BlendLighten>(dest, source, dest); break;
        case 2: BlendPass<BlendDarken>(dest, source, dest); break;
        case 3: BlendWithGreySource<BlendDarken>(source, dest, true); break;
        case 4: BlendWithGreySource<BlendDarken>(source, dest, false); break;
        case 5: BlendWithGreySource<BlendOverlay>(source, dest, false); break;
        case 6: BlendPass<BlendScreen>(dest, source, dest); break;
        case 7:
            GreyCopy(source, copy, true);
            GaussianBlur(copy, 3);
            // Dest would be a copy of the photo blended in place: the photo
            // in its own colours first, the blurred grey negative second.
            dest.SetSize(source.Width(), source.Height());
            BlendPass<BlendColorDodge>(dest, source, copy);
            break;
        default: break;  // dest stays the blurred photo
    }
}

void DiagonalSharpen(TBitmap& b) {
    // Visiting order is part of the result: every pixel reads its upper-left
    // neighbour AFTER that neighbour was rewritten, so the rows run strictly
    // from the top and the top row from the left. Do not parallelise rows.
    SharpenPasses(b, 1, nullptr);
}

void MosaicPainting(const TBitmap& source, TBitmap& dest) {
    RequireDifferent(source, dest, "MosaicPainting");
    const int w = source.Width(), h = source.Height();
    Mosaic(source, dest, (w >= h ? w : h) / 15);
    // Three DiagonalSharpen passes, then the overlay with the photo (the
    // sharpened mosaic is the one compared with 128), in one sweep.
    SharpenPasses(dest, 3, &source);
}

void PencilSketch(const TBitmap& source, TBitmap& dest, const RenderContext& ctx) {
    RequireDifferent(source, dest, "PencilSketch");
    // The grey photo is made once to be blurred, and made again row by row
    // for the blend below: cheaper than keeping a grey copy and reading it
    // back.
    TBitmap blurred;
    GreyCopy(source, blurred);
    GaussianBlur(blurred, 1);
    dest.SetSize(source.Width(), source.Height());
    // The grey photo first, the blurred grey negative second: flat areas
    // come out white, edges dark. The negative is taken byte by byte on
    // the way into the blend.
    const size_t n = dest.RowBytes();
    const int width = dest.Width();
    ForEachRowBand(dest.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> grey(n), negative(n);
        for (int y = begin; y < end; ++y) {
            GrayRowTo(source.Row(y), grey.data(), width);
            InvertRow(blurred.Row(y), negative.data(), n);
            BlendRow<BlendColorDodge>(grey.data(), negative.data(), dest.Row(y), n);
        }
    });
    if (!ctx.changeColorMode) return;
    if (const std::optional<Rgb> chosen = AskForColor(ctx))
        ChannelTables::AgainstColor<BlendOverlay>(*chosen).Apply(dest, dest);  // the sketch is compared with 128
}

}  // namespace corvessa
