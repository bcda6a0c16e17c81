#pragma once
// TCropFrame: what the Edit panel draws over the photo view. A crop frame
// with handles at its corners and sides, the photo outside it darkened and
// its size in photo pixels shown; the rule of thirds inside it while it is
// dragged; and, while the straightening is dragged, a grid over the whole
// photo to line the horizon up with. It lies over its parent (the view)
// and follows its size; it counts in pixels of the photo it is told of.

#include <QWidget>
#include <optional>

#include "session/photo_edit.h"

namespace corvessa {

class TCropFrame : public QWidget {
    Q_OBJECT
public:
    explicit TCropFrame(QWidget* view);

    // The photo the frame lies on, in its pixels, shown over the whole view.
    void SetPicture(int width, int height);
    // The frame, or none; and the shape a drag keeps (0:0 for none).
    void SetFrame(std::optional<PixelRect> frame, int ratioWidth, int ratioHeight);
    std::optional<PixelRect> Frame() const { return frame_; }
    // Moves `handle` of the frame by `stepsX` and `stepsY` hundredths of the
    // photo's width and height (a pixel at least), as a drag would, and
    // says so as a finished drag: the keyboard's way to crop.
    void Nudge(FrameHandle handle, int stepsX, int stepsY);
    // Shows the grid of the straightening.
    void SetGrid(bool shown);
    bool Dragging() const { return handle_ != FrameHandle::kNone; }
    // What a press at `point` (view coordinates) would hold.
    FrameHandle HandleAt(QPointF point) const;

signals:
    // The user dragged the frame to `frame`, and let go when `done`.
    void FrameDragged(PixelRect frame, bool done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The frame in view coordinates.
    QRectF OnScreen(const PixelRect& frame) const;
    void PaintFrame(class QPainter& painter, const PixelRect& frame) const;

    int width_ = 0, height_ = 0;
    std::optional<PixelRect> frame_;
    int ratioWidth_ = 0, ratioHeight_ = 0;
    bool grid_ = false;
    FrameHandle handle_ = FrameHandle::kNone;
    PixelRect pressedFrame_;
    QPointF pressedAt_;
};

}  // namespace corvessa
