// Tile patterns: entries drawn at their cells layer by layer, replaced, locked, moved down,
// switched and removed, found under a point by box or by alpha, cells outside the table refused,
// and the pictures they show watched for changes and for their end.
#include "ScreenHarness.h"
#include "graphics/CColor.h"
#include "graphics/CPattern.h"

#include <gtest/gtest.h>

#include <memory>

namespace graphicstest {

namespace {

class PatternTest : public ScreenTest {
protected:
    // A pattern of 4 columns and 3 rows of 10 x 10 cells in two layers at (100, 50), on the screen.
    void SetUp() override
    {
        ScreenTest::SetUp();
        // What a pattern no longer draws is painted over.
        window->SetBackground(&black);
        pattern = std::make_unique<CPattern>(window.get(), CXSize(40, 30), CXSize(10, 10), 2);
        pattern->SetPosition(100, 50);
        screen->put(pattern.get(), 1);
    }
    void TearDown() override
    {
        pattern.reset();
        ScreenTest::TearDown();
    }
    // The alias of the entry found at the point.
    std::string aliasAt(int x, int y, bool boxOnly = false)
    {
        const CXString* alias = pattern->getGraphicsObjectAlias(x, y, false, boxOnly);
        return alias != nullptr ? alias->c_str() : "none";
    }

