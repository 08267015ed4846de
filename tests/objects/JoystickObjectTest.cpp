// The JOYSTICK object on fake controllers: which controller PORT takes, buttons and axes queued by
// the polls and raised in the turn, the readers, the focus, and polling on the input-poller
// thread while scenes come and go.
#include "InputScene.h"

#include "objects/CMC_Joystick.h"
#include "platform/TimerService.h"

#include <chrono>
#include <thread>

using namespace objectstest;
using platform::JoystickAxis;

namespace {

class JoystickObject : public InputScene {
protected:
    // JOY on the default PORT (the second controller), logging buttons and directions.
    std::string joy(std::initializer_list<std::string> properties = {})
    {
        return withHandlers("JOY", "JOYSTICK", properties,
                            {"ONBUTTONDOWN^2=" + logs("down2"), "ONBUTTONDOWN=" + logs("down"), "ONBUTTONUP=" + logs("up"),
                             "ONMOVE^LEFT=" + logs("LEFT"), "ONMOVE^RIGHT=" + logs("RIGHT"), "ONMOVE^UP=" + logs("UP"),
                             "ONMOVE^DOWN=" + logs("DOWN"), "ONMOVE^IN=" + logs("IN"), "ONMOVE=" + logs("move")});
    }
    // Two controllers of four buttons; JOY takes the second.
    bool startWithJoy()
    {
        input.attachJoystick(4);
        second_ = input.attachJoystick(4);
        return startWith(joy());
    }
    // The second controller's button, then one poll and its delivery.
    void button(int number, bool pressed)
    {
        input.pressJoystickButton(second_, number, pressed);
        turn();
    }
    void moveTo(JoystickAxis axis, int position, int polls = 1)
    {
        input.moveJoystick(second_, axis, position);
        turns(polls);
    }
    CMC_Joystick* joystick(const std::string& name) { return dynamic_cast<CMC_Joystick*>(object(name)); }
    // The readers of the script.
    std::string readings()
    {
        return run("JOY^GETPOSITION(\"X\")") + " " + run("JOY^GETPOSITION(\"Y\")") + " " + run("JOY^GETPOSITION(\"Z\")") + " " +
               run("JOY^GETPOSITION(\"W\")") + " " + run("JOY^ISLEFT()") + " " + run("JOY^ISRIGHT()");
    }

