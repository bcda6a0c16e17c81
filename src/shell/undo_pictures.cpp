#include "shell/undo_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstring>

namespace corvessa {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Height of one stripe in pixels.
constexpr int kStripe = 3;

}  // namespace

TBitmap DrawUndoPicture(const UndoPictureColours& colours) {
    QImage image(kUndoPictureWidth, kUndoPictureHeight, QImage::Format_BGR888);
    {
        QPainter painter(&image);
        for (int y = 0; y < kUndoPictureHeight; y += kStripe)
            painter.fillRect(0, y, kUndoPictureWidth, kStripe, ToQColor((y / kStripe) % 2 ? colours.stripe2 : colours.stripe1));

        painter.setRenderHint(QPainter::Antialiasing);
        const QColor arrow = ToQColor(colours.arrow);
        // The shaft leaves the head to the right, turns down in a half
        // circle and comes back left underneath: "go back".
        QPainterPath shaft;
        shaft.moveTo(13, 10.5);
        shaft.lineTo(22, 10.5);
        shaft.arcTo(QRectF(15.5, 10.5, 14, 12), 90, -180);
        shaft.lineTo(12, 22.5);
        painter.setPen(QPen(arrow, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shaft);

        QPainterPath head;
        head.moveTo(4.5, 10.5);
        head.lineTo(14, 3.5);
        head.lineTo(14, 17.5);
        head.closeSubpath();
        painter.setPen(QPen(arrow, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(arrow);
        painter.drawPath(head);
    }
    TBitmap picture(kUndoPictureWidth, kUndoPictureHeight);
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(picture.Row(y), image.constScanLine(y), picture.RowBytes());
    return picture;
}

}  // namespace corvessa
