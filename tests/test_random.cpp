#include <gtest/gtest.h>

#include "ground/random.h"

using corvessa::RandomGenerator;

TEST(Random, SeedFollowsTheLinearCongruentialStep) {
    RandomGenerator r(0);
    r.Random(10);
    EXPECT_EQ(r.Seed(), 1u);
    r.Random(10);
    EXPECT_EQ(r.Seed(), 134775814u);
    RandomGenerator w(0xFFFFFFFFu);
    w.Random(1);
    EXPECT_EQ(w.Seed(), uint32_t(0xFFFFFFFFu * 134775813u + 1u));
}

TEST(Random, ReturnsTheHighWordOfSeedTimesRange) {
    RandomGenerator r(0);
    EXPECT_EQ(r.Random(100), 0u);  // seed 1
    // seed 134775814: 134775814 * 100 >> 32 = 3
    EXPECT_EQ(r.Random(100), 3u);
    RandomGenerator z(77);
    EXPECT_EQ(z.Random(0), 0u);  // a range of 0 still advances the seed
    EXPECT_EQ(z.Seed(), 77u * 134775813u + 1u);
}

TEST(Random, StaysInRange) {
    RandomGenerator r(12345);
    for (int i = 0; i < 10000; ++i) ASSERT_LT(r.Random(7), 7u);
}

TEST(Random, RandomizeUsesMillisecondsOfTheDay) {
    RandomGenerator r(0);
    r.Randomize();
    EXPECT_LT(r.Seed(), 24u * 3600u * 1000u);
}
