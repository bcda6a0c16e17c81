#include "widgets/crop_frame.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace corvessa {

namespace {

// How near a corner or side a press holds it, in view pixels.
constexpr double kGrip = 10;
constexpr double kHandleSide = 8;
const QColor kShade(0, 0, 0, 150);

Qt::CursorShape CursorOf(FrameHandle handle) {
    switch (handle) {
    case FrameHandle::kInside: return Qt::SizeAllCursor;
    case FrameHandle::kLeft:
    case FrameHandle::kRight: return Qt::SizeHorCursor;
    case FrameHandle::kTop:
    case FrameHandle::kBottom: return Qt::SizeVerCursor;
    case FrameHandle::kTopLeft:
    case FrameHandle::kBottomRight: return Qt::SizeFDiagCursor;
    case FrameHandle::kTopRight:
    case FrameHandle::kBottomLeft: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

TCropFrame::TCropFrame(QWidget* view) : QWidget(view) {
    setObjectName(QStringLiteral("CropFrame"));
    setMouseTracking(true);
    // The view's wheel and double-click zoom are not the frame's.
    setAttribute(Qt::WA_NoMousePropagation);
    setGeometry(view->rect());
    view->installEventFilter(this);
}

bool TCropFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TCropFrame::SetPicture(int width, int height) {
    width_ = width;
    height_ = height;
    update();
}

void TCropFrame::SetFrame(std::optional<PixelRect> frame, int ratioWidth, int ratioHeight) {
    frame_ = frame;
    if (frame_) setAccessibleDescription(tr("%1 \u00d7 %2 pixels").arg(frame_->width).arg(frame_->height));
    ratioWidth_ = ratioWidth;
    ratioHeight_ = ratioHeight;
    if (!frame_) handle_ = FrameHandle::kNone;
    update();
}

void TCropFrame::Nudge(FrameHandle handle, int stepsX, int stepsY) {
    if (!frame_ || width_ <= 0 || height_ <= 0) return;
    const int dx = stepsX * std::max(1, width_ / 100), dy = stepsY * std::max(1, height_ / 100);
    frame_ = DragFrame(*frame_, handle, dx, dy, width_, height_, ratioWidth_, ratioHeight_);
    update();
    emit FrameDragged(*frame_, true);
}

void TCropFrame::SetGrid(bool shown) {
    grid_ = shown;
    update();
}

QRectF TCropFrame::OnScreen(const PixelRect& frame) const {
    if (width_ <= 0 || height_ <= 0) return {};
    const double sx = double(width()) / width_, sy = double(height()) / height_;
    return {frame.x * sx, frame.y * sy, frame.width * sx, frame.height * sy};
}

FrameHandle TCropFrame::HandleAt(QPointF point) const {
    if (!frame_) return FrameHandle::kNone;
    const QRectF r = OnScreen(*frame_);
    const auto near = [](double a, double b) { return std::abs(a - b) <= kGrip; };
    const bool within = r.adjusted(-kGrip, -kGrip, kGrip, kGrip).contains(point);
    if (!within) return FrameHandle::kNone;
    const bool left = near(point.x(), r.left()), right = !left && near(point.x(), r.right());
    const bool top = near(point.y(), r.top()), bottom = !top && near(point.y(), r.bottom());
    if (top) return left ? FrameHandle::kTopLeft : right ? FrameHandle::kTopRight : FrameHandle::kTop;
    if (bottom) return left ? FrameHandle::kBottomLeft : right ? FrameHandle::kBottomRight : FrameHandle::kBottom;
    if (left) return FrameHandle::kLeft;
    if (right) return FrameHandle::kRight;
    return r.contains(point) ? FrameHandle::kInside : FrameHandle::kNone;
}

void TCropFrame::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !frame_) return;
    handle_ = HandleAt(event->position());
    pressedFrame_ = *frame_;
    pressedAt_ = event->position();
    update();
}

void TCropFrame::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!Dragging()) {
        setCursor(CursorOf(HandleAt(event->position())));
        return;
    }
    const QPointF moved = event->position() - pressedAt_;
    const int dx = int(std::lround(moved.x() * width_ / std::max(1, width())));
    const int dy = int(std::lround(moved.y() * height_ / std::max(1, height())));
    frame_ = DragFrame(pressedFrame_, handle_, dx, dy, width_, height_, ratioWidth_, ratioHeight_);
    update();
    emit FrameDragged(*frame_, false);
}

void TCropFrame::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !Dragging()) return;
    handle_ = FrameHandle::kNone;
    update();
    if (frame_) emit FrameDragged(*frame_, true);
}

void TCropFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (grid_) {
        // Lines about every 40 pixels, whole numbers of them across.
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
        const int across = std::max(2, width() / 40), down = std::max(2, height() / 40);
        for (int i = 1; i < across; ++i) painter.drawLine(QPointF(width() * i / double(across), 0), QPointF(width() * i / double(across), height()));
        for (int i = 1; i < down; ++i) painter.drawLine(QPointF(0, height() * i / double(down)), QPointF(width(), height() * i / double(down)));
    }
    if (frame_) PaintFrame(painter, *frame_);
}

void TCropFrame::PaintFrame(QPainter& painter, const PixelRect& frame) const {
    const QRectF r = OnScreen(frame);
    // What the crop leaves out, darkened.
    QPainterPath outside;
    outside.addRect(QRectF(rect()));
    outside.addRect(r);
    painter.fillPath(outside, kShade);
    if (Dragging()) {
        painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
        for (int i = 1; i < 3; ++i) {
            painter.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
            painter.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3), QPointF(r.right(), r.top() + r.height() * i / 3));
        }
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    // Framed for the keyboard: a second line just outside, in the
    // desktop's highlight.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(r.adjusted(-2, -2, 2, 2));
        painter.setPen(QPen(Qt::white, 1));
    }
    painter.setBrush(Qt::white);
    for (const double x : {r.left(), r.center().x(), r.right()})
        for (const double y : {r.top(), r.center().y(), r.bottom()})
            if (x != r.center().x() || y != r.center().y())
                painter.drawRect(QRectF(x - kHandleSide / 2, y - kHandleSide / 2, kHandleSide, kHandleSide));
    // The size the crop keeps, in photo pixels.
    const QString size = tr("%1 \u00d7 %2").arg(frame.width).arg(frame.height);
    const QRect box = painter.fontMetrics().boundingRect(size).adjusted(-4, -2, 4, 2);
    const QRectF at(std::clamp(r.left() + 6, 0.0, std::max(0.0, width() - double(box.width()))),
                    std::clamp(r.top() + 6, 0.0, std::max(0.0, height() - double(box.height()))), box.width(), box.height());
    painter.fillRect(at, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(at, Qt::AlignCenter, size);
}

}  // namespace corvessa
