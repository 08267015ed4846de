// The CANVASOBSERVER object: the screen's drawing and the window's focus as signals, pictures put
// straight on the screen, its background, the object under a point and saving the screen.
#include "MediaScene.h"

#include "graphics/CDirectDrawSurface.h"
#include "graphics/CImage.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_CanvasObserver.h"

using namespace objectstest;

namespace {

const std::string kObserverSignals[] = {"ONINITIALUPDATE", "ONUPDATE", "ONUPDATED", "ONINITIALUPDATED", "ONWINDOWFOCUSON",
                                        "ONWINDOWFOCUSOFF"};

class CanvasObserver : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
    }
    // CO, with a handler logging each signal's name.
    static std::string observer(const std::string& name = "CANVASOBSERVER")
    {
        std::string text = declared(name, "CANVAS_OBSERVER");
        for (const std::string& signal : kObserverSignals)
            text += name + ":" + signal + "=" + logs(signal) + "\n";
        return text;
    }
    // An image of its own file (images of one file share their picture).
    std::string box(const std::string& name, int priority, bool visible = true)
    {
        writePicture(name + ".IMG", 50, 20, 0xF800, 255, 100, 40);
        return declared(name, "IMAGE", {"FILENAME=" + name + ".IMG", "TOCANVAS=TRUE", "PRIORITY=" + std::to_string(priority),
                                        std::string("VISIBLE=") + (visible ? "TRUE" : "FALSE")});
    }
    CRefreshScreen* screen() { return window()->GetRefreshScreenInterface(); }
    uint16_t shown(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
};

TEST_F(CanvasObserver, TheScreensDrawingBecomesSignalsInOrder)
{
    ASSERT_TRUE(startWith(observer() + box("BOX", 1)));
    run("CANVASOBSERVER^ENABLENOTIFY(TRUE)");
    turn();
    EXPECT_EQ(log(), "ONINITIALUPDATE|ONUPDATE|ONUPDATED|ONINITIALUPDATED|");
    clearLog();
    run("BOX^SETPOSITION(10, 10)");
    turn();
    EXPECT_EQ(log(), "ONUPDATE|ONUPDATED|");
    clearLog();
    window()->OnActivateApp(false);
    window()->OnActivateApp(true);
    EXPECT_EQ(log(), "ONWINDOWFOCUSOFF|ONWINDOWFOCUSON|");
}

TEST_F(CanvasObserver, WithNotificationsOffOnlyTheEndOfTheFirstDrawingComes)
{
    ASSERT_TRUE(startWith(observer() + box("BOX", 1)));
    run("CANVASOBSERVER^ENABLENOTIFY(FALSE)");
    turn();
    run("BOX^SETPOSITION(10, 10)");
    turn();
    window()->OnActivateApp(false);
    window()->OnActivateApp(true);
    EXPECT_EQ(log(), "ONINITIALUPDATED|");
}

TEST_F(CanvasObserver, AFurtherDefinitionAddsItsHandlersToTheSceneOne)
{
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S"}) +
                    apptest::treeElement("S", "SCENE", {}));
    writeScript("E", declared("LOG", "STRING") + declared("CANVASOBSERVER", "CANVAS_OBSERVER", {"ONUPDATE=" + logs("episode")}));
    writeScript("S", box("BOX", 1) + declared("CANVASOBSERVER", "CANVAS_OBSERVER", {"ONUPDATED=" + logs("scene")}));
    ASSERT_TRUE(start());
    EXPECT_EQ(liveScene()->getObjectId("CANVASOBSERVER"), -1) << "the scene made none of its own";
    run("CANVASOBSERVER^ENABLENOTIFY(TRUE)");
    turn();
    EXPECT_EQ(log(), "episode|scene|");
}

