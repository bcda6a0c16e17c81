#include "widgets/flat_panel.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

namespace corvessa {

TFlatPanel::TFlatPanel(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here, so Qt need not erase behind the panel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 185, 41);
}

void TFlatPanel::SetTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    update();
}

void TFlatPanel::SetCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    update();
}

QColor TFlatPanel::Color() const {
    if (parentColor_ && parentWidget()) return parentWidget()->palette().color(QPalette::Window);
    if (!colour_.isValid()) return palette().color(QPalette::Window);
    return colour_;
}

void TFlatPanel::SetColor(const QColor& colour) {
    colour_ = colour;
    parentColor_ = false;
    update();
}

void TFlatPanel::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    update();
}

void TFlatPanel::SetFrameColor(int index, const QColor& colour) {
    frame_[index & 1] = colour;
    update();
}

void TFlatPanel::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void TFlatPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

QImage TFlatPanel::PaintPicture() const {
    QImage picture(size(), QImage::Format_RGB888);
    if (picture.isNull()) return picture;

    QWidget* parent = parentWidget();
    if (transparent_ && parent) {
        // What lies behind the panel: the parent's background and its own
        // painting (not its other children), shifted by our position.
        picture.fill(parent->palette().color(QPalette::Window));
        parent->render(&picture, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
    } else {
        picture.fill(Color());
    }

    // The frame, pixel by pixel in this order, so the bottom-left and
    // top-right corners end up in the shadow colour.
    const int l = 0, t = 0, r = width() - 1, b = height() - 1;
    auto put = [&picture](int x, int y, const QColor& c) {
        uchar* p = picture.scanLine(y) + 3 * x;
        p[0] = uchar(c.red());
        p[1] = uchar(c.green());
        p[2] = uchar(c.blue());
    };
    for (int y = b; y >= t; --y) put(l, y, frame_[0]);
    for (int x = l; x <= r - 1; ++x) put(x, t, frame_[0]);
    for (int y = t; y <= b; ++y) put(r, y, frame_[1]);
    for (int x = r; x >= l; --x) put(x, b, frame_[1]);

    if (!caption_.isEmpty()) {
        QPainter painter(&picture);
        painter.setFont(font());
        const int flags = int(alignment_) | Qt::AlignVCenter | Qt::TextSingleLine;
        const QRect client = rect();
        if (!isEnabled()) {
            painter.setPen(QColor(kButtonHighlight));
            painter.drawText(client.translated(1, 1), flags, caption_);
            painter.setPen(QColor(kButtonShadow));
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
        }
        painter.drawText(client, flags, caption_);
    }
    return picture;
}

void TFlatPanel::paintEvent(QPaintEvent*) {
    const QImage picture = PaintPicture();
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

}  // namespace corvessa
