// MOVEOBJECTS on a scripted simulation: the pictures its links move, the signals they raise pass
// by pass, links that move or signal only, two links of one body, handlers that change the links
// during a pass; the view that follows a reference body and the methods that convert through it.
#include "WorldScene.h"

#include <algorithm>
#include <cctype>
#include <sstream>

using namespace worldtest;

namespace {

// An IMAGE of a picture of its own whose every WORLD signal appends the tag and the signal's
// parameter in small letters to LOG; `nocoll`, when given, handles NOCOLL in its place.
std::string listening(const std::string& name, const std::string& tag, const std::string& nocoll = "")
{
    std::string text = declared(name, "IMAGE", {"FILENAME=" + name + ".IMG"});
    for (std::string signal : {"ATGOAL", "NOPATH", "2", "7", "ANY", "NOCOLL", "ONSTARTED", "ONFINISHED"}) {
        const bool own = signal == "NOCOLL" && !nocoll.empty();
        text += name + ":ONSIGNAL^" + signal + "=";
        std::transform(signal.begin(), signal.end(), signal.begin(), [](unsigned char c) { return std::tolower(c); });
        text += (own ? nocoll : logs(tag + signal)) + "\n";
    }
    return text;
}

// BALL, STONE (tagged "s-") and ROCK ("r-").
std::string linkedPictures(const std::string& ballNocoll)
{
    return listening("BALL", "", ballNocoll) + listening("STONE", "s-") + listening("ROCK", "r-");
}

class WorldLinks : public WorldScene {
protected:
    bool startWithPictures(const std::string& ballNocoll = "")
    {
        // A picture each: objects of one file would share it.
        for (const char* name : {"BALL", "STONE", "ROCK"})
            writePicture(std::string(name) + ".IMG", 4, 4, 0x1234);
        if (!startWith(linkedPictures(ballNocoll)))
            return false;
        addWorld("W");
        return true;
    }
    // A MOVEOBJECTS pass: what it logged.
    std::string pass()
    {
        clearLog();
        run("W^MOVEOBJECTS()");
        return log();
    }
    std::string at(const std::string& picture) { return run(picture + "^GETPOSITIONX()") + "," + run(picture + "^GETPOSITIONY()"); }
};

TEST_F(WorldLinks, PassesRaiseGoalContactAndSpeedSignalsInOrder)
{
    ASSERT_TRUE(startWithPictures());
    run("W^LINK(1, \"BALL\")");
    struct Pass {
        float speed;
        std::vector<uint32_t> contacts;
        uint32_t goal;
        const char* log;
        int goalStatus = IKorrun::kOk;
        int collisionStatus = IKorrun::kOk;
    };
    const Pass passes[] = {
        {0.0f, {}, IKorrun::kUnderway, "nocoll|"},
        // Contacts from the last id to the first.
        {5.0f, {2, 7}, IKorrun::kUnderway, "7|2|any|onstarted|"},
        {6.0f, {}, IKorrun::kUnderway, "nocoll|"},
        {0.0f, {7}, IKorrun::kAtGoal, "atgoal|7|any|onfinished|"},
        {0.0f, {}, IKorrun::kNoPath, "nopath|nocoll|"},
        // A goal that cannot be read tells nothing; contacts that cannot be read skip the speed too.
        {3.0f, {}, IKorrun::kAtGoal, "nocoll|onstarted|", IKorrun::kUnknownBody},
        {0.0f, {}, IKorrun::kUnderway, "", IKorrun::kOk, IKorrun::kUnknownBody},
        {0.0f, {}, IKorrun::kUnderway, "nocoll|onfinished|"},
    };
    for (const Pass& each : passes) {
        SCOPED_TRACE(each.log);
        FakeBody& body = simulation().bodies[1];
        body.speed = each.speed;
        body.contacts = each.contacts;
        body.goal = each.goal;
        body.goalStatus = each.goalStatus;
        body.collisionStatus = each.collisionStatus;
        EXPECT_EQ(pass(), each.log);
    }
    // Moves after a pass: the picture stands where the body is, through the view.
    simulation().place(1, -15.7f, 20.9f);
    pass();
    EXPECT_EQ(at("BALL"), "384,279");
    // A body whose place cannot be read is skipped whole.
    simulation().bodies[1].positionStatus = IKorrun::kUnknownBody;
    simulation().place(1, 100.0f, 0.0f);
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(at("BALL"), "384,279");
}

TEST_F(WorldLinks, LinksThatMoveOnlySignalOnlyOrFindNothing)
{
    ASSERT_TRUE(startWithPictures());
    simulation().place(1, 10.0f, 20.0f);
    simulation().place(2, -100.0f, 0.0f);
    simulation().bodies[2].speed = 4.0f;
    run("W^LINK(1, \"BALL\", 1)");
    run("W^LINK(2, \"STONE\", 2)");
    // Names that find nothing: a link that neither moves nor tells.
    run("W^LINK(2, \"NOBODY\")");
    const std::string stoneWas = at("STONE");
    EXPECT_EQ(pass(), "s-nocoll|s-onstarted|");
    EXPECT_EQ(at("BALL"), "410,280");
    EXPECT_EQ(at("STONE"), stoneWas);
    // An empty list: the simulation moves, the view and the links are not asked.
    run("W^UNLINK(1)");
    run("W^UNLINK(2)");
    run("W^UNLINK(2)");
    simulation().taken();
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(simulation().taken(), (std::vector<std::string>{"MoveObjects()"}));
}

TEST_F(WorldLinks, TwoLinksOfOneBodyAreServedBothAndTouchedFirstFirst)
{
    ASSERT_TRUE(startWithPictures());
    simulation().place(1, 10.0f, 20.0f);
    run("W^LINK(1, \"BALL\")");
    run("W^LINK(1, \"STONE\")");
    EXPECT_EQ(pass(), "nocoll|s-nocoll|");
    EXPECT_EQ(at("BALL"), "410,280");
    EXPECT_EQ(at("STONE"), "410,280");

    struct Step {
        const char* line;
        const char* log;
        const char* ball;
    };
    // Each step moves the body 10 to the right first.
    const Step steps[] = {
        // The first link rests: the ball stays and tells nothing.
        {"W^PAUSELINK(1)", "s-nocoll|", "410,280"},
        {"W^RESUMELINK(1)", "nocoll|s-nocoll|", "430,280"},
        // Signals only: the ball still moves, silently; any second argument says so.
        {"W^PAUSELINK(1, FALSE)", "s-nocoll|", "440,280"},
        {"W^RESUMELINK(1, 0)", "nocoll|s-nocoll|", "450,280"},
        {"W^UNLINK(1)", "s-nocoll|", "450,280"},
        {"W^REMOVEOBJECT(1)", "", "450,280"},
    };
    float x = 10.0f;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line);
        run(step.line);
        x += 10.0f;
        simulation().place(1, x, 20.0f);
        EXPECT_EQ(pass(), step.log);
        EXPECT_EQ(at("BALL"), step.ball);
    }
    // The stone's link went with REMOVEOBJECT, which takes the body out whether linked or not.
    EXPECT_EQ(at("STONE"), "460,280");
    simulation().taken();
    run("W^REMOVEOBJECT(9)");
    EXPECT_EQ(simulation().taken(), (std::vector<std::string>{"RemoveObject(9)"}));
}

