#pragma once
// A component with a repaint counter, shared by the effect tests.

#include <gtest/gtest.h>

#include "effectimage/effect_image.h"
#include "test_support.h"

namespace corvessa::test {

class EffectTest : public ::testing::Test {
protected:
    EffectTest() { effect.SetRepaintCallback([this] { ++repaints; }); }

    // Puts a copy of `picture` into the component.
    void Load(const TBitmap& picture) { effect.Picture().CopyFrom(picture); }
    const TBitmap& Result() const { return effect.Picture(); }

    RandomGenerator random{12345};
    TProEffectImage effect{random};
    int repaints = 0;
};

// Sizes that catch off-by-one and threading faults: tiny, odd, and one
// large enough for the row loops to run on several threads.
inline constexpr int kAwkwardSizes[][2] = {{1, 1}, {2, 3}, {5, 4}, {17, 9}, {64, 33}, {301, 307}};

}  // namespace corvessa::test
