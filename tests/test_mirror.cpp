// Hand-placed controls right to left: a place is read from the parent's
// right edge and follows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "widgets/mirror.h"

using namespace corvessa;

namespace {

TEST(Mirrored, ReadsAPlaceFromTheRightEdgeRightToLeft) {
    const struct {
        QRect logical;
        int width;
        Qt::LayoutDirection direction;
        QRect shown;
    } cases[] = {
        {QRect(10, 5, 30, 20), 100, Qt::LeftToRight, QRect(10, 5, 30, 20)},
        {QRect(10, 5, 30, 20), 100, Qt::RightToLeft, QRect(60, 5, 30, 20)},
        {QRect(0, 0, 100, 8), 100, Qt::RightToLeft, QRect(0, 0, 100, 8)},
        {QRect(-16, 1, 132, 8), 100, Qt::RightToLeft, QRect(-16, 1, 132, 8)},  // wider than its parent, centred
        {QRect(90, 0, 30, 8), 100, Qt::RightToLeft, QRect(-20, 0, 30, 8)},
    };
    for (const auto& c : cases) EXPECT_EQ(Mirrored(c.logical, c.width, c.direction), c.shown) << c.logical.x();
}

TEST(PlaceAt, KeepsAPlaceAsTheParentsWidthAndDirectionChange) {
    QWidget parent;
    parent.resize(200, 100);
    QWidget child(&parent);
    PlaceAt(child, QRect(10, 20, 30, 40));
    EXPECT_EQ(child.geometry(), QRect(10, 20, 30, 40));
    parent.resize(300, 100);
    EXPECT_EQ(child.geometry(), QRect(10, 20, 30, 40));

    parent.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(child.geometry(), QRect(260, 20, 30, 40));
    parent.resize(250, 100);
    parent.show();  // a resize waits for the parent to show
    QCoreApplication::processEvents();
    EXPECT_EQ(child.geometry(), QRect(210, 20, 30, 40));
    PlaceAt(child, QPoint(0, 0));
    EXPECT_EQ(child.geometry(), QRect(220, 0, 30, 40));

    parent.setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(child.geometry(), QRect(0, 0, 30, 40));
}

}  // namespace
