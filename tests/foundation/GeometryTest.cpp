#include "foundation/CSizedObject.h"
#include "foundation/CXArray.h"
#include "foundation/CXRect.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct Sized : CSizedObject {
    Sized(int w, int h) : width(w), height(h) {}
    int getWidth() override { return width; }
    int getHeight() override { return height; }
    int width;
    int height;
};

// Takes the rectangles out of an array that sub made, deleting them and the array.
std::vector<CXRect> takeRects(CXArray* array)
{
    std::vector<CXRect> rects;
    for (int i = 0; i < array->getSize(); ++i) {
        auto* rect = static_cast<CXRect*>((*array)[i]);
        rects.push_back(*rect);
        delete rect;
    }
    delete array;
    return rects;
}

int64_t area(const CXRect& r)
{
    return static_cast<int64_t>(r.Width()) * r.Height();
}

TEST(CXRect, IsInRectExcludesRightAndBottom)
{
    const CXRect r(10, 10, 20, 20);
    struct Case {
        int x;
        int y;
        bool inside;
    };
    const Case cases[] = {{10, 10, true}, {19, 19, true}, {20, 15, false}, {15, 20, false}, {9, 15, false}, {15, 9, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(r.IsInRect(c.x, c.y), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(r.IsInRect(CXPoint(c.x, c.y)), c.inside) << c.x << "," << c.y;
    }
}

TEST(CXRect, CommonAndSum)
{
    struct Case {
        CXRect a;
        CXRect b;
        CXRect common;
        CXRect sum;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {10, 0, 10, 10}, {0, 0, 20, 10}}, // touching: zero width
        {{0, 0, 10, 10}, {11, 0, 20, 10}, {0, 0, 0, 0}, {0, 0, 20, 10}},    // apart
        {{0, 0, 10, 10}, {5, -5, 8, 20}, {5, 0, 8, 10}, {0, -5, 10, 20}},
        {{0, 0, 10, 10}, {2, 2, 8, 8}, {2, 2, 8, 8}, {0, 0, 10, 10}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.Common(c.b), c.common);
        CXRect out(1, 2, 3, 4);
        c.a.Common(c.b, &out);
        EXPECT_EQ(out, c.common);
        CXRect summed(c.a);
        EXPECT_EQ(summed.Sum(c.b), c.sum);
        EXPECT_EQ(c.a | c.b, c.sum);
    }
    EXPECT_TRUE(CXRect(2, 2, 8, 8).IsPartOf(CXRect(0, 0, 10, 10)));
    EXPECT_TRUE(CXRect(0, 0, 10, 10).isInside(CXRect(0, 0, 10, 10)));
    EXPECT_FALSE(CXRect(0, 0, 11, 10).IsPartOf(CXRect(0, 0, 10, 10)));
}

TEST(CXRect, CentreCornersMovesAndExplode)
{
    EXPECT_EQ(CXRect(0, 0, 5, 5).CenterPoint(), CXPoint(2, 2));
    EXPECT_EQ(CXRect(-5, -5, 0, 0).CenterPoint(), CXPoint(-3, -3));
    EXPECT_EQ(CXRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX).CenterPoint(), CXPoint(-1, -1));
    CXRect r(1, 2, 3, 4);
    EXPECT_EQ(r.TopLeft(), CXPoint(1, 2));
    EXPECT_EQ(r.LeftTop(), CXPoint(1, 2));
    EXPECT_EQ(r.RightTop(), CXPoint(3, 2));
    EXPECT_EQ(r.LeftBottom(), CXPoint(1, 4));
    EXPECT_EQ(r.RightBottom(), CXPoint(3, 4));
    EXPECT_EQ(r + CXPoint(10, 20), CXRect(11, 22, 13, 24));
    EXPECT_EQ(r - CXPoint(1, 2), CXRect(0, 0, 2, 2));
    r += CXPoint(1, 1);
    EXPECT_EQ(r, CXRect(2, 3, 4, 5));
    r -= CXPoint(2, 3);
    EXPECT_EQ(r, CXRect(0, 0, 2, 2));
    EXPECT_EQ(CXRect(0, 0, 10, 10).Explode(-2), CXRect(2, 2, 8, 8));
    EXPECT_EQ(CXRect(0, 0, 10, 10).Explode(1, 3), CXRect(-1, -3, 11, 13));
    EXPECT_EQ(CXRect(0, 0, 10, 10).Explode(CXSize(2, 0)), CXRect(-2, 0, 12, 10));
}

