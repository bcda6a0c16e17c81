// Every text of the windows stands out from what it is drawn on (WCAG 2.1
// AA: 4.5:1, large text 3:1), and so do the buttons' faces and the focus
// frames from what lies beside them (3:1): read from the skin as shipped
// and from the colours the windows set themselves. In high contrast the
// windows take the desktop's colours instead.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <map>

#include "fake_dialogs.h"
#include "shell/controls.h"
#include "shell/form_main.h"
#include "shell/high_contrast.h"
#include "shell/remembered.h"
#include "shell/skin.h"
#include "test_support.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "window_checks.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// WCAG's relative luminance: each channel through the sRGB curve.
double Luminance(const QColor& colour) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A brush's colours: a gradient's every stop.
std::vector<QColor> ColoursOf(const QBrush& brush) {
    if (const QGradient* gradient = brush.gradient()) {
        std::vector<QColor> stops;
        for (const QGradientStop& stop : gradient->stops()) stops.push_back(stop.second);
        return stops;
    }
    return {brush.color()};
}

double LeastContrast(const std::vector<QColor>& a, const std::vector<QColor>& b) {
    double least = 21;
    for (const QColor& x : a)
        for (const QColor& y : b) least = std::min(least, Contrast(x, y));
    return least;
}

// The skin's rules: selector as written (white space squeezed) → property → value.
using Sheet = std::map<QString, std::map<QString, QString>>;

Sheet ReadSheet(QString text) {
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    Sheet sheet;
    const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    for (const QRegularExpressionMatch& match : rule.globalMatch(text)) {
        auto& properties = sheet[match.captured(1).simplified()];
        for (const QString& declaration : match.captured(2).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype colon = declaration.indexOf(u':');
            if (colon > 0) properties[declaration.left(colon).trimmed()] = declaration.mid(colon + 1).simplified();
        }
    }
    return sheet;
}

// Every #rrggbb of a value: a colour, a border's colour, a gradient's stops.
std::vector<QColor> ColoursIn(const QString& value) {
    std::vector<QColor> colours;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}\\b")).globalMatch(value))
        colours.emplace_back(match.captured());
    return colours;
}

// What a text is drawn on: a button its own face, anything else the first
// of its parents that paints (a flat panel, a filled widget, the window).
std::vector<QColor> Background(const QWidget& widget) {
    if (qobject_cast<const QPushButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
        qobject_cast<const QLineEdit*>(&widget))
        return ColoursOf(widget.palette().brush(widget.backgroundRole()));
    for (const QWidget* up = &widget; up; up = up->parentWidget()) {
        if (auto* panel = qobject_cast<const TFlatPanel*>(up)) return {panel->Color()};
        if (up->autoFillBackground() || up->isWindow()) return ColoursOf(up->palette().brush(up->backgroundRole()));
    }
    return {};
}

QString TextOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(&widget)) return box->title();
    if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText();
    if (auto* field = qobject_cast<const QLineEdit*>(&widget)) return field->text();
    return {};
}

// Large text (18 points, or 14 bold, at 96 dpi) needs 3:1, other text 4.5:1.
double Needed(const QFont& font) {
    const int pixels = QFontInfo(font).pixelSize();
    return pixels >= 24 || (font.bold() && pixels >= 19) ? 3.0 : 4.5;
}

// Every enabled text of `window` short of its contrast, as
// "path \"text\" #fg on #bg: 2.4 < 4.5"; and every focus frame a photo
// view draws in its palette's highlight, against the panel around it.
std::vector<std::string> TextsWithoutContrast(QWidget& window) {
    std::vector<std::string> faint;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (auto* view = qobject_cast<TImageView*>(widget); view && view->isVisible() && (view->focusPolicy() & Qt::TabFocus)) {
            const QColor frame = view->palette().color(QPalette::Highlight);
            if (LeastContrast({frame}, Background(*view->parentWidget())) < 3)
                faint.push_back((PathOf(*view) + QStringLiteral(" focus frame ") + frame.name()).toStdString());
        }
        const QString text = TextOf(*widget);
        // Controls the user cannot use are exempt.
        if (text.trimmed().isEmpty() || !widget->isVisible() || !widget->isEnabled() || widget->window() != &window)
            continue;
        const QColor ink = widget->palette().color(widget->foregroundRole());
        const std::vector<QColor> ground = Background(*widget);
        const double contrast = LeastContrast({ink}, ground), needed = Needed(widget->font());
        if (contrast < needed)
            faint.push_back(QStringLiteral("%1 \"%2\" %3 on %4: %5 < %6")
                                .arg(PathOf(*widget), text, ink.name(), ground.empty() ? QString() : ground.front().name())
                                .arg(contrast, 0, 'f', 2)
                                .arg(needed)
                                .toStdString());
    }
    return faint;
}

