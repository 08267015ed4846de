// GRBUFFER objects: stamps of a source picture in a destination picture or the screen's
// background, drawn, undone pixel for pixel, forgotten and found; and every call that must do
// nothing.
#include "MediaScene.h"

#include "graphics/CDirectDrawSurface.h"
#include "graphics/CImage.h"
#include "graphics/CRefreshScreen.h"

#include <vector>

using namespace objectstest;

namespace {

class GrBuffer : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        // A source of distinct pixels: 0xA000 + row * 16 + column.
        Bytes pixels;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                uint16_t pixel = uint16_t(0xA000 + y * 16 + x);
                pixels.push_back(uint8_t(pixel));
                pixels.push_back(uint8_t(pixel >> 8));
            }
        }
        graphicstest::StillImage source(10, 10, pixels, filledAlpha(10, 10, 255));
        Bytes bytes = source.pik();
        writeFile(gameFolder + "Dane/SRC.IMG", std::string(bytes.begin(), bytes.end()));
        writePicture("DEST.IMG", 40, 30, 0x1111);
        writePicture("SAME.IMG", 10, 10, 0x2222);
    }
    static std::string buffer(const std::string& name, const std::string& destiny)
    {
        return declared(name, "GRBUFFER", {"SOURCE=SRC", "DESTINY=" + destiny});
    }
    static std::string scene()
    {
        return declared("SRC", "IMAGE", {"FILENAME=SRC.IMG"}) + declared("DEST", "IMAGE", {"FILENAME=DEST.IMG"}) +
               declared("SAME", "IMAGE", {"FILENAME=SAME.IMG"}) + buffer("GB", "DEST");
    }
    std::vector<uint16_t> destination()
    {
        CImage* picture = image("DEST")->getImage();
        auto* pixels = reinterpret_cast<uint16_t*>(picture->GetDataPtr());
        return std::vector<uint16_t>(pixels, pixels + picture->Width() * picture->Height());
    }
    uint16_t destinationAt(int x, int y) { return destination()[size_t(y * 40 + x)]; }
};

TEST_F(GrBuffer, StampsMustLieInsideWithoutTouchingTheRightOrBottomEdge)
{
    ASSERT_TRUE(startWith(scene() + buffer("SAMEGB", "SAME")));
    struct Case {
        const char* call;
        const char* answer;
    };
    const Case cases[] = {
        {"SAMEGB^CREATE(0, 0)", "-1"},
        {"GB^CREATE(30, 0)", "-1"},
        {"GB^CREATE(29, 19)", "0"},
        {"GB^CREATE(0, 20)", "-1"},
        {"GB^CREATE(-1, 0)", "-1"},
        {"GB^CREATE(35, 0, 0, 0, 4, 4)", "1"},
        {"GB^CREATE(35, 0, 4, 4, 0, 0)", "-1"},
        {"GB^CREATE(0, 0, 5, 0, 5, 8)", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.call), c.answer) << c.call;
    // An empty part stands for the whole source: the stamp covers 10 x 10.
    EXPECT_EQ(run("GB^FINDAT(9, 9)"), "2");
    EXPECT_EQ(run("GB^FINDAT(10, 9)"), "-1");
}

TEST_F(GrBuffer, ThousandSlotsAndAFlushedSlotIsTakenAgain)
{
    ASSERT_TRUE(startWith(scene()));
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(run("GB^CREATE(1, 1)"), std::to_string(i));
    EXPECT_EQ(run("GB^CREATE(1, 1)"), "-1");
    run("GB^FLUSH(5, FALSE, FALSE)");
    EXPECT_EQ(run("GB^CREATE(2, 2)"), "5");
    EXPECT_EQ(run("GB^CREATE(2, 2)"), "-1");
    run("GB^FLUSHALL(FALSE, FALSE)");
    EXPECT_EQ(run("GB^CREATE(2, 2)"), "0");
}

TEST_F(GrBuffer, DrawThenUndoGivesBackEveryPixel)
{
    ASSERT_TRUE(startWith(scene()));
    std::vector<uint16_t> before = destination();
    EXPECT_EQ(run("GB^CREATE(3, 4)"), "0");
    EXPECT_EQ(destination(), before) << "nothing is drawn by CREATE";
    run("GB^DRAW(0, FALSE)");
    EXPECT_EQ(destinationAt(3, 4), 0xA000);
    EXPECT_EQ(destinationAt(12, 13), 0xA099);
    EXPECT_EQ(destinationAt(13, 4), 0x1111);
    run("GB^UNDO(0, FALSE)");
    EXPECT_EQ(destination(), before);
    // A part of the source lands with its corner at the stamp's place, and goes again.
    EXPECT_EQ(run("GB^CREATE(20, 10, 2, 3, 6, 5)"), "1");
    run("GB^DRAW(1, FALSE)");
    EXPECT_EQ(destinationAt(20, 10), 0xA032);
    EXPECT_EQ(destinationAt(23, 11), 0xA045);
    EXPECT_EQ(destinationAt(24, 11), 0x1111);
    EXPECT_EQ(destinationAt(20, 12), 0x1111);
    run("GB^FLUSH(1, TRUE, FALSE)");
    EXPECT_EQ(destination(), before);
    // The source stays where it stood.
    EXPECT_EQ(image("SRC")->getImage()->GetPosition(), CXPoint(0, 0));
}

