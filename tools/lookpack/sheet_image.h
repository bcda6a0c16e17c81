#pragma once
// A bitmap as a QImage for the contact sheets the gallery tools paint.

#include <QImage>

#include "ground/bitmap.h"

namespace corvessa::lookpack {

inline QImage ToImage(const TBitmap& b) {
    QImage image(b.Width(), b.Height(), QImage::Format_RGB888);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint8_t* p = b.Pixel(x, y);
            image.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    return image;
}

}  // namespace corvessa::lookpack
