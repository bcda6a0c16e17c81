#pragma once
// TFlatPanel: the container that gives both windows their flat look. It
// paints its background (or what lies behind it), a one-pixel two-colour
// frame and an optional one-line caption into an off-screen 24-bit picture
// and copies that onto the screen in one go, so it never shows half drawn.

#include <QColor>
#include <QString>
#include <QWidget>

namespace corvessa {

class TFlatPanel : public QWidget {
    Q_OBJECT
public:
    // Frame colour of a panel nobody has configured.
    static constexpr QRgb kDefaultFrame = qRgb(160, 150, 131);
    // The button-highlight and button-shadow colours of a disabled caption.
    static constexpr QRgb kButtonHighlight = qRgb(255, 255, 255);
    static constexpr QRgb kButtonShadow = qRgb(128, 128, 128);

    explicit TFlatPanel(QWidget* parent = nullptr);

    // Paint the parent's background instead of Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The background colour: the parent's while ParentColor holds.
    QColor Color() const;
    void SetColor(const QColor& colour);  // also clears ParentColor
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    // Index 0 is the highlight (top and left edges), 1 the shadow (bottom
    // and right edges).
    QColor FrameColor(int index) const { return frame_[index & 1]; }
    void SetFrameColor(int index, const QColor& colour);
    QColor ColorHighLight() const { return frame_[0]; }
    QColor ColorShadow() const { return frame_[1]; }
    void SetColorHighLight(const QColor& colour) { SetFrameColor(0, colour); }
    void SetColorShadow(const QColor& colour) { SetFrameColor(1, colour); }

    // Horizontal placement of the caption: Qt::AlignLeft, AlignRight or
    // AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);

    // The whole panel as it is painted, without its children.
    QImage PaintPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool transparent_ = false;
    QString caption_;
    QColor colour_;
    bool parentColor_ = true;
    QColor frame_[2] = {QColor(kDefaultFrame), QColor(kDefaultFrame)};
    Qt::Alignment alignment_ = Qt::AlignHCenter;
};

}  // namespace corvessa
