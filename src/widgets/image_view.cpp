#include "widgets/image_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>
#include <vector>

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

void TImageView::StretchArea(const QRect& area) {
    shown_.SetSize(area.width(), area.height());
    // The same pixels TBitmap::StretchDraw gives for the whole control:
    // control column x takes picture column x * pw / w, row likewise.
    const int64_t pw = picture_.Width(), ph = picture_.Height(), w = width(), h = height();
    std::vector<uint32_t> column(size_t(area.width()));
    for (int x = 0; x < area.width(); ++x) column[size_t(x)] = uint32_t((area.left() + x) * pw / w) * 3;
    for (int y = 0; y < area.height(); ++y) {
        const uint8_t* in = picture_.Row(int((area.top() + y) * ph / h));
        uint8_t* out = shown_.Row(y);
        for (int x = 0; x < area.width(); ++x) std::memcpy(out + 3 * x, in + column[size_t(x)], 3);
    }
    shownArea_ = area;
    shownValid_ = true;
}

void TImageView::paintEvent(QPaintEvent* event) {
    if (picture_.Empty() || width() <= 0 || height() <= 0) return;
    const TBitmap* drawn = &picture_;
    QPoint at(0, 0);
    if (stretch_ && (picture_.Width() != width() || picture_.Height() != height())) {
        // Qt asks only for the part inside the panels above the view.
        const QRect visible = event->rect() & rect();
        if (visible.isEmpty()) return;
        if (!shownValid_ || !shownArea_.contains(visible)) StretchArea(visible);
        drawn = &shown_;
        at = shownArea_.topLeft();
    }
    // TBitmap rows are blue, green, red: exactly QImage's BGR888 layout.
    const QImage image(drawn->Data(), drawn->Width(), drawn->Height(), qsizetype(drawn->RowBytes()),
                       QImage::Format_BGR888);
    QPainter painter(this);
    painter.drawImage(at, image);
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
