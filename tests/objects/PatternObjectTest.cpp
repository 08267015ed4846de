// PATTERN objects in a live scene: the grid made from the definition, pictures put into cells by
// name and found again by cell, point and alias, points turned into cells, the pointer as a
// CANVAS takes it, and the stored record.
#include "MediaScene.h"

#include "graphics/CPattern.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_Pattern.h"

using namespace objectstest;

namespace {

class PatternObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("TILE.IMG", 10, 8, 0x07E0, 255);
        writePicture("DOT.IMG", 4, 4, 0x001F, 255);
    }
    // PAT: 100 x 60 cells of 20 x 20 at (200, 100), on the screen at priority 2, with the
    // properties given.
    static std::string patternText(std::initializer_list<std::string> more)
    {
        std::string text = declared("PAT", "PATTERN", {"WIDTH=100", "HEIGHT=60", "GRIDX=20", "GRIDY=20", "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=2"});
        for (const std::string& property : more)
            text += "PAT:" + property + "\n";
        return text;
    }
    static std::string pictures()
    {
        return declared("TILE", "IMAGE", {"FILENAME=TILE.IMG", "VISIBLE=TRUE"}) + declared("DOT", "IMAGE", {"FILENAME=DOT.IMG", "VISIBLE=TRUE"}) +
               declared("OUT", "ARRAY");
    }
    bool startPattern(std::initializer_list<std::string> more = {})
    {
        if (!startWith(patternText(more) + pictures()))
            return false;
        run("PAT^SETPOSITION(200, 100)");
        return true;
    }

    CMC_Pattern* patternObject() { return dynamic_cast<CMC_Pattern*>(object("PAT")); }
    CPattern* pattern() { return patternObject() != nullptr ? patternObject()->getPattern() : nullptr; }
    // The values of the OUT array joined by commas, and the array emptied.
    std::string takeOut()
    {
        std::string joined;
        int count = std::stoi(run("OUT^GETSIZE()"));
        for (int i = 0; i < count; ++i)
            joined += (i > 0 ? "," : "") + run("OUT^GET(" + std::to_string(i) + ")");
        run("OUT^REMOVEALL()");
        return joined;
    }
};

TEST_F(PatternObject, TheDefinitionGivesTheGridWithCellsAndLayersOfAtLeastOne)
{
    struct Case {
        std::string text;
        int columns;
        int rows;
        int layers;
    };
    const Case cases[] = {
        {declared("P0", "PATTERN", {"WIDTH=100", "HEIGHT=60", "GRIDX=20", "GRIDY=30", "LAYERS=3"}), 5, 2, 3},
        {declared("P1", "PATTERN", {"WIDTH=7", "HEIGHT=5", "GRIDX=0", "GRIDY=0", "LAYERS=0"}), 7, 5, 1},
        {declared("P2", "PATTERN", {"WIDTH=7", "HEIGHT=5", "LAYERS=-4"}), 7, 5, 1},
    };
    std::string text;
    for (const Case& c : cases)
        text += c.text;
    ASSERT_TRUE(startWith(text));
    for (size_t i = 0; i < std::size(cases); ++i) {
        CPattern* made = dynamic_cast<CMC_Pattern*>(object("P" + std::to_string(i)))->getPattern();
        EXPECT_EQ(made->getColumns(), cases[i].columns) << i;
        EXPECT_EQ(made->getRows(), cases[i].rows) << i;
        EXPECT_EQ(made->getLayers(), cases[i].layers) << i;
        // Not on the screen and hidden without TOCANVAS and VISIBLE.
        EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(made), -1);
        EXPECT_FALSE(made->isVisible());
    }
}

TEST_F(PatternObject, CellsAreFilledByNameFoundAndEmptied)
{
    ASSERT_TRUE(startPattern({"LAYERS=2"}));
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(pattern()), 2);
    run("PAT^ADD(\"a\", 2, 1, \"TILE\", 7)");
    run("PAT^ADD(\"d\", 2, 1, \"DOT\", 8, 1)");
    EXPECT_EQ(run("PAT^GETALIASATCELL(2, 1)"), "a");
    EXPECT_EQ(run("PAT^GETALIASATCELL(2, 1, 1)"), "d");
    EXPECT_EQ(run("PAT^GETALIASATCELL(1, 1)"), "NULL");
    // Cells beyond the table are refused, never written.
    for (const char* cell : {"5, 0", "0, 3", "-1, 0", "0, 0, 2"}) {
        run("PAT^ADD(\"x\", " + std::string(cell) + ", \"TILE\", 1)");
        EXPECT_EQ(run("PAT^GETALIASATCELL(" + std::string(cell) + ")"), "NULL") << cell;
        run("PAT^REMOVE(" + std::string(cell) + ")");
    }
    // A name without a picture fills nothing.
    run("PAT^ADD(\"n\", 0, 0, \"NOBODY\", 1)");
    EXPECT_EQ(run("PAT^GETALIASATCELL(0, 0)"), "NULL");
    // Points: the top layer first; by box or by pixel; the owner's name.
    EXPECT_EQ(run("PAT^GETGRAPHICSAT(241, 121, FALSE, TRUE)"), "DOT");
    EXPECT_EQ(run("PAT^GETGRAPHICSAT(241, 121, FALSE, TRUE, 0)"), "TILE");
    EXPECT_EQ(run("PAT^GETGRAPHICSAT(201, 101, FALSE, TRUE)"), "NULL");
    EXPECT_EQ(run("PAT^GETALIASAT(248, 121, FALSE, TRUE)"), "a");
    EXPECT_EQ(run("PAT^GETALIASAT(250, 121, FALSE, TRUE)"), "NULL");
    run("PAT^REMOVE(2, 1)");
    EXPECT_EQ(run("PAT^GETALIASATCELL(2, 1)"), "NULL");
    EXPECT_EQ(run("PAT^GETALIASATCELL(2, 1, 1)"), "d");
    run("PAT^REMOVE(\"d\")");
    EXPECT_EQ(run("PAT^GETALIASATCELL(2, 1, 1)"), "NULL");
}

