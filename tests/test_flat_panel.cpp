#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "widgets/flat_panel.h"

using namespace corvessa;

namespace {

QImage Painted(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Every colour the picture uses.
std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xFF000000u);
    return colours;
}

// A parent that paints a left half and a right half in two colours.
class TwoToneParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), QColor(10, 200, 30));
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), QColor(200, 10, 30));
    }
};

TEST(FlatPanel, StartsAsTheDesignDefaults) {
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    parent.setPalette(palette);
    TFlatPanel panel(&parent);
    EXPECT_EQ(panel.size(), QSize(185, 41));
    EXPECT_EQ(panel.pos(), QPoint(0, 0));
    EXPECT_TRUE(panel.ParentColor());
    EXPECT_EQ(panel.Color(), QColor(1, 2, 3));
    EXPECT_EQ(panel.ColorHighLight(), QColor(160, 150, 131));
    EXPECT_EQ(panel.ColorShadow(), QColor(160, 150, 131));
    EXPECT_FALSE(panel.Transparent());
    EXPECT_EQ(panel.Alignment(), Qt::AlignHCenter);

    panel.SetColor(QColor(72, 72, 0));
    EXPECT_FALSE(panel.ParentColor());
    EXPECT_EQ(panel.Color(), QColor(72, 72, 0));
}

TEST(FlatPanel, FrameCornersFollowThePaintingOrder) {
    TFlatPanel panel;
    panel.resize(20, 10);
    panel.SetColor(QColor(128, 128, 0));
    panel.SetFrameColor(0, QColor(255, 0, 0));  // highlight
    panel.SetFrameColor(1, QColor(0, 0, 255));  // shadow
    const QImage image = Painted(panel);
    const QRgb hl = qRgb(255, 0, 0), sh = qRgb(0, 0, 255), bg = qRgb(128, 128, 0);
    EXPECT_EQ(image.pixel(0, 0), hl);
    EXPECT_EQ(image.pixel(19, 0), sh);
    EXPECT_EQ(image.pixel(0, 9), sh);
    EXPECT_EQ(image.pixel(19, 9), sh);
    for (int x = 1; x < 19; ++x) {
        EXPECT_EQ(image.pixel(x, 0), hl) << x;
        EXPECT_EQ(image.pixel(x, 9), sh) << x;
    }
    for (int y = 1; y < 9; ++y) {
        EXPECT_EQ(image.pixel(0, y), hl) << y;
        EXPECT_EQ(image.pixel(19, y), sh) << y;
        for (int x = 1; x < 19; ++x) ASSERT_EQ(image.pixel(x, y), bg) << x << "," << y;
    }
}

TEST(FlatPanel, EqualFrameColoursGiveAPlainRectangle) {
    TFlatPanel panel;
    panel.resize(7, 5);
    panel.SetColor(QColor(72, 72, 0));
    panel.SetColorHighLight(QColor(255, 128, 0));
    panel.SetColorShadow(QColor(255, 128, 0));
    const QImage image = Painted(panel);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool edge = x == 0 || y == 0 || x == 6 || y == 4;
            EXPECT_EQ(image.pixel(x, y), edge ? qRgb(255, 128, 0) : qRgb(72, 72, 0)) << x << "," << y;
        }
}

TEST(FlatPanel, ADisabledCaptionIsEmbossedInButtonColours) {
    TFlatPanel panel;
    panel.resize(120, 40);
    panel.SetColor(QColor(0, 0, 200));
    QFont font = panel.font();
    font.setPixelSize(24);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    panel.setFont(font);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    panel.setPalette(palette);
    panel.SetCaption(QStringLiteral("Wide"));

    const std::set<QRgb> enabled = Colours(Painted(panel));
    EXPECT_TRUE(enabled.count(qRgb(0, 0, 0)));
    EXPECT_FALSE(enabled.count(TFlatPanel::kButtonHighlight));
    EXPECT_FALSE(enabled.count(TFlatPanel::kButtonShadow));

    panel.setEnabled(false);
    const std::set<QRgb> disabled = Colours(Painted(panel));
    EXPECT_TRUE(disabled.count(TFlatPanel::kButtonHighlight | 0xFF000000u));
    EXPECT_TRUE(disabled.count(TFlatPanel::kButtonShadow | 0xFF000000u));
    EXPECT_FALSE(disabled.count(qRgb(0, 0, 0)));
}

TEST(FlatPanel, CaptionIsOneLineAndCentredVertically) {
    TFlatPanel panel;
    panel.resize(30, 40);
    panel.SetColor(QColor(255, 255, 255));
    QFont font = panel.font();
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    panel.setFont(font);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    panel.setPalette(palette);
    panel.SetCaption(QStringLiteral("a caption far wider than the panel"));
    const QImage image = Painted(panel);
    int top = 40, bottom = -1;
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 29; ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, top);
    EXPECT_LT(bottom - top, 16);                 // one line, clipped, not wrapped
    EXPECT_NEAR((top + bottom) / 2.0, 19.5, 4);  // about the middle
}

TEST(FlatPanel, AnEmptyCaptionDrawsNothing) {
    TFlatPanel panel;
    panel.resize(50, 20);
    panel.SetColor(QColor(9, 9, 9));
    panel.SetColorHighLight(QColor(9, 9, 9));
    panel.SetColorShadow(QColor(9, 9, 9));
    EXPECT_EQ(Colours(Painted(panel)), std::set<QRgb>{qRgb(9, 9, 9)});
}

TEST(FlatPanel, ATransparentPanelShowsWhatLiesBehindIt) {
    TwoToneParent parent;
    parent.resize(100, 40);
    TFlatPanel panel(&parent);
    panel.setGeometry(40, 10, 20, 20);  // straddles the parent's two halves
    panel.SetColor(QColor(0, 0, 0));
    panel.SetTransparent(true);
    const QImage image = panel.PaintPicture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(5, 5), qRgb(10, 200, 30));
    EXPECT_EQ(image.pixel(15, 5), qRgb(200, 10, 30));
    EXPECT_EQ(image.pixel(0, 0), TFlatPanel::kDefaultFrame | 0xFF000000u);

    panel.SetTransparent(false);
    EXPECT_EQ(panel.PaintPicture().convertToFormat(QImage::Format_RGB32).pixel(5, 5), qRgb(0, 0, 0));
}

}  // namespace
