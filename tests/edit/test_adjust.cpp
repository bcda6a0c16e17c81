// The ten adjustments and Auto.

#include <gtest/gtest.h>

#include "edit/edit.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

TEST(EditAdjust, NeutralChangesNoByte) {
    const TBitmap photo = RandomBitmap(31, 17, 5);
    EXPECT_TRUE(SamePixels(ApplyEdits(photo, EditSettings::Neutral()), photo));
}

}  // namespace