TEST_F(WorldLinks, HandlersChangeTheLinksDuringAPass)
{
    // The ball's NOCOLL takes the ball's link out and links the rock.
    ASSERT_TRUE(startWithPictures("{W^UNLINK(1);W^LINK(3, \"ROCK\");LOG^ADD(\"nocoll|\");}"));
    simulation().bodies[1].speed = 5.0f;
    simulation().bodies[2] = FakeBody{};
    simulation().bodies[3] = FakeBody{};
    run("W^LINK(1, \"BALL\")");
    run("W^LINK(2, \"STONE\")");
    // The ball's link, taken out, is served to its end; the pass goes on from the next index,
    // which now holds the rock: the stone waits for the next pass.
    EXPECT_EQ(pass(), "nocoll|onstarted|r-nocoll|");
    EXPECT_EQ(pass(), "s-nocoll|r-nocoll|");
}

TEST_F(WorldLinks, TheViewFollowsTheReferenceBodyWithinTheBackground)
{
    ASSERT_TRUE(startWithPictures());
    simulation().place(1, 10.0f, 20.0f);
    run("W^LINK(1, \"BALL\")");
    run("W^SETREFOBJECT(2)");
    struct Step {
        const char* lines;
        float referenceX;
        float referenceY;
        const char* background;
        const char* reference;
        const char* body;
    };
    const Step steps[] = {
        // No follow flags: the view stays about the screen's centre.
        {"", 200.0f, 0.0f, "0,0", "600,300", "410,280"},
        // Held at the bounds, which are the screen's at first.
        {"W^SETMOVEFLAGS(TRUE, FALSE);", 200.0f, 0.0f, "0,0", "600,300", "410,280"},
        {"W^SETBKGSIZE(0, 1600, 0, 600);", 200.0f, 0.0f, "200.00000,0", "400,300", "210,280"},
        {"", 1000.0f, 0.0f, "800.00000,0", "600,300", "-390,280"},
        {"", -500.0f, 0.0f, "0,0", "-100,300", "410,280"},
        {"W^SETMOVEFLAGS(FALSE, TRUE);W^SETBKGSIZE(0, 800, -600, 600);", 0.0f, 500.0f, "0,-500.00000", "400,300",
         "410,780"},
        {"", 0.0f, 1000.0f, "0,-600.00000", "400,-100", "410,880"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.background);
        std::istringstream lines(step.lines);
        for (std::string line; std::getline(lines, line, ';');)
            run(line);
        simulation().place(2, step.referenceX, step.referenceY);
        pass();
        EXPECT_EQ(run("W^GETBKGPOSX()") + "," + run("W^GETBKGPOSY()"), step.background);
        EXPECT_EQ(run("W^GETPOSITIONX(2)") + "," + run("W^GETPOSITIONY(2)"), step.reference);
        EXPECT_EQ(run("W^GETPOSITIONX(1)") + "," + run("W^GETPOSITIONY(1)"), step.body);
        EXPECT_EQ(at("BALL"), step.body);
    }
    // A reference body that cannot be read leaves the view as it was.
    simulation().bodies[2].positionStatus = IKorrun::kUnknownBody;
    pass();
    EXPECT_EQ(run("W^GETBKGPOSY()"), "-600.00000");
    EXPECT_EQ(run("W^GETPOSITIONY(1)"), "880");
}

