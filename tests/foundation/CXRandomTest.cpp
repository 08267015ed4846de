#include "foundation/CXRandom.h"
#include "CapturedDebugOutput.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace {

class RandomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(debug.ready());
        platform::setClock(&clock);
        CXRandom::seed(12345);
    }
    void TearDown() override { platform::setClock(nullptr); }

    std::string debugText() { return debug.text(); }

    platform::ManualClock clock{777};
    CapturedDebugOutput debug;
};

TEST_F(RandomTest, DrawsStayInTheirRangeAndEmptyRangesGiveTheirStart)
{
    EXPECT_EQ(CXRandom::random(0), 0);
    EXPECT_EQ(CXRandom::random(-5), 0);
    EXPECT_EQ(CXRandom::random(INT_MIN), 0);
    EXPECT_EQ(CXRandom::random(5, 0), 5);
    EXPECT_EQ(CXRandom::random(5, -3), 5);

    std::set<int> seenOne, seenRange;
    for (int i = 0; i < 500; ++i) {
        clock.advance(static_cast<uint32_t>(i));
        seenOne.insert(CXRandom::random(1));
        seenRange.insert(CXRandom::random(5, 3));
    }
    EXPECT_EQ(seenOne, std::set<int>{0});
    EXPECT_EQ(seenRange, (std::set<int>{5, 6, 7}));
}

TEST_F(RandomTest, LargeAndWrappingRangesNeverLeaveThem)
{
    clock.set(0xFFFFFFFFu);
    for (int i = 0; i < 200; ++i) {
        int big = CXRandom::random(INT_MAX);
        EXPECT_GE(big, 0);
        EXPECT_LT(big, INT_MAX);
        int negative = CXRandom::random(-10, 4);
        EXPECT_GE(negative, -10);
        EXPECT_LE(negative, -7);
    }
    // Script arithmetic wraps: the top of the int range runs over into the bottom.
    std::set<int> wrapped;
    for (int i = 0; i < 200; ++i)
        wrapped.insert(CXRandom::random(INT_MAX, 2));
    EXPECT_EQ(wrapped, (std::set<int>{INT_MAX, INT_MIN}));
}

TEST_F(RandomTest, SameSeedAndClockGiveTheSameDraws)
{
    std::vector<int> first, second;
    CXRandom::seed(99);
    for (int i = 0; i < 20; ++i)
        first.push_back(CXRandom::random(1000));
    CXRandom::seed(99);
    for (int i = 0; i < 20; ++i)
        second.push_back(CXRandom::random(1000));
    EXPECT_EQ(first, second);
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 10u);
}

std::vector<int> tableHead(const int* table, int count)
{
    return std::vector<int>(table, table + count);
}

TEST_F(RandomTest, UniqueVectorOfCountZeroIsAPermutation)
{
    int* table = CXRandom::random_vector(0, 10, 0, true);
    std::vector<int> values = tableHead(table, 10);
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(10);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(sorted, expected);
}

TEST_F(RandomTest, UniqueVectorEndsEvenWhenDistinctValuesRunOutOrTheClockStands)
{
    // More places than values: the first three are distinct, the rest plain draws.
    int* table = CXRandom::random_vector(4, 3, 8, true);
    std::vector<int> firstThree = tableHead(table, 3);
    std::sort(firstThree.begin(), firstThree.end());
    EXPECT_EQ(firstThree, (std::vector<int>{4, 5, 6}));
    for (int i = 3; i < 8; ++i) {
        EXPECT_GE(table[i], 4);
        EXPECT_LE(table[i], 6);
    }

    // The whole table from a range only just large enough, on a clock that never moves.
    table = CXRandom::random_vector(0, CXRandom::tableSize, CXRandom::tableSize, true);
    std::set<int> distinct(table, table + CXRandom::tableSize);
    EXPECT_EQ(distinct.size(), static_cast<size_t>(CXRandom::tableSize));
    EXPECT_EQ(*distinct.begin(), 0);
    EXPECT_EQ(*distinct.rbegin(), CXRandom::tableSize - 1);

    table = CXRandom::random_vector(9, 0, 3, true);
    EXPECT_EQ(tableHead(table, 3), (std::vector<int>{9, 9, 9}));
}

TEST_F(RandomTest, BadCountsLeaveTheTableAsItWas)
{
    std::vector<int> before = tableHead(CXRandom::random_vector(100, 50, 20, false), 20);
    for (int value : before) {
        EXPECT_GE(value, 100);
        EXPECT_LT(value, 150);
    }

    EXPECT_EQ(tableHead(CXRandom::random_vector(0, 5, 10001, false), 20), before);
    const std::string errorLine = "Arguments error: Random::getPlenty( )\n";
    EXPECT_EQ(debugText(), errorLine);

    EXPECT_EQ(tableHead(CXRandom::random_vector(0, 5, -1, false), 20), before);
    // Count 0 takes n - from, negative here.
    EXPECT_EQ(tableHead(CXRandom::random_vector(10, 5, 0, true), 20), before);
    EXPECT_EQ(debugText(), errorLine);
}

} // namespace
