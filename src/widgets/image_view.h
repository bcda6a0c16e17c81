#pragma once
// TImageView: the image control of both windows. It shows one 24-bit
// picture, its own or a shared one, stretched into its bounds (or unscaled
// at its top-left). Where it has no picture it draws nothing, so the panel
// behind it shows through.
//
// On screen the picture is drawn at the screen's device pixels: shrunk by
// area averaging (sharp on high-density screens, no speckle from dropped
// pixels) and grown by nearest neighbour. A zoomable view also zooms and
// pans: fit (the bounds the window gives it), 100 % (one picture pixel a
// device pixel) and any step between, filling the area the window allows.
// With a colour transform (the photo's profile to the display's) what is
// painted is converted, never the picture itself.

#include <QPointF>
#include <QRect>
#include <QWidget>
#include <memory>

#include "ground/bitmap.h"
#include "widgets/display_scale.h"

namespace corvessa {

class ColourTransform;

class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(QWidget* parent = nullptr);

    // The view's own picture, to be written freely; call Changed()
    // afterwards so the view is redrawn (and resized, with AutoSize). A
    // shared picture shown until then is copied into it first.
    TBitmap& Picture();
    // What the view shows.
    const TBitmap& Picture() const { return Shown(); }
    // Shows `picture` without a copy of its own; it must not change while
    // shown.
    void ShowShared(std::shared_ptr<const TBitmap> picture);
    // The shared picture shown, if the view shows one.
    std::shared_ptr<const TBitmap> SharedPicture() const { return shared_; }
    void Changed();

    // The conversion of the picture's values to the display's for painting;
    // null paints them as they are.
    void SetColourTransform(std::shared_ptr<const ColourTransform> transform);
    const std::shared_ptr<const ColourTransform>& ColourTransformShown() const { return transform_; }

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    // Sizes the control to its picture whenever the picture changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // --- Zoom and pan --------------------------------------------------
    void SetZoomable(bool zoomable) { zoomable_ = zoomable; }
    // Where the view lies when it fits its picture, and the area it fills
    // when zoomed, both in the parent's coordinates. A zoomed view stays
    // zoomed, in the new area.
    void SetFitGeometry(const QRect& fit, const QRect& viewport);
    // Device pixels per picture pixel; 0 while the picture fits.
    double Zoom() const { return zoom_; }
    void ZoomToFit();
    // 100 %, keeping the picture point under `anchor` (view coordinates)
    // where it is; the view's centre without one.
    void ZoomToActualSize();
    void ZoomToActualSize(QPointF anchor);
    // Multiplies the zoom by `factor` around `anchor`; back to fit when it
    // would be smaller than the fit.
    void ZoomBy(double factor, QPointF anchor);
    // "Fit" or the zoom in percent, "100 %".
    QString ZoomText() const;

signals:
    // A left press and release both over the control, without a drag. The
    // keys that press a focused view are its window's (the main window's
    // action table).
    void clicked();
    void zoomChanged();
    // Changed() was called: the view shows another picture, or the same redrawn.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const TBitmap& Shown() const { return shared_ ? *shared_ : picture_; }
    // The picture's device pixels per picture pixel when it fits.
    double FitZoom() const;
    // The picture's place in view coordinates when zoomed.
    QRectF ZoomedRect() const;
    void SetZoom(double zoom, QPointF anchorInParent);
    // The part `area` (device pixels) of the picture drawn at `target`,
    // scaled and converted into shown_ when it is not there yet; what to
    // draw.
    const TBitmap& Drawn(const TBitmap& picture, QSize target, QRect& area);
    void KeepPictureInView();

    std::shared_ptr<const TBitmap> shared_;
    TBitmap picture_;
    std::shared_ptr<const ColourTransform> transform_;
    // The visible part of the picture as drawn, scaled once per change so a
    // 50-megapixel photo is not rescaled on every repaint. Only the visible
    // part: a very wide photo makes a view far wider than its panel.
    DisplayScaler scaler_;
    TBitmap shown_;
    QRect shownArea_;  // in device pixels of the drawn picture
    QSize shownTarget_;
    bool shownValid_ = false;
    bool stretch_ = true;
    bool autoSize_ = false;
    bool pressed_ = false;

    bool zoomable_ = false;
    QRect fitGeometry_, viewport_;
    double zoom_ = 0;
    QPointF origin_;  // the picture's top-left in view coordinates, zoomed
    QPointF dragFrom_;
    bool dragged_ = false;
};

}  // namespace corvessa
