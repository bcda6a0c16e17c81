#include "shell/high_contrast.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <string>

#include "shell/remembered.h"
#include "shell/skin.h"
#include "widgets/flat_panel.h"

namespace corvessa {

bool NamesHighContrast(const QString& themeOrStyle) {
    return themeOrStyle.contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
}

bool HighContrastWanted(const Remembered* remembered) {
    if (remembered && remembered->Flag(Setting::kHighContrast)) return true;
    if (NamesHighContrast(qEnvironmentVariable("GTK_THEME")) || NamesHighContrast(qEnvironmentVariable("QT_STYLE_OVERRIDE")))
        return true;
    // Where GTK 3 applications read the theme when no settings daemon
    // hands it over.
    const QString gtk = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/gtk-3.0/settings.ini");
    const QSettings settings(gtk, QSettings::IniFormat);
    return NamesHighContrast(settings.value(QStringLiteral("Settings/gtk-theme-name")).toString());
}

QString HighContrastSheet() {
    // Every colour is the palette's; only the frames are ours. The padding
    // gives back what a thicker frame takes, so no caption moves; a box
    // with the focus is wholly in the highlight, which takes no room.
    return QStringLiteral(R"(
QPushButton {
    color: palette(button-text);
    background-color: palette(button);
    border: 1px solid palette(window-text);
    padding: 2px 8px;
}
QPushButton:focus {
    border: 3px solid palette(highlight);
    padding: 0px 6px;
}
QPushButton:pressed {
    color: palette(highlighted-text);
    background-color: palette(highlight);
}
QPushButton:disabled {
    border-style: dashed;
}
QCheckBox, QRadioButton {
    border: 1px solid transparent;
}
QCheckBox:focus, QRadioButton:focus {
    color: palette(highlighted-text);
    background-color: palette(highlight);
    border-color: palette(highlight);
}
)");
}

void StartLook(const std::string& skinPath, bool highContrast) {
    if (!highContrast) return SkinStart(skinPath);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) app->setStyleSheet(HighContrastSheet());
}

void UseDesktopColours(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        // An empty palette takes every colour from the parent, and so from
        // the desktop.
        if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
        if (auto* panel = qobject_cast<TFlatPanel*>(widget)) {
            panel->SetColor(QColor());
            panel->SetFrameColor(0, panel->palette().color(QPalette::WindowText));
            panel->SetFrameColor(1, panel->palette().color(QPalette::WindowText));
        }
    }
}

}  // namespace corvessa