TEST_F(GrBuffer, FindAtAnswersTheHighestOverlappingStamp)
{
    ASSERT_TRUE(startWith(scene()));
    run("GB^CREATE(0, 0)");
    run("GB^CREATE(5, 5)");
    run("GB^CREATE(20, 0)");
    EXPECT_EQ(run("GB^FINDAT(6, 6)"), "1");
    EXPECT_EQ(run("GB^FINDAT(1, 1)"), "0");
    EXPECT_EQ(run("GB^FINDAT(25, 5)"), "2");
    EXPECT_EQ(run("GB^FINDAT(39, 29)"), "-1");
}

TEST_F(GrBuffer, FlushAllUndoesOnlyWhenAsked)
{
    ASSERT_TRUE(startWith(scene()));
    std::vector<uint16_t> before = destination();
    run("GB^CREATE(0, 0)");
    run("GB^CREATE(5, 5)");
    run("GB^DRAW(0, FALSE)");
    run("GB^DRAW(1, FALSE)");
    // The later stamp is undone first, so the first one's backup is the last word.
    run("GB^FLUSHALL(TRUE, FALSE)");
    EXPECT_EQ(destination(), before);
    EXPECT_EQ(run("GB^FINDAT(1, 1)"), "-1");
    run("GB^CREATE(0, 0)");
    run("GB^DRAW(0, FALSE)");
    std::vector<uint16_t> drawn = destination();
    run("GB^FLUSHALL(FALSE, TRUE)");
    EXPECT_EQ(destination(), drawn);
    EXPECT_EQ(run("GB^FINDAT(1, 1)"), "-1");
}

TEST_F(GrBuffer, CallsWithoutAStampOrAPictureDoNothing)
{
    ASSERT_TRUE(startWith(scene() + declared("NOSOURCE", "GRBUFFER", {"SOURCE=NOBODY", "DESTINY=DEST"}) +
                          buffer("NODEST", "NOBODY")));
    std::vector<uint16_t> before = destination();
    run("GB^CREATE(0, 0)");
    for (const char* call : {"GB^DRAW(-1, TRUE)", "GB^DRAW(1, TRUE)", "GB^DRAW(1000, TRUE)", "GB^UNDO(-1, TRUE)", "GB^UNDO(1000, TRUE)",
                             "GB^FLUSH(1000, TRUE, TRUE)", "GB^FLUSH(-1, TRUE, TRUE)", "GB^FLUSH(7, TRUE, TRUE)"})
        run(call);
    EXPECT_EQ(destination(), before);
    EXPECT_EQ(run("NOSOURCE^CREATE(0, 0)"), "-1");
    EXPECT_EQ(run("NODEST^CREATE(0, 0)"), "-1");
    // A destination deleted after the stamp was made is never written.
    run("GB^DRAW(0, FALSE)");
    CMC_Object::destroy(object("DEST"));
    run("GB^UNDO(0, TRUE)");
    run("GB^DRAW(0, TRUE)");
    EXPECT_EQ(run("GB^CREATE(0, 0)"), "-1");
    EXPECT_EQ(run("GB^FINDAT(0, 0)"), "0");
}

TEST_F(GrBuffer, TheScreensBackgroundTakesStampsAndShowsThem)
{
    writePicture("BACK.IMG", 800, 600, 0x0010);
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S"}) +
                    apptest::treeElement("S", "SCENE", {"BACKGROUND=BACK.IMG"}));
    writeScript("S", declared("SRC", "IMAGE", {"FILENAME=SRC.IMG"}) + buffer("GB", "BACKGROUND") + declared("CO", "CANVAS_OBSERVER"));
    ASSERT_TRUE(start());
    turn();
    auto shown = [this](int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; };
    EXPECT_EQ(run("GB^CREATE(100, 200)"), "0");
    run("GB^DRAW(0, TRUE)");
    turn();
    EXPECT_EQ(shown(101, 201), 0xA011);
    run("GB^UNDO(0, TRUE)");
    turn();
    EXPECT_EQ(shown(101, 201), 0x0010);
    // BACKGROUND is whatever background the screen has now; the old one is gone.
    writePicture("OTHER.IMG", 800, 600, 0x0300);
    run("CO^SETBACKGROUND(\"OTHER.IMG\")");
    run("GB^DRAW(0, TRUE)");
    turn();
    EXPECT_EQ(shown(101, 201), 0xA011);
    EXPECT_EQ(shown(99, 201), 0x0300);
}

} // namespace