TEST(Contrast, FollowsWcagsFormula) {
    const struct {
        QColor a, b;
        double ratio;
    } cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::white, 1.0},
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},  // the grey that just fails on white
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},  // and the one that just passes
        {QColor(255, 0, 0), Qt::white, 4.0},
        {QColor(0, 0, 255), Qt::black, 2.44},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Contrast(c.a, c.b), c.ratio, 0.01) << c.a.name().toStdString() << " " << c.b.name().toStdString();
        EXPECT_DOUBLE_EQ(Contrast(c.a, c.b), Contrast(c.b, c.a));
    }
}

// The pairs the skin sets that no window shows at rest: states, frames,
// selections, and faces against the panels beside them.
TEST(Contrast, TheSkinsPairsStandOut) {
    QFile file(QStringLiteral(CORVESSA_SHIPPED_SKIN));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Sheet sheet = ReadSheet(QString::fromUtf8(file.readAll()));
    const auto skin = [&sheet](const char* selector, const char* property) {
        const auto rule = sheet.find(QString::fromLatin1(selector));
        if (rule == sheet.end() || !rule->second.count(QString::fromLatin1(property))) return std::vector<QColor>();
        return ColoursIn(rule->second.at(QString::fromLatin1(property)));
    };
    const std::vector<QColor> face = skin("QPushButton", "background-color");
    const std::vector<QColor> dialogFace = {QApplication::palette().color(QPalette::Window)};
    const std::vector<QColor> fieldSelection = skin("QLineEdit, QComboBox, QSpinBox", "selection-background-color");
    const struct {
        const char* what;
        std::vector<QColor> ink, ground;
        double needed;
    } pairs[] = {
        {"button caption", skin("QPushButton", "color"), face, 4.5},
        {"button caption, pointer over it", skin("QPushButton", "color"), skin("QPushButton:hover", "background-color"), 4.5},
        {"button caption, pressed", skin("QPushButton", "color"), skin("QPushButton:pressed", "background-color"), 4.5},
        {"button face on the dark panels", face, {kDarkOlive}, 3},
        {"button face on the preview", face, {kPreviewFace}, 3},
        {"focus frame on the button's face", skin("QPushButton:focus", "border"), face, 3},
        {"focus frame of a box on the dark panel", skin("#FormMain QCheckBox:focus", "border-color"), {kDarkOlive}, 3},
        {"focus frame of a thumbnail on the strip", skin("#FlatPanel2 corvessa--TImageView", "selection-background-color"),
         {kOlive}, 3},
        {"tooltip", skin("QToolTip", "color"), skin("QToolTip", "background-color"), 4.5},
        {"names on the strip", skin("#FlatPanel2 QLabel", "color"), {kOlive}, 4.5},
        {"selected item", skin("QListView, QTreeView", "selection-color"), skin("QListView, QTreeView", "selection-background-color"), 4.5},
        {"selected text in a field", {QApplication::palette().color(QPalette::HighlightedText)}, fieldSelection, 4.5},
        {"field frame on a message box", skin("QLineEdit, QComboBox, QSpinBox", "border"),
         skin("QMessageBox, QFileDialog, QColorDialog", "background-color"), 3},
        {"field frame on a dialog", skin("QLineEdit, QComboBox, QSpinBox", "border"), dialogFace, 3},
    };
    for (const auto& pair : pairs) {
        if (pair.ink.empty() || pair.ground.empty()) {
            ADD_FAILURE() << pair.what << ": not in the skin";
            continue;
        }
        EXPECT_GE(LeastContrast(pair.ink, pair.ground), pair.needed) << pair.what;
    }
}

