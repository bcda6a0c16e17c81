#pragma once
// TImgBtn: a button made of three pictures, one at rest, one while the
// pointer hovers over it, one while it is pressed. It is an image control
// (no keyboard focus) that swaps its displayed picture as the pointer
// enters, leaves, presses and releases.

#include <QPoint>

#include "widgets/image_view.h"

namespace corvessa {

// The mouse message behind one of the four events: buttons and keys held,
// and the pointer position in the button's coordinates.
struct TWMMouse {
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    QPoint pos;
};

class TImgBtn : public TImageView {
    Q_OBJECT
public:
    explicit TImgBtn(QWidget* parent = nullptr);

    // At rest; setting it also shows it at once.
    const TBitmap& Pic() const { return pic_; }
    void SetPic(const TBitmap& picture);
    // While the left button is held with the pointer over the button.
    const TBitmap& PicDown() const { return picDown_; }
    void SetPicDown(const TBitmap& picture) { picDown_.CopyFrom(picture); }
    // While the pointer hovers and no button is held.
    const TBitmap& PicUp() const { return picUp_; }
    void SetPicUp(const TBitmap& picture) { picUp_.CopyFrom(picture); }

    // False switches off every picture swap and the four events; the button
    // is then a plain picture with a click.
    bool Supported() const { return supported_; }
    void SetSupported(bool supported) { supported_ = supported; }

signals:
    void OnMouseDown(const corvessa::TWMMouse& Msg);
    void OnMouseEnter(const corvessa::TWMMouse& Msg);
    void OnMouseLeave(const corvessa::TWMMouse& Msg);
    void OnMouseUp(const corvessa::TWMMouse& Msg);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Show(const TBitmap& picture);
    void PointerEntered(const TWMMouse& msg);
    void PointerLeft(const TWMMouse& msg);

    TBitmap pic_, picDown_, picUp_;
    bool supported_ = true;
    bool inside_ = false;
    bool down_ = false;
};

}  // namespace corvessa
