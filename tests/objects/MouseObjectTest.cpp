// The MOUSE object: its gates (active rectangle, signal switch, enable), the cursor shapes, warps
// and confinement on the desktop window, and presses made by scripts.
#include "InputScene.h"

#include "objects/CMC_Mouse.h"
#include "script/CMC_NestingGuard.h"

#include <optional>

using namespace objectstest;
using platform::CursorShape;
using platform::ScreenRect;

namespace {

// MOUSE logging each of its signals.
const std::string kLoggingMouse =
    withHandlers("MOUSE", "MOUSE", {},
                 {"ONCLICK^LEFT=" + logs("click-left"), "ONCLICK=" + logs("click"), "ONRELEASE=" + logs("release"),
                  "ONDBLCLICK=" + logs("dbl"), "ONMOVE=" + logs("move")});

class MouseObject : public InputScene {
protected:
    bool startMouse(const std::string& more = "")
    {
        if (!startWith(kLoggingMouse + more))
            return false;
        // The cursors the player gives its window.
        window()->SetActiveCursor(CursorShape::Hand);
        window()->SetWaitCursor(CursorShape::Wait);
        return true;
    }
    void doubleClick(int x, int y) { window()->OnLButtonDblClk(CXPoint(x, y), 0); }
    std::string lastClick() { return run("MOUSE^GETLASTCLICKPOSX()") + "," + run("MOUSE^GETLASTCLICKPOSY()"); }
    std::string position() { return run("MOUSE^GETPOSX()") + "," + run("MOUSE^GETPOSY()"); }
    std::optional<ScreenRect> confinement() { return hostWindow().state().confinement; }
    // Every mouse event once at the point.
    std::string everyEventAt(int x, int y)
    {
        clearLog();
        moveTo(x, y);
        press(x, y);
        release(x, y);
        doubleClick(x, y);
        return log();
    }
};

TEST_F(MouseObject, OnlyEventsInsideTheActiveRectangleRaiseSignals)
{
    ASSERT_TRUE(startMouse());
    run("MOUSE^SETACTIVERECT(100, 100, 200, 200)");
    struct Case {
        const char* what;
        const char* event;
        int x, y;
        const char* logged;
        const char* lastClick;
    };
    const Case cases[] = {
        {"a left press outside still counts as the last click", "left", 50, 50, "", "50,50"},
        {"a left press inside", "left", 150, 150, "click-left|", "150,150"},
        {"a right press falls back to the plain signal", "right", 160, 160, "click|", "150,150"},
        {"a middle press outside", "middle", 250, 150, "", "150,150"},
        {"a release inside", "release", 100, 100, "release|", "150,150"},
        {"the right and bottom edges are outside", "release", 200, 150, "", "150,150"},
        {"a move inside", "move", 199, 199, "move|", "150,150"},
        {"a move outside", "move", 99, 150, "", "150,150"},
        {"a double click inside", "double", 120, 130, "dbl|", "150,150"},
        {"a double click outside", "double", 120, 230, "", "150,150"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearLog();
        const std::string event = c.event;
        if (event == "move")
            moveTo(c.x, c.y);
        else if (event == "release")
            release(c.x, c.y);
        else if (event == "double")
            doubleClick(c.x, c.y);
        else
            press(c.x, c.y, event == "left" ? 0 : event == "middle" ? 1 : 2);
        EXPECT_EQ(log(), c.logged);
        EXPECT_EQ(lastClick(), c.lastClick);
    }
    // The position follows every move.
    EXPECT_EQ(position(), "99,150");
    run("MOUSE^SETACTIVERECT(0, 0, 0, 0)");
    EXPECT_EQ(everyEventAt(5, 5), "move|click-left|release|dbl|");
}

TEST_F(MouseObject, TheSignalSwitchSparesMovesAndDisablingStopsAllWithTheWaitCursor)
{
    ASSERT_TRUE(startMouse());
    struct Case {
        const char* line;
        const char* logged;
        CursorShape cursor;
    };
    const Case cases[] = {
        {"MOUSE^DISABLESIGNAL()", "move|", CursorShape::Arrow},
        {"MOUSE^ENABLESIGNAL()", "move|click-left|release|dbl|", CursorShape::Arrow},
        {"MOUSE^DISABLE()", "", CursorShape::Wait},
        {"MOUSE^ENABLE()", "move|click-left|release|dbl|", CursorShape::Arrow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        run(c.line);
        EXPECT_EQ(everyEventAt(10, 10), c.logged);
        EXPECT_EQ(hostWindow().cursor(), c.cursor);
    }
}

TEST_F(MouseObject, HandlersAccumulate)
{
    ASSERT_TRUE(startWith(withHandlers("MOUSE", "MOUSE", {}, {"ONCLICK=" + logs("first")}) +
                          apptest::behaviour("SECOND", "LOG^ADD(\"second|\");")));
    run("MOUSE^ADDBEHAVIOUR(\"ONCLICK\", \"SECOND\")");
    press(1, 1);
    EXPECT_EQ(log(), "first|second|");
}

TEST_F(MouseObject, CursorShapesAndVisibility)
{
    ASSERT_TRUE(startMouse());
    struct Case {
        const char* line;
        CursorShape cursor;
    };
    const Case cases[] = {
        {"MOUSE^SET(\"WAIT\")", CursorShape::Wait},
        {"MOUSE^SET(\"ARROW\")", CursorShape::Arrow},
        {"MOUSE^SET(\"ACTIVE\")", CursorShape::Hand},
        {"MOUSE^SET(\"HAND\")", CursorShape::Hand},
        {"MOUSE^LOCKACTIVECURSOR(TRUE)", CursorShape::Arrow},
        {"MOUSE^SET(\"ACTIVE\")", CursorShape::Arrow},
        {"MOUSE^LOCKACTIVECURSOR(FALSE)", CursorShape::Arrow},
        {"MOUSE^SET(\"ACTIVE\")", CursorShape::Hand},
    };
    for (const Case& c : cases) {
        run(c.line);
        EXPECT_EQ(hostWindow().cursor(), c.cursor) << c.line;
    }
    // Hiding and showing count once each, however often they are asked.
    const int shown = hostWindow().cursorShowCount();
    run("MOUSE^SHOW()");
    run("MOUSE^HIDE()");
    run("MOUSE^HIDE()");
    EXPECT_EQ(hostWindow().cursorShowCount(), shown - 1);
    run("MOUSE^SHOW()");
    run("MOUSE^SHOW()");
    EXPECT_EQ(hostWindow().cursorShowCount(), shown);
}

TEST_F(MouseObject, PositionsAreWarpsInClientCoordinates)
{
    input.setPointer({30, 40});
    ASSERT_TRUE(startMouse());
    // Where the pointer stood when the object was made.
    EXPECT_EQ(position(), "30,40");
    run("MOUSE^SETPOSITION(100, 100)");
    run("MOUSE^MOVE(5, 0)");
    EXPECT_EQ(position(), "105,100");
    const auto& warps = hostWindow().state().warps;
    ASSERT_EQ(warps.size(), 2u);
    EXPECT_EQ(warps[1].x, 105);
    EXPECT_EQ(warps[1].y, 100);
    EXPECT_EQ(warps[0].x, 100);
}

TEST_F(MouseObject, TheConfinementLeavesWithTheFocusAndEndsWithTheScene)
{
    // The client area, and the screen with it, stands at (100, 50) on the desktop.
    hostWindow().moveClient({100, 50}, {800, 600});
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S, T"}) +
                    apptest::treeElement("S", "SCENE", {}) + apptest::treeElement("T", "SCENE", {}));
    writeScript("S", declared("MOUSE", "MOUSE"));
    writeScript("T", declared("MOUSE", "MOUSE"));
    ASSERT_TRUE(start());
    const ScreenRect onScreen{10, 20, 110, 120};

    run("MOUSE^SETCLIPRECT(10, 20, 110, 120)");
    EXPECT_EQ(CMC_Mouse::getClipRect(), CXRect(110, 70, 210, 170));
    EXPECT_EQ(confinement(), onScreen);
    window()->OnActivateApp(false);
    EXPECT_EQ(confinement(), std::nullopt);
    window()->OnActivateApp(true);
    EXPECT_EQ(confinement(), onScreen);

    run("MOUSE^SETCLIPRECT(0, 0, 0, 0)");
    EXPECT_EQ(confinement(), std::nullopt);
    window()->OnActivateApp(false);
    window()->OnActivateApp(true);
    EXPECT_EQ(confinement(), std::nullopt);

    // The confinement outlives its object but not its scene.
    run("MOUSE^SETCLIPRECT(10, 20, 110, 120)");
    episode("E")->next();
    turn();
    EXPECT_EQ(confinement(), std::nullopt);
    window()->OnActivateApp(false);
    window()->OnActivateApp(true);
    EXPECT_EQ(confinement(), std::nullopt);
}

TEST_F(MouseObject, ScriptPressesGoThroughTheWindow)
{
    writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
    ASSERT_TRUE(startWith(withHandlers("MOUSE", "MOUSE", {}, {"ONCLICK^LEFT=" + logs("left"), "ONRELEASE^RIGHT=" + logs("right-up")}) +
                          withHandlers("BOX", "IMAGE", {"FILENAME=BOX.IMG", "VISIBLE=TRUE", "ASBUTTON=TRUE"},
                                       {"ONCLICK=" + logs("box")})));
    struct Case {
        const char* line;
        const char* logged;
    };
    const Case cases[] = {
        // The MOUSE object hears every press and takes none: the picture under it still does.
        {"MOUSE^CLICK(120, 50)", "left|box|"},
        {"MOUSE^CLICK(10, 20)", "left|"},
        {"MOUSE^CLICK(120, 50, \"RIGHT\")", "box|"},
        {"MOUSE^MOUSERELEASE(120, 50, \"RIGHT\")", "right-up|"},
        {"MOUSE^CLICK(120, 50, \"BOTH\")", ""},
    };
    for (const Case& c : cases) {
        clearLog();
        run(c.line);
        EXPECT_EQ(log(), c.logged) << c.line;
    }
    EXPECT_EQ(lastClick(), "10,20");
}

TEST_F(MouseObject, AClickInsideAClickHandlerEndsAtTheNestingCap)
{
    ASSERT_TRUE(startWith(declared("DEPTH", "INTEGER", {"VALUE=0"}) +
                          withHandlers("MOUSE", "MOUSE", {}, {"ONCLICK={DEPTH^INC();MOUSE^CLICK(5, 5);}"})));
    run("MOUSE^CLICK(5, 5)");
    const int depth = std::stoi(value("DEPTH"));
    EXPECT_GT(depth, 1);
    EXPECT_LE(depth, CMC_NestingGuard::kMaxRunning);
    // The next press is a fresh run.
    run("DEPTH^SET(0)");
    press(5, 5);
    EXPECT_GT(std::stoi(value("DEPTH")), 1);
}

TEST_F(MouseObject, ButtonsHeldAreReadLive)
{
    ASSERT_TRUE(startMouse());
    EXPECT_EQ(run("MOUSE^ISLBUTTONDOWN()") + run("MOUSE^ISRBUTTONDOWN()"), "FALSEFALSE");
    input.setButtonHeld(0, true);
    EXPECT_EQ(run("MOUSE^ISLBUTTONDOWN()") + run("MOUSE^ISRBUTTONDOWN()"), "TRUEFALSE");
    input.setButtonHeld(0, false);
    input.setButtonHeld(1, true);
    EXPECT_EQ(run("MOUSE^ISLBUTTONDOWN()") + run("MOUSE^ISRBUTTONDOWN()"), "FALSETRUE");
}

} // namespace
