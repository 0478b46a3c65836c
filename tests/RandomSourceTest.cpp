// Tests of the random value source: the generator, its seeding and the range rule.
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

class RandomSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FirstDraw = false;
        SeedGenerator(1);
    }
};

TEST_F(RandomSourceTest, GivesTheKnownSequenceFromStateOne)
{
    const std::vector<int> expected{41, 18467, 6334, 26500, 19169};
    std::vector<int> draws;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        draws.push_back(NextDraw());
    }
    EXPECT_EQ(draws, expected);
}

TEST_F(RandomSourceTest, TakesExactlyOneDrawPerValueAlsoForEqualBounds)
{
    EXPECT_EQ(RandomInRange(64, 64), 64);
    EXPECT_EQ(NextDraw(), 18467);  // the second draw from state 1
    EXPECT_EQ(RandomInRange(0, 127), 6334 % 128);  // the third draw
}

TEST_F(RandomSourceTest, SeedsItselfFromTheTickCountAtTheFirstDrawOnly)
{
    FirstDraw = true;
    RandomInRange(0, 127);
    EXPECT_FALSE(FirstDraw);
    // Seeded from the clock, not left at state 1; then never again.
    SeedGenerator(1);
    EXPECT_EQ(RandomInRange(0, 32767), 41);
}

TEST_F(RandomSourceTest, ReachesEveryValueOfTheInclusiveRangeInEitherOrder)
{
    const struct {
        int bound1, bound2, low, high;
    } cases[] = {
        {0, 127, 0, 127}, {0, 1, 0, 1}, {100, 50, 50, 100}, {127, 0, 0, 127}, {5, 6, 5, 6}, {0, 255, 0, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bound1 << ".." << c.bound2);
        std::map<int, int> seen;
        for (int i = 0; i < 20000; ++i) {
            ++seen[RandomInRange(c.bound1, c.bound2)];
        }
        EXPECT_EQ(seen.begin()->first, c.low);
        EXPECT_EQ(seen.rbegin()->first, c.high);
        EXPECT_EQ(static_cast<int>(seen.size()), c.high - c.low + 1);
    }
}

TEST_F(RandomSourceTest, DrawsEveryValueOfASmallRangeAboutEquallyOften)
{
    SeedGenerator(20261211);
    constexpr int kValues = 8;
    constexpr int kDraws = 80000;
    int counts[kValues] = {};
    for (int i = 0; i < kDraws; ++i) {
        ++counts[RandomInRange(10, 10 + kValues - 1) - 10];
    }
    // Chi-square with 7 degrees of freedom: 24.3 is exceeded by chance once in a thousand.
    double chiSquare = 0;
    const double expected = kDraws / kValues;
    for (int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 24.3);
}

}  // namespace