TEST_F(WorldLinks, MethodsThatSpeakThroughTheView)
{
    ASSERT_TRUE(startWithPictures());
    simulation().place(1, 10.0f, 20.0f, 3.0f);
    simulation().place(2, 200.0f, 0.0f);
    run("W^LINK(1, \"BALL\")");
    run("W^SETREFOBJECT(2)");
    run("W^SETMOVEFLAGS(TRUE, FALSE)");
    run("W^SETBKGSIZE(0, 1600, 0, 600)");
    pass();
    simulation().taken();
    // Scrolled by 200: screen x 410 is world x 210 through the view, 10 about the screen's centre.
    const std::pair<const char*, const char*> cases[] = {
        {"W^FOLLOW(1, 410, 290, 1, 2, 3, 4)", "Follow(1,210,10,1,2,3,4)"},
        {"W^SETPOSITION(1, 410, 290, 5, TRUE)", "SetPosition(1,210,10,5)"},
        {"W^SETPOSITION(1, 410, 290, 5, FALSE)", "SetPosition(1,10,10,5)"},
        {"W^FINDPATH(1, 2, 410, 290, 0)", "FindPath(1,2,210,10,0,true)"},
        {"W^FINDPATH(1, 2, 410, 290, 0, TRUE, FALSE)", "FindPath(1,2,10,10,0,true)"},
        // Where GETPOSITIONX sees the body (210), taken back about the centre: off by the scroll.
        {"W^ADDWAYPOINT(1)", "AddWayPoint(1,-190,20,3)"},
    };
    for (const auto& [line, call] : cases) {
        run(line);
        std::vector<std::string> calls = simulation().taken();
        ASSERT_FALSE(calls.empty()) << line;
        EXPECT_EQ(calls.back(), call) << line;
    }
}

} // namespace
