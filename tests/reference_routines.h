#pragma once
// Straightforward scalar versions of the routines that are optimised
// (fused passes, tables, threads, pooled buffers): pixel by pixel, in the
// visiting order the routines are defined by, with nothing clever. The
// tests compare the fast routines with these byte for byte.

#include <cmath>
#include <string>

#include "io/files.h"
#include "io/picture_source.h"
#include "io/ssl_picture.h"
#include "ground/bitmap.h"
#include "ground/blend_rows.h"

namespace corvessa::reference {

inline TBitmap Copy(const TBitmap& b) {
    TBitmap out;
    out.CopyFrom(b);
    return out;
}

inline TBitmap Stretch(const TBitmap& source, int w, int h) {
    TBitmap out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = int(int64_t(x) * source.Width() / w), sy = int(int64_t(y) * source.Height() / h);
            for (int c = 0; c < 3; ++c) out.Pixel(x, y)[c] = source.Pixel(sx, sy)[c];
        }
    return out;
}

template <BlendFn F>
void Blend(TBitmap& t, const TBitmap& a, const TBitmap& b) {
    for (int y = 0; y < t.Height(); ++y)
        for (size_t i = 0; i < t.RowBytes(); ++i) t.Row(y)[i] = uint8_t(F(a.Row(y)[i], b.Row(y)[i]));
}

inline int Weight(const uint8_t* p) {
    const long double sum = (static_cast<long double>(p[2]) * 0.3L + static_cast<long double>(p[1]) * 0.59L) +
                            static_cast<long double>(p[0]) * 0.11L;
    return int(std::nearbyintl(sum));
}

inline void MaskBlend(TBitmap& base, const TBitmap& over, const TBitmap& mask) {
    for (int y = 0; y < base.Height(); ++y)
        for (int x = 0; x < base.Width(); ++x) {
            const int w = Weight(mask.Pixel(x, y));
            for (int c = 0; c < 3; ++c)
                base.Pixel(x, y)[c] = uint8_t((w * over.Pixel(x, y)[c] + (255 - w) * base.Pixel(x, y)[c]) / 255);
        }
}

inline void Grayscale(TBitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            uint8_t* p = b.Pixel(x, y);
            p[0] = p[1] = p[2] = uint8_t((28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8);
        }
}

inline void Invert(TBitmap& b) {
    for (size_t i = 0; i < b.ByteCount(); ++i) b.Data()[i] = uint8_t(255 - b.Data()[i]);
}

// The look at strength s over the photo, byte by byte with a division.
inline TBitmap MixByStrength(const TBitmap& look, const TBitmap& photo, int s) {
    TBitmap out = Copy(look);
    for (size_t i = 0; i < out.ByteCount(); ++i)
        out.Data()[i] = uint8_t((s * look.Data()[i] + (100 - s) * photo.Data()[i] + 50) / 100);
    return out;
}

inline TBitmap Solid(int w, int h, Rgb colour) {
    TBitmap b(w, h);
    b.SetFillColor(colour);
    b.FillAll();
    return b;
}

inline TBitmap Load(const std::string& appDir, const std::string& folder, int number) {
    TBitmap picture;
    LoadSslPicture(FolderPictures(appDir + "pic").PathOf({folder, number}), picture);
    return picture;
}

inline TBitmap MaskOverlay(const TBitmap& photo, const TBitmap& picture, Rgb fill) {
    TBitmap mask = Stretch(picture, photo.Width(), photo.Height());
    TBitmap dest = Solid(photo.Width(), photo.Height(), fill);
    reference::MaskBlend(dest, photo, mask);
    return dest;
}

// OverlayPicture; `tint` recolours the stretched picture first (Change Color).
inline TBitmap OverlayPicture(const TBitmap& photo, const TBitmap& picture, bool overlay, const Rgb* tint = nullptr) {
    TBitmap dest = Stretch(picture, photo.Width(), photo.Height());
    if (tint) {
        reference::Grayscale(dest);
        const TBitmap colour = Solid(photo.Width(), photo.Height(), *tint);
        Blend<BlendOverlay>(dest, dest, colour);
    }
    if (overlay)
        Blend<BlendOverlay>(dest, photo, dest);
    else
        Blend<BlendScreen>(dest, photo, dest);
    return dest;
}

inline void ColorBurnTint(TBitmap& b, Rgb colour) {
    const TBitmap c = Solid(b.Width(), b.Height(), colour);
    Blend<BlendColorBurn>(b, b, c);
}

inline void PictureColorTint(TBitmap& b, int mode, Rgb colour, const TBitmap& picture) {
    const TBitmap mask = Stretch(picture, b.Width(), b.Height());
    TBitmap other;
    if (mode == 1) {
        other = Copy(b);
        reference::Grayscale(b);
        ColorBurnTint(b, colour);
    } else {
        reference::Grayscale(b);
        other = Copy(b);
        ColorBurnTint(other, colour);
    }
    reference::MaskBlend(b, other, mask);
}

inline TBitmap ColorMaskTint(const TBitmap& photo, Rgb colour, const TBitmap& picture) {
    TBitmap dest = Stretch(picture, photo.Width(), photo.Height());
    TBitmap t = Solid(photo.Width(), photo.Height(), colour);
    reference::MaskBlend(t, photo, dest);
    Blend<BlendOverlay>(dest, t, dest);
    return dest;
}

