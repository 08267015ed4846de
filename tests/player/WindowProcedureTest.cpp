// The main window's procedure over a game started headless through the engine host.
#include "application/GameHost.h"

#include "graphics/CMouseListener.h"
#include "graphics/CRefreshScreen.h"
#include "platform/WindowSystem.h"
#include "player/CPlayerMenu.h"
#include "player/MainWndProc.h"

#include <vector>

using namespace apptest;

namespace {

struct DoubleClicks : CMouseListener {
    bool onDblClick(CXPoint point) override
    {
        points.push_back(point);
        return true;
    }
    std::vector<CXPoint> points;
};

class WindowProcedure : public GameHost {
protected:
    CXPoint screenPosition() { return window()->GetRefreshScreenInterface()->GetPosition(); }
};

TEST_F(WindowProcedure, MovesPaintsActivationAndDoubleClicksReachTheWindowHost)
{
    ASSERT_TRUE(startScene("", "-window"));
    turn();
    MainWndProc procedure(window());

    // The client area's corner, its row no lower than 800.
    procedure.onMove(10, 900);
    EXPECT_EQ(screenPosition(), CXPoint(10, 800));
    procedure.onMove(-5, 20);
    EXPECT_EQ(screenPosition(), CXPoint(-5, 20));

    // Only an exposure draws the whole screen again: turns without one draw nothing.
    turns(2);
    const int drawn = display.changedPresentCount();
    turns(3);
    EXPECT_EQ(display.changedPresentCount(), drawn);
    procedure.onPaint();
    turn();
    EXPECT_EQ(display.changedPresentCount(), drawn + 1);
    // While inactive no turn draws: the paint shows the screen at once.
    procedure.onActivate(false);
    EXPECT_FALSE(window()->isActive());
    const int shown = display.presentCount();
    procedure.onPaint();
    EXPECT_EQ(display.presentCount(), shown + 1);

    DoubleClicks listener;
    window()->registerMouseListener(&listener, 1);
    procedure.onDoubleClick(3, 4);
    EXPECT_TRUE(listener.points.empty());
    procedure.onActivate(true);
    procedure.onDoubleClick(3, 4);
    EXPECT_EQ(listener.points, std::vector<CXPoint>{CXPoint(3, 4)});
    window()->removeMouseListener(&listener);
}

TEST_F(WindowProcedure, MenuCommandsRedrawOrEndAndTheRestDoNothing)
{
    ASSERT_TRUE(startScene("", "-window"));
    turns(2);
    MainWndProc procedure(window());
    const int drawn = display.changedPresentCount();
    for (int command : {0, int(CPlayerMenu::COMMAND_VERSION), int(CPlayerMenu::COMMAND_MESSAGE_BOX), int(CPlayerMenu::COMMAND_ALL)})
        procedure.onCommand(command);
    turn();
    EXPECT_EQ(display.changedPresentCount(), drawn);
    EXPECT_TRUE(platform::windowSystem().pumpEvents(nullptr));

    // Redraw draws the whole screen at once.
    procedure.onCommand(COMMAND_REDRAW);
    EXPECT_EQ(display.changedPresentCount(), drawn + 1);
    procedure.onCommand(COMMAND_EXIT);
    EXPECT_FALSE(platform::windowSystem().pumpEvents(nullptr));
}

} // namespace
