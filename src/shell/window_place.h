#pragma once
// Where a window comes back: the place and size kept from the last run
// (QWidget::saveGeometry), kept within the screen as a new window is. A
// damaged or hand-edited settings file must not give a window larger than
// any screen (its backing store alone would take gigabytes) or one out of
// reach.

#include <QByteArray>
#include <QRect>

class QWidget;

namespace corvessa {

// `geometry` as QWidget::saveGeometry writes it, with the place and size a
// maximised window returns to fitted into the usable area `area` as
// FitIntoArea fits a window: left as it is where it fits, else moved onto
// the area and shrunk to it. A geometry of a form this does not know comes
// back as it was.
QByteArray FitSavedGeometry(const QByteArray& geometry, const QRect& area);

// Restores `geometry` on `window`, fitted into `area`, or where that is
// empty into the usable area of the screen the window was kept on (the
// primary screen's when that screen is gone). False, and the window as it
// was, when there is nothing to restore or it cannot be read.
bool RestoreWindowPlace(QWidget& window, const QByteArray& geometry, QRect area = QRect());

}  // namespace corvessa
