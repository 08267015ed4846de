#include "graphics/CRefreshRegion.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<CXRect> rectsOf(const CRefreshRegion& region)
{
    std::vector<CXRect> rects;
    for (int i = 0; i < region.getSize(); ++i)
        rects.push_back(region.rectAt(i) != nullptr ? *region.rectAt(i) : CXRect(-1, -1, -1, -1));
    return rects;
}

TEST(CRefreshRegion, StartsWholeAndBecomesWholeForTheFullScreen)
{
    CRefreshRegion region;
    EXPECT_TRUE(region.isWhole());
    ASSERT_EQ(region.getSize(), 1);
    EXPECT_EQ(region.rectAt(0), nullptr);
    CXRect some(1, 1, 5, 5);
    region.add(&some);
    EXPECT_EQ(region.getSize(), 1);

    region.removeAll();
    EXPECT_FALSE(region.isWhole());
    EXPECT_EQ(region.getSize(), 0);
    region.add(&some);
    CXRect full(0, 0, 800, 600);
    region.add(&full);
    EXPECT_TRUE(region.isWhole());
    EXPECT_EQ(rectsOf(region), std::vector<CXRect>{CXRect(-1, -1, -1, -1)});
    region.removeAll();
    region.add(nullptr);
    EXPECT_TRUE(region.isWhole());
}

TEST(CRefreshRegion, ContainedAddsNothingAndContainingReplaces)
{
    CRefreshRegion region;
    region.removeAll();
    CXRect outer(10, 10, 50, 50);
    CXRect inner(20, 20, 30, 30);
    CXRect empty(5, 5, 5, 40);
    region.add(&outer);
    region.add(&inner);
    region.add(&empty);
    EXPECT_EQ(rectsOf(region), std::vector<CXRect>{outer});
    region.removeAll();
    region.add(&inner);
    region.add(&outer);
    EXPECT_EQ(rectsOf(region), std::vector<CXRect>{outer});
    // Rectangles that only touch stay apart.
    CXRect beside(50, 10, 60, 50);
    region.add(&beside);
    EXPECT_EQ(rectsOf(region), (std::vector<CXRect>{outer, beside}));
}

// Random rectangles against a bitmap of their union: the region covers exactly the union, with
// no pixel in two of its rectangles.
TEST(CRefreshRegion, DisjointRectanglesCoverExactlyTheUnion)
{
    constexpr int kWidth = 96;
    constexpr int kHeight = 64;
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        CRefreshRegion region;
        region.removeAll();
        std::vector<int> wanted(kWidth * kHeight, 0);
        int count = 1 + int(random() % 25);
        for (int i = 0; i < count; ++i) {
            int left = int(random() % kWidth), top = int(random() % kHeight);
            CXRect rect(left, top, left + 1 + int(random() % 40), top + 1 + int(random() % 30));
            rect = rect.Common(CXRect(0, 0, kWidth, kHeight));
            region.add(&rect);
            for (int y = rect.top; y < rect.bottom; ++y) {
                for (int x = rect.left; x < rect.right; ++x)
                    wanted[y * kWidth + x] = 1;
            }
        }
        std::vector<int> covered(kWidth * kHeight, 0);
        for (const CXRect& rect : rectsOf(region)) {
            ASSERT_GT(rect.Width(), 0);
            ASSERT_GT(rect.Height(), 0);
            for (int y = rect.top; y < rect.bottom; ++y) {
                for (int x = rect.left; x < rect.right; ++x)
                    ++covered[y * kWidth + x];
            }
        }
        ASSERT_EQ(covered, wanted) << "round " << round;
    }
}

} // namespace