class WindowContrast : public testing::Test {
protected:
    void SetUp() override { MakeWindowFolder(dir_.Path() + "/"); }
    void TearDown() override {
        qunsetenv("GTK_THEME");
        SkinRemove();
    }
    void CheckEveryText() {
        int windows = 0;
        VisitWindows(dir_.Path() + "/", [&](const QString& name, QWidget& window) {
            ++windows;
            for (const std::string& faint : TextsWithoutContrast(window)) ADD_FAILURE() << name.toStdString() << ": " << faint;
        });
        EXPECT_GE(windows, 10);
    }
    TempDir dir_;
};

TEST_F(WindowContrast, EveryTextStandsOutFromWhatItIsDrawnOn) { CheckEveryText(); }

TEST_F(WindowContrast, HighContrastTakesTheDesktopsColoursAndShowsTheFocusStrongly) {
    qputenv("GTK_THEME", "Adwaita:HighContrast");
    CheckEveryText();

    TFormMain form(dir_.Path() + "/", std::make_unique<FakeDialogs>(), QSize(1024, 768));
    EXPECT_EQ(qApp->styleSheet(), HighContrastSheet());
    const QPalette desktop = QApplication::palette();
    for (const char* name : {"FlatPanel1", "FlatPanel2", "FlatPanel3", "FlatPanel4", "EditPanel"}) {
        auto* panel = form.findChild<TFlatPanel*>(QString::fromLatin1(name));
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_EQ(panel->Color(), desktop.color(QPalette::Window)) << name;
        EXPECT_EQ(panel->ColorShadow(), desktop.color(QPalette::WindowText)) << name;
    }
    for (const char* name : {"LabelStatus", "ChkKeepFaces", "Label1"}) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), desktop.color(QPalette::WindowText)) << name;
    }
    // The focused button wears a frame of the desktop's highlight.
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* open = form.findChild<QPushButton*>(QStringLiteral("BtnOpen"));
    open->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([open] { return open->hasFocus(); }));
    const QImage focused = open->grab().toImage();
    EXPECT_EQ(focused.pixelColor(focused.width() / 2, int(focused.devicePixelRatio())), desktop.color(QPalette::Highlight));
}

TEST(HighContrast, IsAskedForByTheThemeOrStyleName) {
    const struct {
        const char* name;
        bool high;
    } cases[] = {
        {"Adwaita:HighContrast", true}, {"HighContrast", true},  {"HighContrastInverse", true},
        {"Adwaita-highcontrast", true}, {"Adwaita:dark", false}, {"Adwaita", false},
        {"", false},                    {"Contrast", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NamesHighContrast(QString::fromLatin1(c.name)), c.high) << c.name;

}

TEST(HighContrast, IsWantedByTheEnvironmentGtksSettingsOrOurOwn) {
    TempDir config;
    const QByteArray home = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.Path().c_str());
    EXPECT_FALSE(HighContrastWanted(nullptr));
    {
        Remembered remembered(QString::fromStdString(config.File("corvessa.conf")));
        remembered.SetFlag(Setting::kHighContrast, true);
        EXPECT_TRUE(HighContrastWanted(&remembered));
    }
    qputenv("QT_STYLE_OVERRIDE", "HighContrast");
    EXPECT_TRUE(HighContrastWanted(nullptr));
    qunsetenv("QT_STYLE_OVERRIDE");
    const std::string ini = "[Settings]\ngtk-theme-name=HighContrast\n";
    std::filesystem::create_directories(config.File("gtk-3.0"));
    WriteBytes(config.File("gtk-3.0/settings.ini"), std::vector<uint8_t>(ini.begin(), ini.end()));
    EXPECT_TRUE(HighContrastWanted(nullptr));
    qputenv("XDG_CONFIG_HOME", home);
}

}  // namespace