TEST_F(PatternObject, InfoValuesAreAppendedForTheEntryFound)
{
    ASSERT_TRUE(startPattern());
    run("PAT^ADD(\"a\", 3, 2, \"TILE\", 7)");
    run("PAT^GETINFOAT(265, 145, FALSE, FALSE, \"OUT\")");
    // Alias, cell, the picture's size, and its centre: 200 + 3 x 20 + 10 / 2, 100 + 2 x 20 + 8 / 2.
    EXPECT_EQ(takeOut(), "a,3,2,10,8,265,144");
    run("PAT^GETALIASINFO(\"a\", \"OUT\")");
    EXPECT_EQ(takeOut(), "a,3,2,10,8,265,144");
    run("PAT^GETINFOAT(200, 100, FALSE, FALSE, \"OUT\")");
    run("PAT^GETALIASINFO(\"none\", \"OUT\")");
    run("PAT^GETALIASINFO(\"a\", \"NOARRAY\")");
    EXPECT_EQ(takeOut(), "");
    // The grid set by a script counts in the centre; the stored grid stays as made.
    run("PAT^SETGRID(30, 30)");
    run("PAT^GETALIASINFO(\"a\", \"OUT\")");
    EXPECT_EQ(takeOut(), "a,3,2,10,8,295,164");
}

TEST_F(PatternObject, PointsBecomeCellsAndTheFarEdgesCountAsInside)
{
    ASSERT_TRUE(startPattern());
    struct Case {
        int x;
        int y;
        const char* inside;
        const char* cells;
    };
    const Case cases[] = {
        {245, 130, "TRUE", "2,1"},
        {300, 160, "TRUE", "5,3"},
        {301, 160, "FALSE", "5,3"},
        {190, 100, "FALSE", "0,0"},
        {170, 90, "FALSE", "-1,0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run("PAT^GETCELLCORD(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ", \"OUT\")"), c.inside) << c.x;
        EXPECT_EQ(takeOut(), c.cells) << c.x;
    }
    EXPECT_EQ(run("PAT^GETCELLCORD(245, 130, \"NOARRAY\")"), "TRUE");
}

TEST_F(PatternObject, ThePointerIsTakenAsACanvasTakesIt)
{
    ASSERT_TRUE(startPattern({"ONRELEASE=" + logs("release"), "ONCLICK^RIGHT=" + logs("right"), "ONFOCUSON=" + logs("on")}));
    EXPECT_TRUE(patternObject()->isListening());
    moveTo(250, 120);
    press(250, 120, 2);
    release(250, 120);
    release(199, 120);
    EXPECT_EQ(log(), "on|right|release|");
    clearLog();
    run("PAT^MOVE(500, 0)");
    press(250, 120, 2);
    EXPECT_EQ(log(), "");
}

TEST_F(PatternObject, ItsPicturesAreDrawnAndLeaveItWithTheirObjects)
{
    ASSERT_TRUE(startPattern());
    run("PAT^ADD(\"a\", 1, 0, \"TILE\", 7)");
    turn();
    auto* pixels = reinterpret_cast<uint16_t*>(display.primary()->pixels());
    EXPECT_EQ(pixels[105 * 800 + 225], 0x07E0);
    // Deleting the image object gives its picture up: the pattern forgets it.
    CMC_Object* tile = object("TILE");
    liveScene()->removeObject(tile);
    CMC_Object::destroy(tile);
    EXPECT_EQ(run("PAT^GETALIASATCELL(1, 0)"), "NULL");
    turn();
}

TEST_F(PatternObject, TheStoredRecordGivesThePatternBackEmpty)
{
    const std::string click = behaviour("CLICK", "LOG^ADD(\"click|\");");
    ASSERT_TRUE(startWith(declared("PAT", "PATTERN", {"WIDTH=100", "HEIGHT=60", "GRIDY=20", "LAYERS=3", "TOCANVAS=TRUE", "VISIBLE=TRUE",
                                                      "PRIORITY=2", "ONCLICK=CLICK"}) +
                          pictures() + click));
    run("PAT^ADD(\"a\", 1, 0, \"TILE\", 7)");
    run("PAT^SETGRID(50, 50)");
    std::string bytes = stored(patternObject());
    // Visible, priority 2, 100 x 60, the grid as made (1 x 20), three layers.
    EXPECT_EQ(bytes.substr(bytes.size() - 25), std::string("\x01\x02\0\0\0\x64\0\0\0\x3c\0\0\0\x01\0\0\0\x14\0\0\0\x03\0\0\0", 25));
    stop();
    ASSERT_TRUE(startWith(click));
    auto* copy = dynamic_cast<CMC_Pattern*>(restored("PATTERN", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "PAT");
    CPattern* made = copy->getPattern();
    EXPECT_EQ(made->Width(), 100);
    EXPECT_EQ(made->getColumns(), 100);
    EXPECT_EQ(made->getLayers(), 3);
    EXPECT_TRUE(made->getEntries(0).empty());
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(made), 2);
    press(10, 10);
    EXPECT_EQ(log(), "click|");
}

} // namespace
