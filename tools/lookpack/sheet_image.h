#pragma once
// A bitmap as a QImage for the contact sheets the gallery tools paint, and
// the sheets' common start.

#include <QImage>
#include <QPainter>

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

// A contact sheet's dark background and the light 13-pixel captions drawn
// on it; the painter paints onto `sheet`.
inline void StartSheet(QImage& sheet, QPainter& painter) {
    sheet.fill(QColor(36, 36, 36));
    painter.begin(&sheet);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(230, 230, 230));
}

}  // namespace corvessa::lookpack
