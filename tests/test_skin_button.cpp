// The skinned button fits a caption too long for it (a smaller font down
// to 85 %, then two lines, then an ellipsis) and draws one that fits as
// any push button does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>

#include "widgets/skin_button.h"

using namespace corvessa;

namespace {

QFont Font(int pixels) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    return font;
}

int Advance(const QString& text, int pixels) { return QFontMetrics(Font(pixels)).horizontalAdvance(text); }

TEST(FitCaption, ShrinksThenWrapsThenElidesAndNeverLeavesItsRoom) {
    const int tall = 2 * QFontMetrics(Font(10)).height();
    const struct {
        const char* caption;
        QRect room;
        int twoLines;
        bool asIs;
        int pixels;
        QStringList lines;
        bool elided;
    } cases[] = {
        {"Open", QRect(0, 0, Advance("Open", 11), 19), 23, true, 11, {"Open"}, false},
        // The key's mark takes no room.
        {"&Open", QRect(0, 0, Advance("Open", 11), 19), 23, true, 11, {"&Open"}, false},
        {"Bearbeiten", QRect(0, 0, Advance("Bearbeiten", 10), 19), 23, false, 10, {"Bearbeiten"}, false},
        // 10 pixels is as small as 85 % of 11 goes: then two lines, at a
        // space or after a hyphen, which may take more height than one.
        {"Neue Sammlung", QRect(0, 0, Advance("Sammlung", 10), 19), tall, false, 10, {"Neue", "Sammlung"}, false},
        {"Schwarz-Weiß", QRect(0, 0, Advance("Schwarz-", 10), 19), tall, false, 10, {"Schwarz-", "Weiß"}, false},
        // Two lines taller than the room for them.
        {"Neue Sammlung", QRect(0, 0, Advance("Sammlung", 10), 19), tall - 1, false, 10, {}, true},
        {"Stapelverarbeitung", QRect(0, 0, 57, 19), tall, false, 10, {}, true},
    };
    for (const auto& c : cases) {
        const QString caption = QString::fromUtf8(c.caption);
        const CaptionFit fit = FitCaption(caption, Font(11), c.room, c.twoLines);
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(fit.asIs, c.asIs);
        EXPECT_EQ(fit.font.pixelSize(), c.pixels);
        EXPECT_EQ(fit.elided, c.elided);
        if (!c.elided) EXPECT_EQ(fit.lines, c.lines);
        const QFontMetrics metrics(fit.font);
        EXPECT_LE(fit.lines.size() * metrics.height(), fit.lines.size() > 1 ? c.twoLines : c.room.height());
        for (const QString& line : fit.lines)
            if (!fit.asIs) EXPECT_LE(metrics.horizontalAdvance(line), c.room.width()) << line.toStdString();
    }
    // A larger font shrinks no further than 85 % either.
    EXPECT_GE(FitCaption(QStringLiteral("Stapelverarbeitung"), Font(20), QRect(0, 0, 40, 80), 80).font.pixelSize(), 17);
}

// A caption that fits is drawn pixel for pixel as a plain push button draws it.
TEST(SkinButton, DrawsACaptionThatFitsAsAPushButtonDoes) {
    qApp->setStyleSheet(QStringLiteral("QPushButton { color: #173d2c; background-color: #c4e6d2;"
                                       " border: 1px solid #3f7d5e; padding: 2px 8px; }"));
    const struct {
        const char* caption;
        int width;
    } buttons[] = {{"Light A", 75}, {"Open", 75}, {"Export", 75}, {"Add Look\u2026", 87}, {"<", 36}};
    for (const auto& [caption, width] : buttons) {
        TSkinButton skinned(QString::fromUtf8(caption));
        QPushButton plain(QString::fromUtf8(caption));
        for (QPushButton* button : {static_cast<QPushButton*>(&skinned), &plain}) {
            button->setFont(Font(11));
            button->resize(width, 25);
        }
        ASSERT_TRUE(skinned.Fit().asIs) << caption;
        EXPECT_EQ(skinned.grab().toImage(), plain.grab().toImage()) << caption;
    }
    // One that does not fit is drawn otherwise, in the button.
    TSkinButton skinned(QStringLiteral("Stapelverarbeitung"));
    QPushButton plain(skinned.text());
    for (QPushButton* button : {static_cast<QPushButton*>(&skinned), &plain}) {
        button->setFont(Font(11));
        button->resize(75, 25);
    }
    EXPECT_FALSE(skinned.Fit().asIs);
    EXPECT_NE(skinned.grab().toImage(), plain.grab().toImage());
    qApp->setStyleSheet(QString());
}

}  // namespace
