#include "widgets/image_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace corvessa {

TImageView::TImageView(QWidget* parent) : QWidget(parent) {}

void TImageView::Changed() {
    shownValid_ = false;
    if (autoSize_ && !picture_.Empty()) resize(picture_.Width(), picture_.Height());
    update();
}

void TImageView::SetStretch(bool stretch) {
    if (stretch_ == stretch) return;
    stretch_ = stretch;
    Changed();
}

void TImageView::SetAutoSize(bool autoSize) {
    if (autoSize_ == autoSize) return;
    autoSize_ = autoSize;
    Changed();
}

void TImageView::resizeEvent(QResizeEvent* event) {
    shownValid_ = false;
    QWidget::resizeEvent(event);
}

void TImageView::paintEvent(QPaintEvent*) {
    if (picture_.Empty() || width() <= 0 || height() <= 0) return;
    const TBitmap* drawn = &picture_;
    if (stretch_ && (picture_.Width() != width() || picture_.Height() != height())) {
        if (!shownValid_) {
            shown_.SetSize(width(), height());
            shown_.StretchDraw(picture_);
            shownValid_ = true;
        }
        drawn = &shown_;
    }
    // TBitmap rows are blue, green, red: exactly QImage's BGR888 layout.
    const QImage image(drawn->Data(), drawn->Width(), drawn->Height(), qsizetype(drawn->RowBytes()),
                       QImage::Format_BGR888);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void TImageView::mousePressEvent(QMouseEvent* event) {
    // Accepted, so the press does not travel on to the panel below and the
    // release comes back here (the pointer capture of a press).
    event->accept();
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TImageView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace corvessa
