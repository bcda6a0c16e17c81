#pragma once
// Where the preview dialog opens: over the main window's photo area, so
// that the category column and the tool column (Undo, Open, Save, Help)
// stay in sight, and on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace corvessa {

// The top-left corner of a dialog of outer size `dialog`: centred on
// `photoArea`, but never left of it, then moved as little as needed to lie
// within `screen`. All in screen coordinates.
QPoint PreviewPlace(const QRect& photoArea, QSize dialog, const QRect& screen);

// A useful client size for a preview of a `photo`-shaped picture on a
// screen whose usable area is `available`: about two thirds of it, the
// picture's panel shaped like the photo, the controls below it
// (`controlsHeight`), never smaller than the dialog's own `smallest`.
QSize UsefulPreviewSize(QSize available, QSize photo, int controlsHeight, QSize smallest);

// The place for the dialog `preview` over the main window's photo area
// `photoArea` as they stand now.
QPoint PreviewPlaceFor(const QWidget& photoArea, const QWidget& preview);

}  // namespace corvessa
