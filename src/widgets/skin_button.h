#pragma once
// TSkinButton: the push button of the windows' fixed columns, drawn by the
// skin. Its size is fixed by the layout of the window, not by its caption,
// so a caption longer than the room inside the button (a translation,
// usually) is fitted: drawn a little smaller, down to 85 % of the font,
// then on two lines at that size, and only then cut short with an
// ellipsis. A caption that fits is drawn exactly as a plain push button
// draws it. Screen readers hear the whole caption either way.

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QStringList>

class QStyleOptionButton;

namespace corvessa {

struct CaptionFit {
    QFont font;          // what it is drawn with
    QStringList lines;   // one, or two
    bool asIs = true;    // the caption fits in the button's font: drawn as any push button draws it
    bool elided = false; // cut short: even two lines of the smallest font do not hold it
};

// How `caption` (with its '&' marks) fits `room` in `font`; two lines,
// centred on the room, may be `twoLinesHeight` tall.
CaptionFit FitCaption(const QString& caption, const QFont& font, const QRect& room, int twoLinesHeight);

class TSkinButton : public QPushButton {
    Q_OBJECT
public:
    explicit TSkinButton(const QString& caption, QWidget* parent = nullptr) : QPushButton(caption, parent) {}

    // The room inside the button's frame and padding, as the style gives it
    // at rest, and how the caption fits it: two lines may take the padding
    // above and below, up to the frame.
    QRect CaptionRoom() const;
    CaptionFit Fit() const { return FitCaption(text(), font(), CaptionRoom(), height() - 2 * kFrame); }

    // The button's frame at rest, which a caption leaves free.
    static constexpr int kFrame = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvessa
