#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "test_support.h"
#include "io/colour_profile.h"
#include "widgets/display_scale.h"
#include "widgets/image_view.h"

#include <algorithm>

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

// A picture of one-pixel black and white squares.
TBitmap Checkerboard(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) std::fill_n(b.Pixel(x, y), 3, uint8_t((x + y) % 2 ? 255 : 0));
    return b;
}

TEST(ImageView, AShrunkPictureIsAveragedOverTheAreaEachScreenPixelCovers) {
    DisplayScaler scaler;
    TBitmap out;
    for (int side : {800, 803}) {  // 1/8, and a ratio that is not a whole number
        const TBitmap board = Checkerboard(side, side);
        scaler.Scale(board, 100, 100, {0, 0, 100, 100}, out);
        for (size_t i = 0; i < out.ByteCount(); ++i) ASSERT_NEAR(out.Data()[i], 127.5, 1.5) << side << " " << i;
    }
    // Part of the target only: the same pixels as the whole.
    const TBitmap photo = RandomBitmap(397, 211, 4);
    TBitmap whole, part;
    scaler.Scale(photo, 57, 33, {0, 0, 57, 33}, whole);
    scaler.Scale(photo, 57, 33, {10, 5, 20, 9}, part);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(PixelAt(part, x, y), PixelAt(whole, x + 10, y + 5));
    // On the screen too, through the view.
    TImageView view;
    view.resize(50, 50);
    view.Picture().CopyFrom(Checkerboard(400, 400));
    view.Changed();
    const QImage shown = view.grab().toImage();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) ASSERT_NEAR(qRed(shown.pixel(x, y)), 127.5, 1.5) << x << "," << y;
}

TEST(ImageView, At100PercentItShowsThePicturesExactPixelsAndDragsIt) {
    QWidget panel;
    panel.resize(120, 100);
    TImageView view(&panel);
    view.SetZoomable(true);
    const TBitmap picture = RandomBitmap(60, 40, 9);
    view.Picture().CopyFrom(picture);
    view.SetFitGeometry(QRect(30, 1, 30, 20), QRect(0, 0, 120, 100));
    view.Changed();
    view.ZoomToActualSize();
    EXPECT_EQ(view.ZoomText(), QStringLiteral("100 %"));
    EXPECT_EQ(view.geometry(), QRect(0, 0, 120, 100));
    // Smaller than the view: centred.
    const QImage shown = view.grab().toImage();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(At(shown, 30 + x, 30 + y), PixelAt(picture, x, y)) << x << "," << y;
    view.ZoomToFit();
    EXPECT_EQ(view.geometry(), QRect(30, 1, 30, 20));
    // Larger than the view: a drag moves it, as far as its edge.
    view.SetFitGeometry(QRect(30, 1, 30, 20), QRect(0, 0, 40, 30));
    view.ZoomToActualSize();
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    QTest::mouseMove(&view, QPoint(40, 25));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(40, 25));
    const QImage dragged = view.grab().toImage();
    EXPECT_EQ(At(dragged, 0, 0), PixelAt(picture, 0, 0));
    EXPECT_EQ(At(dragged, 39, 29), PixelAt(picture, 39, 29));
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

TEST(ImageView, PaintsThroughItsColourTransformAndNeverChangesThePicture) {
    const auto transform = DisplayTransform(ColourProfile::DisplayP3(), ColourProfile());
    ASSERT_NE(transform, nullptr);
    const TBitmap picture = RandomBitmap(40, 30, 5);
    // As it is, and shrunk (what is painted is converted after scaling).
    for (const QSize size : {QSize(40, 30), QSize(17, 13)}) {
        TImageView view;
        view.resize(size);
        view.Picture().CopyFrom(picture);
        view.Changed();
        const QImage plain = view.grab().toImage();
        view.SetColourTransform(transform);
        const QImage managed = view.grab().toImage();
        TBitmap expected(size.width(), size.height());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const Rgb c = At(plain, x, y);
                uint8_t* p = expected.Pixel(x, y);
                p[0] = c.b, p[1] = c.g, p[2] = c.r;
            }
            transform->ConvertRow(expected.Row(y), expected.Row(y), expected.Width());
        }
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(At(managed, x, y), PixelAt(expected, x, y)) << size.width() << ": " << x << "," << y;
        EXPECT_TRUE(SamePixels(view.Picture(), picture)) << size.width();
        view.SetColourTransform(nullptr);
        EXPECT_EQ(view.grab().toImage(), plain) << size.width();
    }
}
