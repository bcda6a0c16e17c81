// The formats the program opens besides JPEG and BMP, made with Debian's
// encoders: decoded as the reference decoders decode them, camera data
// carried into saved photos, limits, broken files.

#include <gtest/gtest.h>

#include "format_fixtures.h"
#include "io/photo_files.h"
#include "io/picture_samples.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

TEST(SampleRules, WorkedExamples) {
    EXPECT_EQ(EightBitSample(0), 0);
    EXPECT_EQ(EightBitSample(128), 0);  // 128 * 255 / 65535 = 0.498
    EXPECT_EQ(EightBitSample(129), 1);
    EXPECT_EQ(EightBitSample(65535), 255);
}
