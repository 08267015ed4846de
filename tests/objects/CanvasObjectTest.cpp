// CANVAS objects in a live scene: pointer handling on from the start, pictures put on by name and
// put back on a new canvas, baking with and without deleting their objects, saving, and the
// stored record.
#include "MediaScene.h"

#include "graphics/CCanvas.h"
#include "graphics/GraphicsTestSupport.h"
#include "graphics/CImage.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_Canvas.h"
#include "platform/HostWindow.h"

using namespace objectstest;
using graphicstest::sizeOf;

namespace {

class CanvasObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("DOT.IMG", 10, 10, 0x07E0, 255, 5, 5);
        writeAnimation("HERO.ANN", animationOf(1, 0, 0, {graphicstest::AnimationEvent("STAND", {{0}})}));
    }
    // CNV: a canvas of 100 x 50 at priority 3 with the properties and handlers given.
    static std::string canvasText(std::initializer_list<std::string> more)
    {
        std::string text = declared("CNV", "CANVAS", {"WIDTH=100", "HEIGHT=50", "PRIORITY=3"});
        for (const std::string& property : more)
            text += "CNV:" + property + "\n";
        return text;
    }
    static std::string dot() { return declared("DOT", "IMAGE", {"FILENAME=DOT.IMG", "VISIBLE=TRUE"}); }

    CMC_Canvas* canvasObject(const std::string& name = "CNV") { return dynamic_cast<CMC_Canvas*>(object(name)); }
    CCanvas* canvas(const std::string& name = "CNV") { return canvasObject(name) != nullptr ? canvasObject(name)->getCanvas() : nullptr; }
    CRefreshScreen* screen() { return window()->GetRefreshScreenInterface(); }
};

TEST_F(CanvasObject, ClicksNeedNoSetAsButtonAndNameTheirButton)
{
    ASSERT_TRUE(startWith(canvasText({"ONCLICK=" + logs("click"), "ONCLICK^RIGHT=" + logs("right"), "ONRELEASE=" + logs("release")})));
    EXPECT_TRUE(canvasObject()->isListening());
    EXPECT_TRUE(canvasObject()->isAsButton());
    EXPECT_EQ(screen()->GetPriority(canvas()), 3);
    press(10, 10);
    press(10, 10, 2);
    press(10, 10, 1);
    release(99, 49);
    // Outside the canvas nothing happens.
    press(100, 10);
    release(10, 50);
    EXPECT_EQ(log(), "click|right|click|release|");
}

TEST_F(CanvasObject, SetAsButtonSwitchesTheSignalsAndTheCursor)
{
    struct Case {
        const char* call;
        const char* logged;
        bool cursorSwitched;
    };
    const Case cases[] = {
        {"", "on|click|off|", true},
        {"CNV^SETASBUTTON(FALSE)", "", false},
        {"CNV^SETASBUTTON(TRUE, FALSE)", "on|click|off|", false},
        {"CNV^SETASBUTTON(TRUE)", "on|click|off|", true},
    };
    ASSERT_TRUE(startWith(canvasText({"ONFOCUSON=" + logs("on"), "ONFOCUSOFF=" + logs("off"), "ONCLICK=" + logs("click")})));
    window()->SetActiveCursor(platform::CursorShape::Hand);
    for (const Case& c : cases) {
        run("CNV^SETASBUTTON(TRUE)");
        clearLog();
        if (*c.call != '\0')
            run(c.call);
        moveTo(20, 20);
        bool switched = hostWindow().cursor() == platform::CursorShape::Hand;
        press(20, 20);
        moveTo(200, 200);
        EXPECT_EQ(log(), c.logged) << c.call;
        EXPECT_EQ(switched, c.cursorSwitched) << c.call;
        EXPECT_EQ(hostWindow().cursor(), platform::CursorShape::Arrow) << c.call;
    }
}

