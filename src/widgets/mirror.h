#pragma once
// Places written left to right, as every hand-placed control of the windows
// is. Under a right-to-left layout (`-reverse`, or a language written that
// way) a place is measured from the parent's right edge instead, and keeps
// to that edge as the parent's width changes. Layouts mirror themselves;
// this is for the controls placed by hand. Left to right, a place is the
// geometry as written, to the pixel.

#include <QRect>

class QWidget;

namespace corvessa {

// `logical` in a parent `parentWidth` wide, as it shows under `direction`.
QRect Mirrored(const QRect& logical, int parentWidth, Qt::LayoutDirection direction);
// `logical` as it shows in `widget`'s parent, under the widget's direction.
QRect VisualRect(const QWidget& widget, const QRect& logical);
// Places `widget` at `logical` and keeps it there: it is placed again
// whenever its parent's width or direction changes.
void PlaceAt(QWidget& widget, const QRect& logical);
// The same at `topLeft`, at the widget's size.
void PlaceAt(QWidget& widget, QPoint topLeft);

}  // namespace corvessa