    CColor black{0, 0, 0};
    std::unique_ptr<CPattern> pattern;
};

TEST_F(PatternTest, EntriesAreDrawnAtTheirCellsLayerByLayerAndAReplacedOneIsGone)
{
    auto red = plain(window.get(), 10, 10, 0xF800);
    auto green = plain(window.get(), 10, 10, 0x07E0);
    auto dot = plain(window.get(), 4, 4, 0x001F, 0, 0, 255);
    pattern->add("r", 1, 2, 0, red.get(), 0, "");
    pattern->add("d", 1, 2, 1, dot.get(), 0, "");
    frame();
    // Cell (1, 2) lies at (110, 70); the upper layer covers its corner.
    EXPECT_EQ(shown(112, 75), 0xF800);
    EXPECT_EQ(shown(111, 71), 0x001F);
    EXPECT_EQ(shown(109, 75), 0);
    pattern->add("g", 1, 2, 0, green.get(), 0, "");
    frame();
    EXPECT_EQ(shown(112, 75), 0x07E0);
    EXPECT_EQ(pattern->getEntries(0).size(), 1u);
    EXPECT_FALSE(pattern->contains(red.get()));
    // A change of the red picture no longer reaches the pattern.
    red->Invalidate();
    EXPECT_EQ(dirtyArea(screen), 0);
    // Within a clipping rectangle only its part is drawn.
    pattern->remove(1, 2, 0);
    frame();
    EXPECT_EQ(shown(112, 75), 0);
    pattern->add("g", 0, 0, 0, green.get(), 0, "");
    pattern->SetClippingRect(CXRect(0, 0, 5, 10));
    frame();
    EXPECT_EQ(shown(104, 55), 0x07E0);
    EXPECT_EQ(shown(105, 55), 0);
}

TEST_F(PatternTest, ALockedEntryIsNeitherDrawnNorFound)
{
    auto tile = plain(window.get(), 10, 10, 0x1234);
    auto upper = plain(window.get(), 10, 10, 0x4321);
    pattern->add("a", 2, 1, 0, tile.get(), 0, "");
    pattern->add("b", 2, 1, 1, upper.get(), 0, "");
    pattern->lock(2, 1, true);
    frame();
    EXPECT_EQ(shown(125, 65), 0);
    EXPECT_EQ(pattern->getEntryAt(125, 65, 0, true, true), nullptr);
    EXPECT_EQ(pattern->getGraphicsObject(125, 65, true, true, -1, 0), nullptr);
    EXPECT_EQ(aliasAt(125, 65, true), "none");
    pattern->lock(2, 1, false);
    frame();
    EXPECT_EQ(shown(125, 65), 0x4321);
    EXPECT_EQ(aliasAt(125, 65, true), "a");
}

TEST_F(PatternTest, MoveDownLocksTheEntryAndTakesOutTheOneThereWithoutDeletingItsPicture)
{
    auto moving = plain(window.get(), 10, 10, 0x1111);
    auto below = plain(window.get(), 10, 10, 0x2222);
    pattern->add("m", 0, 0, 0, moving.get(), 0, "");
    pattern->add("b", 0, 2, 0, below.get(), 0, "");
    pattern->moveDown(0, 0, 2);
    EXPECT_EQ(pattern->getEntryAtCell(0, 0, 0), nullptr);
    CPatternEntry* moved = pattern->getEntryAtCell(0, 2, 0);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->getAlias(), "m");
    EXPECT_EQ(moved->getRow(), 2);
    EXPECT_TRUE(moved->isLocked());
    // The picture that was there is still whole and no longer watched.
    EXPECT_FALSE(pattern->contains(below.get()));
    EXPECT_EQ(below->Width(), 10);
    // Beyond the last row nothing moves.
    pattern->moveDown(0, 2, 1);
    EXPECT_EQ(pattern->getEntryAtCell(0, 2, 0), moved);
}

TEST_F(PatternTest, SwitchExchangesTwoCellsOfTheFirstLayer)
{
    auto one = plain(window.get(), 10, 10, 0x1111);
    pattern->add("one", 0, 0, 0, one.get(), 0, "");
    pattern->_switch(0, 0, 3, 2);
    EXPECT_EQ(pattern->getEntryAtCell(0, 0, 0), nullptr);
    ASSERT_NE(pattern->getEntryAtCell(3, 2, 0), nullptr);
    EXPECT_EQ(pattern->getEntryAtCell(3, 2, 0)->getColumn(), 3);
    EXPECT_EQ(aliasAt(135, 75), "one");
}

TEST_F(PatternTest, WithoutBoxOnlyATransparentPixelFindsNothingAndTheThresholdCounts)
{
    auto ring = plain(window.get(), 10, 10, 0x0F0F, 0, 0, 200);
    ring->AlphaChannel()[5 * 10 + 5] = 0;
    auto lower = plain(window.get(), 10, 10, 0x0F0F);
    pattern->add("lower", 1, 1, 0, lower.get(), 0, "");
    pattern->add("ring", 1, 1, 1, ring.get(), 0, "");
    // (115, 65) is the ring's pixel (5, 5).
    EXPECT_EQ(aliasAt(115, 65, true), "lower");
    EXPECT_EQ(aliasAt(115, 65), "lower");
    EXPECT_EQ(pattern->getEntryAt(115, 65, 0, false, false)->getAlias(), "lower");
    EXPECT_EQ(pattern->getEntryAt(116, 65, 0, false, false)->getAlias(), "ring");
    EXPECT_EQ(pattern->getEntryAt(116, 65, 0, false, true)->getAlias(), "lower");
    // From the top layer down; a layer alone; an alpha threshold.
    EXPECT_EQ(pattern->getGraphicsObject(115, 65, false, true, -1, 0), ring.get());
    EXPECT_EQ(pattern->getGraphicsObject(115, 65, false, false, -1, 0), lower.get());
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, false, false, 1, 0), ring.get());
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, false, false, 0, 0), lower.get());
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, false, false, -1, 200), lower.get());
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, false, false, 7, 0), nullptr);
    // Hidden pictures count only when asked.
    lower->Hide();
    ring->Hide();
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, false, true, -1, 0), nullptr);
    EXPECT_EQ(pattern->getGraphicsObject(116, 65, true, true, -1, 0), ring.get());
}

TEST_F(PatternTest, APictureInTwoCellsStaysWatchedForTheOtherAndLeavesWhenDestroyed)
{
    auto tile = plain(window.get(), 10, 10, 0x5555);
    pattern->add("a", 0, 0, 0, tile.get(), 0, "");
    pattern->add("b", 3, 2, 1, tile.get(), 0, "");
    pattern->remove(0, 0, 0);
    EXPECT_TRUE(pattern->contains(tile.get()));
    frame();
    // A change of the picture draws its cell again, wherever the picture itself stands.
    tile->Invalidate();
    EXPECT_EQ(*screen->getRefreshList()->rectAt(0), CXRect(130, 70, 140, 80));
    frame();
    // Two patterns showing each other pass a change on once.
    CPattern other(window.get(), CXSize(20, 20), CXSize(10, 10), 1);
    other.add("p", 0, 0, 0, pattern.get(), 0, "");
    pattern->add("o", 0, 0, 0, &other, 0, "");
    tile->Invalidate();
    frame();
    tile.reset();
    EXPECT_EQ(pattern->getAliasEntry("b"), nullptr);
    frame();
    EXPECT_EQ(shown(135, 75), 0);
}