    int second_ = -1;
};

TEST_F(JoystickObject, PortCountsTheControllersThatOpenFromZero)
{
    input.attachJoystick(1);
    input.refuseJoystick(input.attachJoystick(2));
    input.attachJoystick(3);
    ASSERT_TRUE(startWith(joy({"PORT=0"}) + withHandlers("SECOND", "JOYSTICK", {}, {"ONBUTTONDOWN=" + logs("second")}) +
                          declared("THIRD", "JOYSTICK", {"PORT=2"})));
    ASSERT_NE(joystick("JOY")->getDXIfc(), nullptr);
    EXPECT_EQ(joystick("JOY")->getDXIfc()->buttonCount(), 1);
    // The refused controller is not counted: the default PORT 1 is the third attached.
    ASSERT_NE(joystick("SECOND")->getDXIfc(), nullptr);
    EXPECT_EQ(joystick("SECOND")->getDXIfc()->buttonCount(), 3);
    EXPECT_EQ(joystick("THIRD")->getDXIfc(), nullptr);
    input.pressJoystickButton(2, 2, true);
    turn();
    EXPECT_EQ(log(), "second|");

    // Made by native code, a joystick takes the default PORT too.
    CMC_Joystick bare(window());
    ASSERT_NE(bare.getDXIfc(), nullptr);
    EXPECT_EQ(bare.getDXIfc()->buttonCount(), 3);
}

TEST_F(JoystickObject, WithoutAControllerNothingPollsAndTheReadersAnswerSafely)
{
    // One controller: PORT 1 finds none.
    const int only = input.attachJoystick(4);
    ASSERT_TRUE(startWith(joy()));
    EXPECT_EQ(joystick("JOY")->getDXIfc(), nullptr);
    input.pressJoystickButton(only, 0, true);
    input.moveJoystick(only, JoystickAxis::X, 1000);
    turns(5);
    EXPECT_EQ(log(), "");
    EXPECT_EQ(run("JOY^GETBUTTONSTATE(0)"), "0");
    // Before any move the last X is -1: left of the centre.
    EXPECT_EQ(readings(), "0 0 0 0 TRUE FALSE");
}

TEST_F(JoystickObject, ButtonsGoDownAndUpNumberedFromZero)
{
    ASSERT_TRUE(startWithJoy());
    button(2, true);
    EXPECT_EQ(run("JOY^GETBUTTONSTATE(2)"), "1");
    button(2, false);
    button(0, true);
    EXPECT_EQ(log(), "down2|up|down|");
    EXPECT_EQ(run("JOY^GETBUTTONSTATE(2)") + run("JOY^GETBUTTONSTATE(0)"), "01");
    // Buttons the controller does not have.
    EXPECT_EQ(run("JOY^GETBUTTONSTATE(4)") + run("JOY^GETBUTTONSTATE(-1)"), "00");
    // Pressed and released between two polls: nothing to report.
    input.pressJoystickButton(second_, 3, true);
    input.pressJoystickButton(second_, 3, false);
    turn();
    EXPECT_EQ(log(), "down2|up|down|");
}

TEST_F(JoystickObject, AxesReportLargeChangesInTheirDirections)
{
    ASSERT_TRUE(startWithJoy());
    struct Step {
        const char* what;
        JoystickAxis axis;
        int position;
        int polls;
        const char* logged;
    };
    const Step steps[] = {
        {"X past 50 reports at once", JoystickAxis::X, 51, 1, "RIGHT|"},
        {"X by just 50 does not", JoystickAxis::X, 101, 3, ""},
        {"X by 51 from the last report does", JoystickAxis::X, 102, 1, "RIGHT|"},
        {"back to the centre is left", JoystickAxis::X, 0, 1, "LEFT|"},
        {"away again", JoystickAxis::X, 56, 1, "RIGHT|"},
        {"5 is left", JoystickAxis::X, 5, 1, "LEFT|"},
        {"away once more", JoystickAxis::X, 57, 1, "RIGHT|"},
        {"6 is right", JoystickAxis::X, 6, 1, "RIGHT|"},
        {"Y held far for three polls is not yet a move", JoystickAxis::Y, 400, 3, ""},
        {"the fourth poll reports it", JoystickAxis::Y, 400, 1, "DOWN|"},
        {"and it stays reported", JoystickAxis::Y, 400, 5, ""},
        {"Y back up", JoystickAxis::Y, 0, 4, "UP|"},
        {"right after a report the count goes on: far again reports at once", JoystickAxis::Y, 350, 1, "DOWN|"},
        {"a near poll starts the count again", JoystickAxis::Y, 100, 1, ""},
        {"far for three polls", JoystickAxis::Y, -250, 3, ""},
        {"near again", JoystickAxis::Y, 100, 1, ""},
        {"far for three more", JoystickAxis::Y, -250, 3, ""},
        {"and near before a fourth", JoystickAxis::Y, 100, 1, ""},
        {"Z in", JoystickAxis::Z, 1000, 4, "IN|"},
        {"Z out has no handler of its own", JoystickAxis::Z, -1000, 4, "move|"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        clearLog();
        moveTo(step.axis, step.position, step.polls);
        EXPECT_EQ(log(), step.logged);
    }
    // The positions that last reported, as 800 for the whole range: X 6, Y 350, Z -1000.
    EXPECT_EQ(readings(), "0 4 -12 0 FALSE TRUE");
    moveTo(JoystickAxis::X, 1000);
    moveTo(JoystickAxis::Y, -1000, 4);
    EXPECT_EQ(readings(), "12 -12 -12 0 FALSE TRUE");
}

TEST_F(JoystickObject, TheAxisNameIsAskedBeforeTheDirection)
{
    input.attachJoystick(0);
    const int second = input.attachJoystick(0);
    ASSERT_TRUE(startWith(withHandlers("JOY", "JOYSTICK", {}, {"ONMOVE^Y=" + logs("Y"), "ONMOVE^DOWN=" + logs("DOWN")})));
    input.moveJoystick(second, JoystickAxis::Y, 1000);
    turns(4);
    EXPECT_EQ(log(), "Y|");
}

TEST_F(JoystickObject, AControllerLostWithTheFocusIsTakenAgainWhenItComesBack)
{
    ASSERT_TRUE(startWithJoy());
    input.setFocus(false);
    button(1, true);
    turns(3);
    EXPECT_EQ(log(), "");
    input.setFocus(true);
    turns(2);
    EXPECT_EQ(log(), "down|");
}

// The window's input-poller thread polls the controller while scenes replace their JOYSTICK
// objects; run under the thread sanitizer as well.
TEST_F(JoystickObject, PollingOnThePollerThreadWhileScenesUnload)
{
    pollerThread = true;
    // The process's own timers: the poller runs on their thread as the turns move the clock.
    platform::setTimers(nullptr);
    input.attachJoystick(2);
    const int second = input.attachJoystick(2);
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S, T"}) +
                    apptest::treeElement("S", "SCENE", {}) + apptest::treeElement("T", "SCENE", {}));
    writeScript("GAME", declared("LOG", "STRING"));
    for (const char* scene : {"S", "T"})
        writeScript(scene, withHandlers("JOY", "JOYSTICK", {}, {"ONBUTTONDOWN=" + logs(scene)}));
    ASSERT_TRUE(start());
    ASSERT_TRUE(window()->hasPollerThread());

    std::string expected;
    for (int round = 0; round < 6; ++round) {
        const std::string scene = liveSceneName();
        expected += scene + "|";
        input.pressJoystickButton(second, round % 2, true);
        // The thread polls once 16 ms passed on the clock; the turns deliver what it queued.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (log() != expected && std::chrono::steady_clock::now() < deadline) {
            turn();
            // Read while the thread may be polling.
            run("JOY^GETBUTTONSTATE(0)");
            std::this_thread::yield();
        }
        ASSERT_EQ(log(), expected);
        input.pressJoystickButton(second, round % 2, false);
        // The scene unloads in the next turn, its joystick with it, while the thread goes on.
        if (scene == "S")
            episode("E")->next();
        else
            episode("E")->prev();
        turn();
    }
}

} // namespace
