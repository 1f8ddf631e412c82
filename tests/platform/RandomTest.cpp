#include "platform/Random.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

TEST(RandomTest, TheGeneratorIsOurOwnFixedSequence)
{
    RandSeed(0);
    EXPECT_EQ(RandomFloat(), 1 / 4294967296.0);
    EXPECT_EQ(CurrentRandSeed(), 1u);
    EXPECT_EQ(Random(1000), static_cast<int>((134775814ull * 1000) >> 32));
    EXPECT_EQ(CurrentRandSeed(), 134775814u);
}

TEST(RandomTest, TheSameSeedGivesTheSameSequence)
{
    const auto draw = [] {
        std::vector<double> values;
        for (int i = 0; i < 50; ++i) {
            values.push_back(Random(6));
            values.push_back(RandomFloat());
            values.push_back(RandG(10, 2));
        }
        return values;
    };
    RandSeed(12345);
    const std::vector<double> first = draw();
    RandSeed(12345);
    EXPECT_EQ(draw(), first);
    RandSeed(54321);
    EXPECT_NE(draw(), first);
}

TEST(RandomTest, DrawsStayInTheirRange)
{
    RandSeed(7);
    std::vector<int> seen(6, 0);
    for (int i = 0; i < 6000; ++i) {
        const int die = Random(6);
        ASSERT_GE(die, 0);
        ASSERT_LT(die, 6);
        ++seen[static_cast<size_t>(die)];
        const double f = RandomFloat();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
    }
    for (const int count : seen)
        EXPECT_GT(count, 800);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(1), 0);
}

TEST(RandomTest, GaussianDrawsHaveTheirMeanAndSpread)
{
    RandSeed(2024);
    constexpr int Count = 20000;
    double sum = 0;
    double sumOfSquares = 0;
    for (int i = 0; i < Count; ++i) {
        const double g = RandG(5, 2);
        sum += g;
        sumOfSquares += g * g;
    }
    const double mean = sum / Count;
    const double sd = std::sqrt(sumOfSquares / Count - mean * mean);
    EXPECT_NEAR(mean, 5, 0.1);
    EXPECT_NEAR(sd, 2, 0.1);
}

} // namespace
