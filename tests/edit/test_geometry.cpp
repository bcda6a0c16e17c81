// Turning, mirroring, straightening and cropping.

#include <gtest/gtest.h>

#include "edit/edit.h"
#include "edit/geometry.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

TEST(EditGeometry, TurnsAreExactPermutations) {
    const TBitmap photo = RandomBitmap(7, 5, 3);
    const TBitmap right = TurnAndMirror(photo, 1, false, false);
    ASSERT_EQ(right.Width(), 5);
    ASSERT_EQ(right.Height(), 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(right, x, y), PixelAt(photo, y, 4 - x));
}

}  // namespace
