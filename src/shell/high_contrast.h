#pragma once
// High contrast: when the desktop asks for it (or the settings file says
// so), the windows leave the skin and their own olive, white and red for
// the desktop palette's colours, and the control the keyboard is on gets a
// thick frame in the palette's highlight. Qt has no word for the desktop's
// wish, so it is read where GTK keeps it.

#include <QString>

class QWidget;

namespace corvessa {

class Remembered;

// Whether a GTK theme name (GTK_THEME, as "Adwaita:HighContrast", or the
// theme of GTK's settings.ini) or a Qt style (QT_STYLE_OVERRIDE) asks for
// high contrast.
bool NamesHighContrast(const QString& themeOrStyle);
// Whether the windows are drawn in high contrast: the environment, GTK's
// settings.ini under the user's config folder, or `remembered`'s setting.
bool HighContrastWanted(const Remembered* remembered);

// The application's style sheet in high contrast.
QString HighContrastSheet();
// The skin at `skinPath` for the application, or with `highContrast` the
// high-contrast sheet.
void StartLook(const std::string& skinPath, bool highContrast);
// Every control under `window` (its own windows too) given back the
// desktop palette's colours: the panels' faces and frames, the texts.
void UseDesktopColours(QWidget& window);

}  // namespace corvessa
