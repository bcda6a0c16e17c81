#include "widgets/image_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "io/colour_profile.h"

namespace corvessa {

namespace {

constexpr double kMaxZoom = 32;
constexpr double kWheelStep = 1.25;  // per notch

}  // namespace

TImageView::TImageView(QWidget* parent) : QWidget(parent) {}

TBitmap& TImageView::Picture() {
    if (shared_) {
        picture_.CopyFrom(*shared_);
        shared_.reset();
    }
    return picture_;
}

void TImageView::ShowShared(std::shared_ptr<const TBitmap> picture) {
    shared_ = std::move(picture);
    picture_ = TBitmap();
    Changed();
}

void TImageView::Changed() {
    shownValid_ = false;
    scaler_.Reset();
    const TBitmap& picture = Shown();
    if (autoSize_ && !picture.Empty()) resize(picture.Width(), picture.Height());
    if (zoom_ > 0) KeepPictureInView();
    update();
    emit pictureChanged();
}

void TImageView::SetColourTransform(std::shared_ptr<const ColourTransform> transform) {
    if (transform == transform_) return;
    transform_ = std::move(transform);
    shownValid_ = false;
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

// --- Zoom and pan ------------------------------------------------------------

void TImageView::SetFitGeometry(const QRect& fit, const QRect& viewport) {
    fitGeometry_ = fit;
    viewport_ = viewport;
    if (zoom_ == 0) {
        setGeometry(fit);
        return;
    }
    setGeometry(viewport);
    KeepPictureInView();
    update();
}

double TImageView::FitZoom() const {
    const TBitmap& picture = Shown();
    if (picture.Empty() || fitGeometry_.height() <= 0) return 1;
    return fitGeometry_.height() * devicePixelRatioF() / picture.Height();
}

QRectF TImageView::ZoomedRect() const {
    const TBitmap& picture = Shown();
    const double scale = zoom_ / devicePixelRatioF();
    return QRectF(origin_, QSizeF(picture.Width() * scale, picture.Height() * scale));
}

void TImageView::KeepPictureInView() {
    const QRectF r = ZoomedRect();
    const auto place = [](double at, double size, double room) {
        if (size <= room) return (room - size) / 2;
        return std::clamp(at, room - size, 0.0);
    };
    origin_ = QPointF(place(r.left(), r.width(), width()), place(r.top(), r.height(), height()));
}

void TImageView::SetZoom(double zoom, QPointF anchorInParent) {
    const TBitmap& picture = Shown();
    if (!zoomable_ || picture.Empty() || viewport_.isEmpty()) return;
    // The picture point under the anchor, in picture pixels.
    QPointF point;
    if (zoom_ == 0) {
        point = (anchorInParent - QPointF(fitGeometry_.topLeft())) * (picture.Height() / double(fitGeometry_.height()));
    } else {
        point = (anchorInParent - QPointF(viewport_.topLeft()) - origin_) * (devicePixelRatioF() / zoom_);
    }
    if (zoom <= FitZoom() * 1.0001 && zoom != 1) {
        ZoomToFit();
        return;
    }
    zoom_ = std::min(zoom, kMaxZoom);
    setGeometry(viewport_);
    origin_ = anchorInParent - QPointF(viewport_.topLeft()) - point * (zoom_ / devicePixelRatioF());
    KeepPictureInView();
    shownValid_ = false;
    update();
    emit zoomChanged();
}

void TImageView::ZoomToFit() {
    if (zoom_ == 0) return;
    zoom_ = 0;
    setGeometry(fitGeometry_);
    shownValid_ = false;
    update();
    emit zoomChanged();
}

void TImageView::ZoomToActualSize() { ZoomToActualSize(QPointF(width() / 2.0, height() / 2.0)); }

void TImageView::ZoomToActualSize(QPointF anchor) { SetZoom(1, mapToParent(anchor)); }

void TImageView::ZoomBy(double factor, QPointF anchor) {
    SetZoom((zoom_ == 0 ? FitZoom() : zoom_) * factor, mapToParent(anchor));
}

QString TImageView::ZoomText() const {
    if (zoom_ == 0) return tr("Fit");
    return tr("%1 %").arg(int(std::lround(zoom_ * 100)));
}

// --- Painting ------------------------------------------------------------------

void TImageView::paintEvent(QPaintEvent* event) {
    const TBitmap& picture = Shown();
    if (picture.Empty() || width() <= 0 || height() <= 0) return;
    const double dpr = devicePixelRatioF();
    // Where the picture lies (view coordinates) and its size in device pixels.
    QRectF placed = rect();
    if (zoom_ > 0)
        placed = ZoomedRect();
    else if (!stretch_)
        placed = QRectF(0, 0, picture.Width(), picture.Height());
    const QSize target(int(std::lround(placed.width() * dpr)), int(std::lround(placed.height() * dpr)));
    // Qt asks only for the part inside the panels above the view.
    const QRectF visible = QRectF(event->rect()) & placed;
    if (visible.isEmpty() || target.isEmpty()) return;

    const QRectF device((visible.topLeft() - placed.topLeft()) * dpr, visible.size() * dpr);
    QRect area = device.toAlignedRect() & QRect(QPoint(0, 0), target);
    const TBitmap* drawn = &Drawn(picture, target, area);
    // TBitmap rows are blue, green, red: exactly QImage's BGR888 layout.
    QImage image(drawn->Data(), drawn->Width(), drawn->Height(), qsizetype(drawn->RowBytes()), QImage::Format_BGR888);
    image.setDevicePixelRatio(dpr);
    QPainter painter(this);
    painter.drawImage(placed.topLeft() + QPointF(area.topLeft()) / dpr, image);
    if (zoom_ > 0) {
        // The zoom level, in the top-left corner.
        const QString text = ZoomText();
        const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
        const QRect at(4, 4, box.width(), box.height());
        painter.fillRect(at, QColor(0, 0, 0, 160));
        painter.setPen(Qt::white);
        painter.drawText(at, Qt::AlignCenter, text);
    }
    if (hasFocus()) {
        // The keyboard's place among views that take the focus.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

const TBitmap& TImageView::Drawn(const TBitmap& picture, QSize target, QRect& area) {
    const bool scaled = target != QSize(picture.Width(), picture.Height());
    if (!scaled && !transform_) {
        area = QRect(0, 0, picture.Width(), picture.Height());
        return picture;
    }
    if (!shownValid_ || shownTarget_ != target || !shownArea_.contains(area)) {
        const DisplayArea part{area.left(), area.top(), area.width(), area.height()};
        if (scaled) {
            scaler_.Scale(picture, target.width(), target.height(), part, shown_);
        } else {
            shown_.SetSize(part.width, part.height);
            for (int y = 0; y < part.height; ++y)
                std::copy_n(picture.Pixel(part.left, part.top + y), shown_.RowBytes(), shown_.Row(y));
        }
        // Only what is painted is converted, once per scaling.
        if (transform_) transform_->Convert(shown_);
        shownArea_ = area;
        shownTarget_ = target;
        shownValid_ = true;
    }
    area = shownArea_;
    return shown_;
}

void TImageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TImageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// --- The mouse -----------------------------------------------------------------

void TImageView::mousePressEvent(QMouseEvent* event) {
    // Accepted, so the press does not travel on to the panel below and the
    // release comes back here (the pointer capture of a press).
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    dragged_ = false;
    dragFrom_ = event->position();
}

void TImageView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_ || zoom_ == 0) return;
    const QPointF step = event->position() - dragFrom_;
    if (!dragged_ && step.manhattanLength() < 3) return;
    dragged_ = true;
    dragFrom_ = event->position();
    origin_ += step;
    KeepPictureInView();
    update();
}

void TImageView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (!dragged_ && rect().contains(event->position().toPoint())) emit clicked();
}

void TImageView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!zoomable_) return QWidget::mouseDoubleClickEvent(event);
    event->accept();
    if (zoom_ == 1)
        ZoomToFit();
    else
        ZoomToActualSize(event->position());
}

void TImageView::wheelEvent(QWheelEvent* event) {
    if (!zoomable_ || Shown().Empty()) return QWidget::wheelEvent(event);
    event->accept();
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) ZoomBy(std::pow(kWheelStep, notches), event->position());
}

}  // namespace corvessa