TEST(CXRect, EmptinessConstructionAndOpenOperations)
{
    EXPECT_TRUE(CXRect(5, 1, 5, 9).IsEmpty());
    EXPECT_TRUE(CXRect(1, 5, 9, 5).IsEmpty());
    EXPECT_FALSE(CXRect(5, 5, 0, 0).IsEmpty()); // negative extent is not empty
    EXPECT_EQ(CXRect(5, 5, 0, 0).Width(), -5);
    CXRect r(7);
    EXPECT_EQ(r, CXRect(7, 7, 7, 7));
    r.SetToEmpty();
    EXPECT_EQ(r, CXRect());
    CXRect source(1, 2, 3, 4);
    EXPECT_EQ(CXRect(&source), source);
    EXPECT_EQ(CXRect(static_cast<const CXRect*>(nullptr)), CXRect());
    EXPECT_EQ(CXRect(CXPoint(1, 2), CXPoint(3, 4)), source);
    EXPECT_NE(source, CXRect(1, 2, 3, 5));
    // Extremes wrap instead of overflowing.
    EXPECT_EQ(CXRect(INT_MIN, 0, INT_MAX, 1).Width(), -1);

    CXRect placed;
    placed.Set(CXPoint(10, 20), CXSize(5, 6));
    EXPECT_EQ(placed, CXRect(10, 20, 15, 26));
    EXPECT_EQ(placed + CXSize(1, 2), CXRect(10, 20, 16, 28));
    placed |= CXRect(0, 0, 1, 1);
    EXPECT_EQ(placed, CXRect(0, 0, 15, 26));
}

TEST(CXRect, CentredPositionOfASizedObject)
{
    Sized picture(100, 50);
    EXPECT_EQ(CXRect(0, 0, 800, 600).GetCenteredPosition(&picture), CXPoint(350, 275));
    EXPECT_EQ(CXRect(10, 10, 20, 20).GetCenteredPosition(&picture), CXPoint(-35, -10));
    EXPECT_EQ(CXRect(0, 0, 10, 10).GetCenteredPosition(nullptr), CXPoint(5, 5));
}

TEST(CXRect, SubLeavesTheUncoveredBands)
{
    const CXRect frame(0, 0, 10, 10);
    struct Case {
        CXRect cut;
        size_t parts;
    };
    const Case cases[] = {
        {{2, 2, 8, 8}, 4}, {{20, 20, 30, 30}, 0}, {{10, 0, 20, 10}, 0}, {{-5, -5, 5, 5}, 2},
        {{0, 0, 10, 10}, 0}, {{-1, 3, 11, 6}, 2}, {{3, -1, 6, 11}, 2}, {{0, 0, 10, 4}, 1},
    };
    for (const Case& c : cases) {
        std::vector<CXRect> parts = takeRects(frame.sub(c.cut));
        EXPECT_EQ(parts.size(), c.parts);
        // The parts and the covered part tile the frame exactly.
        int64_t covered = area(frame.Common(c.cut));
        int64_t total = covered;
        for (size_t i = 0; i < parts.size(); ++i) {
            EXPECT_TRUE(parts[i].IsPartOf(frame));
            EXPECT_EQ(area(parts[i].Common(c.cut)), 0);
            EXPECT_GT(area(parts[i]), 0);
            for (size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_EQ(area(parts[i].Common(parts[j])), 0);
            total += area(parts[i]);
        }
        if (!parts.empty() || covered > 0) {
            EXPECT_EQ(total, area(frame));
        }
    }
}

TEST(CXRect, AddRectSkipsRectanglesWithoutArea)
{
    CXArray list(5, 0.75f);
    CXRect::addRect(&list, 5, 0, 5, 10);
    CXRect::addRect(&list, 0, 5, 10, 5);
    CXRect::addRect(&list, 0, 6, 10, 5);
    CXRect::addRect(nullptr, 0, 0, 1, 1);
    EXPECT_EQ(list.getSize(), 0);
    CXRect::addRect(&list, 0, 0, 1, 1);
    ASSERT_EQ(list.getSize(), 1);
    delete static_cast<CXRect*>(list[0]);
}

TEST(CXPointAndSize, Arithmetic)
{
    EXPECT_EQ(CXPoint(1, 2) + 3, CXPoint(4, 5));
    EXPECT_EQ(CXPoint(1, 2) + CXPoint(10, 20), CXPoint(11, 22));
    EXPECT_EQ(CXPoint(1, 2) - 1, CXPoint(0, 1));
    EXPECT_EQ(CXPoint(1, 2) - CXPoint(1, 1), CXPoint(0, 1));
    EXPECT_NE(CXPoint(1, 2), CXPoint(2, 1));
    EXPECT_EQ(CXPoint(INT_MAX, 0) + 1, CXPoint(INT_MIN, 1));
    CXSize size(3, -4);
    EXPECT_EQ(size.mul(), -12);
    EXPECT_EQ(size.Sum(), -1);
    EXPECT_EQ(size.AbsSum(), 7);
    EXPECT_EQ(CXSize(5).cy, 5);
    EXPECT_EQ(CXSize().cx, 0);
    EXPECT_EQ(CXSize(INT_MIN, 0).AbsSum(), INT_MIN); // 2^31 wraps
}

} // namespace