TEST_F(PatternTest, RemovingByAliasByPictureAndAll)
{
    auto first = plain(window.get(), 10, 10, 0x1111);
    auto* owned = plain(window.get(), 10, 10, 0x2222).release();
    pattern->add("same", 0, 0, 0, first.get(), 0, "");
    pattern->add("same", 1, 0, 1, first.get(), 0, "");
    pattern->add("other", 2, 0, 0, owned, 0, "");
    pattern->add("other", 3, 0, 0, owned, 0, "");
    EXPECT_EQ(pattern->getAliasEntry("same")->getColumn(), 0);
    pattern->remove(CXString("same"));
    EXPECT_FALSE(pattern->contains(first.get()));
    // The picture itself goes once, with both its entries (ASan sees a second delete).
    pattern->remove(owned, true);
    EXPECT_TRUE(pattern->getEntries(0).empty());
    pattern->add("a", 0, 0, 0, first.get(), 0, "");
    pattern->add("b", 0, 0, 1, first.get(), 0, "");
    pattern->removeAll();
    EXPECT_TRUE(pattern->getEntries(0).empty());
    EXPECT_TRUE(pattern->getEntries(1).empty());
    EXPECT_FALSE(pattern->contains(first.get()));
}

TEST_F(PatternTest, CellsOutsideTheTableAreRefused)
{
    struct Cell {
        int column;
        int row;
        int layer;
    };
    const Cell outside[] = {{-1, 0, 0}, {4, 0, 0}, {0, -1, 0}, {0, 3, 0}, {0, 0, -1}, {0, 0, 2}, {INT32_MIN, INT32_MAX, 0}};
    auto tile = plain(window.get(), 10, 10, 0x1111);
    pattern->add("corner", 3, 2, 1, tile.get(), 0, "");
    for (const Cell& cell : outside) {
        pattern->add("x", cell.column, cell.row, cell.layer, tile.get(), 0, "");
        EXPECT_EQ(pattern->getEntryAtCell(cell.column, cell.row, cell.layer), nullptr) << cell.column << "," << cell.row << "," << cell.layer;
        pattern->remove(cell.column, cell.row, cell.layer);
        pattern->lock(cell.column, cell.row, true);
        pattern->_switch(cell.column, cell.row, 3, 2);
        pattern->moveDown(3, 2, cell.row);
    }
    EXPECT_EQ(pattern->getAliasEntry("x"), nullptr);
    ASSERT_NE(pattern->getEntryAtCell(3, 2, 1), nullptr);
    EXPECT_FALSE(pattern->getEntryAtCell(3, 2, 1)->isLocked());
}

TEST_F(PatternTest, ANewGridCountsTheTableAgainAndKeepsTheEntries)
{
    auto tile = plain(window.get(), 5, 5, 0x1111);
    pattern->add("far", 3, 2, 0, tile.get(), 0, "");
    pattern->setGrid(CXSize(5, 5));
    EXPECT_EQ(pattern->getColumns(), 8);
    EXPECT_EQ(pattern->getRows(), 6);
    pattern->add("new", 7, 5, 0, tile.get(), 0, "");
    EXPECT_NE(pattern->getEntryAtCell(7, 5, 0), nullptr);
    // Drawn at the corner of its cell in the new grid.
    EXPECT_EQ(aliasAt(115, 60), "far");
    // A grid of larger cells leaves those entries outside the table: drawn, found, removable.
    pattern->setGrid(CXSize(20, 0));
    EXPECT_EQ(pattern->getColumns(), 2);
    EXPECT_EQ(pattern->getRows(), 30);
    EXPECT_EQ(pattern->getEntryAtCell(3, 2, 0), nullptr);
    EXPECT_EQ(aliasAt(160, 52), "far");
    pattern->remove(CXString("far"));
    EXPECT_EQ(pattern->getAliasEntry("far"), nullptr);
}

} // namespace

} // namespace graphicstest
