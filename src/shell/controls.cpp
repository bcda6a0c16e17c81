#include "shell/controls.h"

#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "widgets/flat_panel.h"
#include "widgets/mirror.h"
#include "widgets/skin_button.h"

namespace corvessa {

TFlatPanel* MakePanel(QWidget* parent, const char* name, QRect bounds, const QColor& colour) {
    auto* panel = new TFlatPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    PlaceAt(*panel, bounds);
    panel->SetColor(colour);
    panel->SetColorHighLight(kOrange);
    panel->SetColorShadow(kOrange);
    return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* button = new TSkinButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    PlaceAt(*button, bounds);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QRect ClampedRect(const Bounds& bounds) {
    int left = bounds.left, width = std::max(bounds.width, 0);
    if (width > QWIDGETSIZE_MAX) {
        left += (width - QWIDGETSIZE_MAX) / 2;
        width = QWIDGETSIZE_MAX;
    }
    return QRect(left, bounds.top, width, std::max(bounds.height, 0));
}

void SetBounds(QWidget* widget, const Bounds& bounds) { PlaceAt(*widget, ClampedRect(bounds)); }

QFont WindowFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace corvessa
