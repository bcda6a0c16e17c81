#include "widgets/img_btn.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>

namespace corvessa {

namespace {

TWMMouse MessageOf(const QMouseEvent* event) {
    return TWMMouse{event->buttons(), event->modifiers(), event->position().toPoint()};
}

}  // namespace

TImgBtn::TImgBtn(QWidget* parent) : TImageView(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TImgBtn::SetPic(const TBitmap& picture) {
    pic_.CopyFrom(picture);
    Show(pic_);
}

void TImgBtn::Show(const TBitmap& picture) {
    Picture().CopyFrom(picture);
    Changed();
}

void TImgBtn::PointerEntered(const TWMMouse& msg) {
    if (inside_) return;
    inside_ = true;
    Show(down_ ? picDown_ : picUp_);
    emit OnMouseEnter(msg);
}

void TImgBtn::PointerLeft(const TWMMouse& msg) {
    if (!inside_) return;
    inside_ = false;
    Show(pic_);
    emit OnMouseLeave(msg);
}

void TImgBtn::enterEvent(QEnterEvent* event) {
    TImageView::enterEvent(event);
    if (!supported_) return;
    PointerEntered(TWMMouse{QGuiApplication::mouseButtons(), event->modifiers(), event->position().toPoint()});
}

void TImgBtn::leaveEvent(QEvent* event) {
    TImageView::leaveEvent(event);
    if (!supported_) return;
    PointerLeft(TWMMouse{QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers(), mapFromGlobal(QCursor::pos())});
}

void TImgBtn::mousePressEvent(QMouseEvent* event) {
    TImageView::mousePressEvent(event);
    if (!supported_ || event->button() != Qt::LeftButton) return;
    down_ = true;
    if (inside_) Show(picDown_);
    emit OnMouseDown(MessageOf(event));
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event) {
    TImageView::mouseReleaseEvent(event);  // the click comes first
    if (!supported_ || event->button() != Qt::LeftButton) return;
    down_ = false;
    if (inside_) Show(picUp_);
    emit OnMouseUp(MessageOf(event));
}

void TImgBtn::mouseMoveEvent(QMouseEvent* event) {
    TImageView::mouseMoveEvent(event);
    // While the button is held the press keeps the pointer; depending on
    // the platform, leaving and re-entering then arrive only as moves.
    if (!supported_ || !down_) return;
    if (rect().contains(event->position().toPoint()))
        PointerEntered(MessageOf(event));
    else
        PointerLeft(MessageOf(event));
}

}  // namespace corvessa
