#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "test_support.h"
#include "widgets/image_view.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

Rgb At(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return Rgb{uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c))};
}

TEST(ImageView, StretchesItsPictureByNearestNeighbour) {
    TImageView view;
    view.resize(7, 5);
    view.Picture().CopyFrom(RandomBitmap(3, 2, 1));
    view.Changed();
    const QImage shown = view.grab().toImage();
    TBitmap expected(7, 5);
    expected.StretchDraw(view.Picture());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(At(shown, x, y), PixelAt(expected, x, y)) << x << "," << y;
}

TEST(ImageView, AViewFarWiderThanItsPanelDrawsOnlyWhatShows) {
    QWidget panel;
    panel.resize(100, 20);
    TImageView view(&panel);
    // A 65535 x 1 photo fitted to a 20-pixel height: 1.3 million pixels wide.
    const int width = 65535 * 20;
    view.setGeometry(-(width - 100) / 2, 0, width, 20);
    TBitmap picture(65535, 1);
    for (int x = 0; x < 65535; ++x) {
        uint8_t* p = picture.Pixel(x, 0);
        p[0] = uint8_t(x), p[1] = uint8_t(x >> 8), p[2] = 7;
    }
    view.Picture().TakePixels(std::move(picture));
    view.Changed();
    const QImage shown = panel.grab().toImage();
    for (int x = 0; x < 100; ++x) {
        const int64_t column = int64_t(x - view.x()) * 65535 / width;
        ASSERT_EQ(At(shown, x, 10), PixelAt(view.Picture(), int(column), 0)) << x;
    }
}

TEST(ImageView, ClicksOnlyWhenReleasedOverIt) {
    TImageView view;
    view.resize(10, 10);
    QSignalSpy clicks(&view, &TImageView::clicked);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks.size(), 1);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    EXPECT_EQ(clicks.size(), 1);
    QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks.size(), 1);
}

}  // namespace