TEST_F(CanvasObserver, GetGraphicsAtNamesTheOwnerOfWhatIsShown)
{
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S"}) +
                    apptest::treeElement("S", "SCENE", {}));
    writeScript("E", declared("OUTER", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=9"}));
    writePicture("HOLE.IMG", 20, 20, 0x07E0, 0, 300, 300);
    writeScript("S", declared("CO", "CANVAS_OBSERVER") + box("LOW", 1) + box("HIGH", 5, false) +
                         declared("HOLE", "IMAGE", {"FILENAME=HOLE.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE"}));
    ASSERT_TRUE(start());
    run("OUTER^SETPOSITION(600, 500)");
    CGraphicsObject stranger(window(), CXSize(10, 10), 16);
    stranger.SetPosition(400, 400);
    screen()->put(&stranger, 0);
    struct Case {
        const char* call;
        const char* answer;
    };
    const Case cases[] = {
        {"CO^GETGRAPHICSAT(5, 5)", "NULL"},
        {"CO^GETGRAPHICSAT(110, 50)", "HIGH"},
        {"CO^GETGRAPHICSAT(110, 50, TRUE)", "LOW"},
        {"CO^GETGRAPHICSAT(110, 50, FALSE, 0, 3)", "LOW"},
        {"CO^GETGRAPHICSAT(110, 50, FALSE, 2, -1)", "HIGH"},
        {"CO^GETGRAPHICSAT(405, 405)", "UNKNOWN"},
        // A transparent pixel counts only without the alpha test.
        {"CO^GETGRAPHICSAT(305, 305)", "NULL"},
        {"CO^GETGRAPHICSAT(305, 305, FALSE, -1, -1, TRUE)", "HOLE"},
        // The episode's picture: its owner is found among the parents' objects only when asked.
        {"CO^GETGRAPHICSAT(610, 510)", "UNKNOWN"},
        {"CO^GETGRAPHICSAT2(610, 510)", "OUTER"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.call), c.answer) << c.call;
    *screen() >> &stranger;
}

TEST_F(CanvasObserver, PicturesGoStraightOnTheScreenAndOff)
{
    ASSERT_TRUE(startWith(declared("CO", "CANVAS_OBSERVER") + declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "VISIBLE=TRUE"})));
    run("CO^ADD(\"BOX\")");
    EXPECT_EQ(screen()->GetPriority(image("BOX")->getImage()), 1000);
    turn();
    EXPECT_EQ(shown(110, 50), 0xF800);
    run("CO^REMOVE(\"BOX\")");
    run("CO^ADD(\"BOX\", 4)");
    EXPECT_EQ(screen()->GetPriority(image("BOX")->getImage()), 4);
    EXPECT_EQ(run("CO^GETBPP()"), "16");
    run("CO^REMOVE(\"NOBODY\")");
    run("CO^ADD(\"NOBODY\")");
}

TEST_F(CanvasObserver, TheBackgroundIsSetMovedAndStampedInto)
{
    writePicture("BACK.IMG", 800, 600, 0x0010);
    ASSERT_TRUE(startWith(declared("CO", "CANVAS_OBSERVER") + declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"})));
    // A name that is no object's is a file.
    run("CO^SETBACKGROUND(\"BACK.IMG\")");
    turn();
    EXPECT_EQ(shown(5, 5), 0x0010);
    run("CO^PASTE(\"BOX\", 10, 10)");
    EXPECT_EQ(image("BOX")->getImage()->GetPosition(), CXPoint(100, 40));
    run("CO^REFRESH()");
    turn();
    EXPECT_EQ(shown(12, 12), 0xF800);
    EXPECT_EQ(shown(5, 5), 0x0010);
    run("CO^SETBKGPOS(5, 0)");
    turn();
    EXPECT_EQ(shown(7, 12), 0xF800);
    run("CO^MOVEBKG(-5, 0)");
    turn();
    EXPECT_EQ(shown(12, 12), 0xF800);
    // An object's picture becomes the background.
    run("CO^SETBACKGROUND(\"BOX\")");
    turn();
    EXPECT_EQ(screen()->getBackgroundIfc()->Width(), 50);
}

TEST_F(CanvasObserver, SaveWritesAScaledCopyAndLeavesTheScreen)
{
    ASSERT_TRUE(startWith(declared("CO", "CANVAS_OBSERVER") + box("BOX", 1)));
    turn();
    run("CO^SAVE(\"T:\\HALF.IMG\", 0.5, 0.5)");
    run("CO^SAVE(\"T:\\PART.IMG\", 1.0, 1.0, 100, 40, 150, 60)");
    CImage half(window(), "T:\\HALF.IMG");
    EXPECT_EQ(half.Width(), 400);
    EXPECT_EQ(half.Height(), 300);
    EXPECT_EQ(uint16_t(half.GetPixel(55, 25).getPixel()), 0xF800);
    CImage part(window(), "T:\\PART.IMG");
    EXPECT_EQ(part.Width(), 50);
    EXPECT_EQ(uint16_t(part.GetPixel(0, 0).getPixel()), 0xF800);
    EXPECT_EQ(screen()->getRefreshDestiny()->Width(), 800);
    run("CO^REDRAW()");
    EXPECT_EQ(shown(110, 50), 0xF800);
}

} // namespace
