#pragma once
// Controls both windows make the same way: the flat panels with their
// orange frames, push buttons, and the window font.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "shell/main_layout.h"

class QPushButton;
class QWidget;

namespace corvessa {

class TFlatPanel;

inline const QColor kDarkOlive(72, 72, 0);
// A shade darker than olive proper, so the white and cream texts on it read
// at 4.5:1.
inline const QColor kOlive(112, 112, 0);
inline const QColor kOrange(255, 128, 0);
// The preview's face around its panel.
inline const QColor kPreviewFace(81, 81, 0);

// A flat panel with the orange highlight and shadow of every panel.
TFlatPanel* MakePanel(QWidget* parent, const char* name, QRect bounds, const QColor& colour);
// A skinned button (widgets/skin_button.h), which fits a caption too long
// for it. `caption` is in the user's words already.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds);
// `bounds` as a widget's geometry. A view wider than Qt allows (a photo
// tens of thousands of times wider than high) keeps its centre.
QRect ClampedRect(const Bounds& bounds);
// Places `widget` at ClampedRect(bounds), mirrored right to left
// (widgets/mirror.h) as MakePanel and MakeButton place theirs.
void SetBounds(QWidget* widget, const Bounds& bounds);
// "MS Sans Serif" where installed, else the platform's sans serif, at
// `pixelSize` pixels.
QFont WindowFont(int pixelSize);

}  // namespace corvessa
