#pragma once
// A pack picture put onto a photo the way the routine that reads it would
// (stretched by nearest neighbour to the photo, then screen, overlay, mask
// against white, the line pattern in green, the colour masks' tints), for
// the pictures people judge the pack by. Kept apart from the catalogue so
// that these tools follow the pack table alone.

#include <algorithm>
#include <string>

#include "io/photo_files.h"
#include "io/ssl_picture.h"
#include "lookpack/pack_contents.h"
#include "ground/blend_rows.h"

namespace corvessa::lookpack {

inline TBitmap Stretched(const TBitmap& src, int w, int h) {
    TBitmap out(w, h);
    out.StretchDraw(src);
    return out;
}

inline TBitmap Filled(int w, int h, Rgb colour) {
    TBitmap out(w, h);
    out.SetFillColor(colour);
    out.FillAll();
    return out;
}

inline void Tile(TBitmap& big, const TBitmap& tile) {
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x)
            std::copy_n(tile.Pixel(x % tile.Width(), y % tile.Height()), 3, big.Pixel(x, y));
}

// Picture n of folder f, already loaded, applied to `photo`.
inline TBitmap ApplyPackPicture(const PackFolder& f, int n, const TBitmap& picture, const TBitmap& photo) {
    const int w = photo.Width(), h = photo.Height();
    TBitmap p = Stretched(picture, w, h);
    switch (f.use) {
    case PictureUse::kScreen: BlendPass<BlendScreen>(p, photo, p); return p;
    case PictureUse::kOverlay: BlendPass<BlendOverlay>(p, photo, p); return p;
    case PictureUse::kEdgeMask: {
        TBitmap out = Filled(w, h, kWhite);
        MaskBlend(out, photo, p);
        return out;
    }
    case PictureUse::kLineTile: {
        const int side = std::max(1, std::min(w, h) / (n < 8 ? 16 : 8));
        TBitmap big(w, h);
        Tile(big, Stretched(picture, side, side));
        TBitmap out = Filled(w, h, Rgb{0, 255, 0});
        MaskBlend(out, photo, big);
        return out;
    }
    case PictureUse::kTintMask: {
        if (n == 2) {  // the red mask tint
            TBitmap t = Filled(w, h, Rgb{255, 0, 0});
            MaskBlend(t, photo, p);
            BlendPass<BlendOverlay>(p, t, p);
            return p;
        }
        TBitmap out;  // mode 1 in green: own colours where the mask is light
        out.CopyFrom(photo);
        TBitmap grey;
        grey.CopyFrom(photo);
        Grayscale(grey);
        TBitmap green = Filled(w, h, Rgb{0, 255, 0});
        BlendPass<BlendColorBurn>(grey, grey, green);
        MaskBlend(grey, out, p);
        return grey;
    }
    }
    return p;
}

// A file of the pack as the program loads it.
inline TBitmap LoadPackFile(const std::string& picDir, const PackFile& file) {
    const std::string path = picDir + "/" + file.relativePath;
    if (!file.folder) return ReadPicture(path);
    TBitmap b;
    LoadSslPicture(path, b);
    return b;
}

}  // namespace corvessa::lookpack