TEST_F(CanvasObject, AHiddenCanvasRaisesNothing)
{
    ASSERT_TRUE(startWith(canvasText({"ONFOCUSON=" + logs("on"), "ONCLICK=" + logs("click"), "ONRELEASE=" + logs("release")})));
    run("CNV^HIDE()");
    moveTo(20, 20);
    press(20, 20);
    release(20, 20);
    EXPECT_EQ(log(), "");
    run("CNV^SHOW()");
    run("CNV^SETPOSITION(500, 400)");
    press(20, 20);
    press(510, 410);
    EXPECT_EQ(log(), "click|");
    EXPECT_EQ(run("CNV^GETPOSITIONX()"), "500");
    EXPECT_EQ(run("CNV^GETPOSITIONY()"), "400");
}

TEST_F(CanvasObject, RecreatePutsBackTheAddedImagesAndTextsAtTheNewPriority)
{
    ASSERT_TRUE(startWith(canvasText({}) + dot() + declared("TXT", "TEXT", {"TEXT=A"}) +
                          declared("HERO", "ANIMO", {"FILENAME=HERO.ANN"})));
    run("CNV^ADD(\"DOT\", 5)");
    run("CNV^ADD(\"TXT\")");
    run("CNV^ADD(\"HERO\", 2)");
    run("CNV^ADD(\"NOBODY\")");
    ASSERT_EQ(canvas()->getChildCount(), 3);
    EXPECT_EQ(canvasObject()->getAddedObjects().size(), 2u);
    run("CNV^RECREATE(120, 60, TRUE, TRUE, 7, FALSE)");
    CCanvas* made = canvas();
    EXPECT_EQ(screen()->GetPriority(made), 7);
    EXPECT_EQ(run("CNV^GETWIDTH()"), "120");
    EXPECT_EQ(run("CNV^GETHEIGHT()"), "60");
    ASSERT_NE(made->getBackground(), nullptr);
    EXPECT_NE(made->GetChannelAlpha(), nullptr);
    // The background, then the two remembered pictures in the order they were added.
    ASSERT_EQ(made->getChildCount(), 3);
    EXPECT_EQ(made->getChild(1), image("DOT")->getImage());
    EXPECT_EQ(made->getChild(2), liveScene()->getGraphicsObject("TXT"));
    run("CNV^RECREATE(10, 10, FALSE, FALSE, 1, TRUE)");
    EXPECT_EQ(canvas()->getChildCount(), 0);
    EXPECT_EQ(canvas()->getBackground(), nullptr);
}

TEST_F(CanvasObject, CaptureDeletesTheAddedObjectsOnceOrForgetsThem)
{
    writePicture("KEPT.IMG", 10, 10, 0x07E0, 255);
    ASSERT_TRUE(startWith(canvasText({"ALPHA=TRUE", "BACKGROUND=TRUE"}) + dot() + declared("KEPT", "IMAGE", {"FILENAME=KEPT.IMG", "VISIBLE=TRUE"})));
    run("CNV^ADD(\"DOT\")");
    run("CNV^ADD(\"DOT\")");
    run("CNV^CLONE(1)");
    ASSERT_NE(canvasObject("CNV_1"), nullptr);
    run("CNV^CAPTURE()");
    EXPECT_EQ(object("DOT"), nullptr);
    EXPECT_NE(object("KEPT"), nullptr);
    // The picture stays in the background: its 10 x 10 opaque pixels.
    EXPECT_EQ(run("CNV^GETNUMVISIBLEPIXELS()"), "100");
    EXPECT_EQ(canvas()->getChildCount(), 1);
    // The clone's list named the same object, which is gone.
    run("CNV_1^CAPTURE()");
    EXPECT_EQ(run("CNV_1^GETNUMVISIBLEPIXELS()"), "0");
    run("CNV^ADD(\"KEPT\")");
    run("CNV^CAPTURE(FALSE)");
    EXPECT_NE(object("KEPT"), nullptr);
    EXPECT_TRUE(canvasObject()->getAddedObjects().empty());
    run("CNV^RECREATE(100, 50, TRUE, TRUE, 3, FALSE)");
    EXPECT_EQ(canvas()->getChildCount(), 1);
}