inline void QuadColorTint(TBitmap& b) {
    reference::Grayscale(b);
    const int w = b.Width(), h = b.Height();
    TBitmap q(w, h);
    const struct { int l, t, r, b; Rgb c; } quads[] = {{0, 0, w / 2, h / 2, {0, 255, 0}},
                                                      {w / 2, 0, w, h / 2, {255, 0, 255}},
                                                      {0, h / 2, w / 2, h, {255, 255, 0}},
                                                      {w / 2, h / 2, w, h, {255, 128, 0}}};
    for (const auto& quad : quads) {
        q.SetFillColor(quad.c);
        q.Fill(quad.l, quad.t, quad.r, quad.b);
    }
    Blend<BlendOverlay>(b, b, q);
}

inline TBitmap LinePattern(const TBitmap& photo, int n, const TBitmap& pattern, Rgb colour) {
    const int w = photo.Width(), h = photo.Height();
    const int side = (w >= h ? h : w) / (n < 8 ? 16 : 8);
    const TBitmap tile = Stretch(pattern, side, side);
    TBitmap tiled(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) tiled.Pixel(x, y)[c] = tile.Pixel(x % side, y % side)[c];
    TBitmap dest = Solid(w, h, colour);
    reference::MaskBlend(dest, photo, tiled);
    return dest;
}

inline int Clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

inline void DiagonalSharpen(TBitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint8_t* n = b.Pixel(x > 0 ? x - 1 : 0, y > 0 ? y - 1 : 0);
            uint8_t* p = b.Pixel(x, y);
            for (int c = 0; c < 3; ++c) p[c] = uint8_t(Clamp255(p[c] + (p[c] - n[c]) / 2));
        }
}

inline void Mosaic(TBitmap& b, int s) {
    if (s <= 1) return;
    const TBitmap before = Copy(b);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            for (int c = 0; c < 3; ++c) b.Pixel(x, y)[c] = before.Pixel(x / s * s, y / s * s)[c];
}

inline int ClampTo(int v, int count) { return v < 0 ? 0 : v >= count ? count - 1 : v; }

// One SplitBlur pass in place, in the defined order; indices that fall
// outside a picture too small for the distance are clamped.
inline void SplitBlur(TBitmap& b, int a) {
    const int w = b.Width(), h = b.Height();
    for (int y = 0; y < h; ++y) {
        const int u = ClampTo(y - a >= 0 ? y - a : y, h), l = ClampTo(y + a < h ? y + a : h - y, h);
        for (int x = 0; x < w; ++x) {
            const int left = ClampTo(x - a >= 0 ? x - a : x, w), right = ClampTo(x + a < w ? x + a : w - x, w);
            int sum[3];
            for (int c = 0; c < 3; ++c)
                sum[c] = b.Pixel(left, u)[c] + b.Pixel(left, l)[c] + b.Pixel(right, u)[c] + b.Pixel(right, l)[c];
            for (int c = 0; c < 3; ++c) b.Pixel(x, y)[c] = uint8_t(sum[c] >> 2);
        }
    }
}

inline void GaussianBlur(TBitmap& b, int extra) {
    for (int pass = 0; pass <= extra; ++pass) SplitBlur(b, 3);
}

inline TBitmap MosaicPainting(const TBitmap& source) {
    TBitmap dest = Copy(source);
    Mosaic(dest, (source.Width() >= source.Height() ? source.Width() : source.Height()) / 15);
    for (int pass = 0; pass < 3; ++pass) DiagonalSharpen(dest);
    Blend<BlendOverlay>(dest, dest, source);
    return dest;
}

inline TBitmap PencilSketch(const TBitmap& source) {
    TBitmap grey = Copy(source);
    reference::Grayscale(grey);
    TBitmap negative = Copy(grey);
    GaussianBlur(negative, 1);
    Invert(negative);
    TBitmap dest(source.Width(), source.Height());
    Blend<BlendColorDodge>(dest, grey, negative);
    return dest;
}

inline TBitmap SketchBlend(const TBitmap& source, int mode) {
    TBitmap copy = Copy(source);
    TBitmap dest = Copy(source);
    if (mode != 7) GaussianBlur(dest, 3);
    if (mode == 3) {
        reference::Grayscale(dest);
        reference::Grayscale(copy);
    }
    switch (mode) {
        case 1: Blend<BlendLighten>(dest, copy, dest); break;
        case 2:
        case 3: Blend<BlendDarken>(dest, copy, dest); break;
        case 4: reference::Grayscale(copy); Blend<BlendDarken>(dest, copy, dest); break;
        case 5: reference::Grayscale(copy); Blend<BlendOverlay>(dest, copy, dest); break;
        case 6: Blend<BlendScreen>(dest, copy, dest); break;
        case 7:
            reference::Grayscale(copy);
            Invert(copy);
            GaussianBlur(copy, 3);
            dest = Copy(source);
            Blend<BlendColorDodge>(dest, dest, copy);
            break;
        default: break;
    }
    return dest;
}

}  // namespace corvessa::reference
