#pragma once
// TImageView: the image control of both windows. It owns one 24-bit picture
// and draws it stretched into its bounds (or unscaled at its top-left), by
// nearest neighbour, as every scaled draw of the program is. Where it has no
// picture it draws nothing, so the panel behind it shows through.

#include <QRect>
#include <QWidget>

#include "ground/bitmap.h"

namespace corvessa {

class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(QWidget* parent = nullptr);

    // The picture may be written freely; call Changed() afterwards so the
    // view is redrawn (and resized, with AutoSize).
    TBitmap& Picture() { return picture_; }
    const TBitmap& Picture() const { return picture_; }
    void Changed();

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    // Sizes the control to its picture whenever the picture changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

signals:
    // A left press and release both over the control.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Scales the part `area` (in the control's coordinates) of the picture
    // stretched over the whole control into shown_.
    void StretchArea(const QRect& area);

    TBitmap picture_;
    // The visible part of the picture as drawn, scaled once per change so a
    // 50-megapixel photo is not rescaled on every repaint. Only the visible
    // part: a very wide photo makes a view far wider than its panel.
    TBitmap shown_;
    QRect shownArea_;
    bool shownValid_ = false;
    bool stretch_ = true;
    bool autoSize_ = false;
    bool pressed_ = false;
};

}  // namespace corvessa