TEST_F(CanvasObject, SaveWritesTheCanvasScaledOrACroppedCopy)
{
    ASSERT_TRUE(startWith(canvasText({}) + dot()));
    run("CNV^ADD(\"DOT\")");
    run("CNV^SAVE(\"T:\\CUT.IMG\", 1.0, 1.0, 5, 5, 25, 15)");
    run("CNV^SAVE(\"T:\\WHOLE.IMG\", 2.0)");
    CImage cut(window(), "T:\\CUT.IMG");
    EXPECT_EQ(sizeOf(cut), std::make_pair(20, 10));
    EXPECT_EQ(cut.GetPixel(0, 0).getPixel(), 0x07E0);
    EXPECT_EQ(cut.GetPixel(10, 0).getPixel(), 0);
    CImage whole(window(), "T:\\WHOLE.IMG");
    EXPECT_EQ(sizeOf(whole), std::make_pair(200, 50));
    EXPECT_EQ(whole.GetPixel(10, 5).getPixel(), 0x07E0);
    // Without a rectangle the canvas itself was scaled.
    EXPECT_EQ(run("CNV^GETWIDTH()"), "200");
    // A rectangle without width or height is no rectangle.
    run("CNV^SAVE(\"T:\\FLAT.IMG\", 0.5, 1.0, 5, 5, 5, 15)");
    CImage flat(window(), "T:\\FLAT.IMG");
    EXPECT_EQ(sizeOf(flat), std::make_pair(100, 50));
}

TEST_F(CanvasObject, TheStoredRecordGivesTheCanvasBack)
{
    const std::string click = behaviour("CLICK", "LOG^ADD(\"click|\");");
    ASSERT_TRUE(startWith(canvasText({"ALPHA=TRUE", "BACKGROUND=TRUE", "ONCLICK=CLICK"}) + click));
    std::string bytes = stored(canvasObject());
    std::string tail = bytes.substr(bytes.size() - 14);
    EXPECT_EQ(tail, std::string("\x64\0\0\0\x32\0\0\0\x03\0\0\0\x01\x01", 14));
    stop();
    ASSERT_TRUE(startWith(click));
    auto* copy = dynamic_cast<CMC_Canvas*>(restored("CANVAS", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "CNV");
    CCanvas* made = copy->getCanvas();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sizeOf(*made), std::make_pair(100, 50));
    EXPECT_NE(made->GetChannelAlpha(), nullptr);
    EXPECT_NE(made->getBackground(), nullptr);
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(made), 3);
    press(10, 10);
    EXPECT_EQ(log(), "click|");
}

TEST_F(CanvasObject, DrawAndEraseWorkOnTheBackground)
{
    writePicture("BRUSH.IMG", 4, 4, 0x001F, 255);
    ASSERT_TRUE(startWith(canvasText({"ALPHA=TRUE", "BACKGROUND=TRUE"}) + dot() + declared("BRUSH", "IMAGE", {"FILENAME=BRUSH.IMG"})));
    run("CNV^DRAW(\"DOT\", 30, 20)");
    EXPECT_EQ(run("CNV^GETNUMVISIBLEPIXELS()"), "100");
    run("CNV^ERASE(\"BRUSH\", 30, 20)");
    EXPECT_EQ(run("CNV^GETNUMVISIBLEPIXELS()"), "84");
    run("CNV^DRAW(\"NOBODY\", 0, 0)");
    run("CNV^ERASE(\"NOBODY\", 0, 0)");
    EXPECT_EQ(run("CNV^GETNUMVISIBLEPIXELS()"), "84");
    run("CNV^CLEAR()");
    EXPECT_EQ(run("CNV^GETNUMVISIBLEPIXELS()"), "0");
    // The stamp shows once the screen draws the canvas.
    run("CNV^DRAW(\"DOT\", 0, 0)");
    turn();
    EXPECT_EQ(reinterpret_cast<uint16_t*>(display.primary()->pixels())[2 * 800 + 2], 0x07E0);
}

} // namespace
