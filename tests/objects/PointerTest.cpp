// Pictures as buttons: lazy listener registration, hits inside the picture only, the button
// forms of clicks and releases, focus, and what ANIMO plays on the way.
#include "MediaScene.h"

#include "graphics/CAnimo6.h"

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class Pointer : public MediaScene {
protected:
    // BOX: an image of 50 x 20 at (100, 40), shown, a button, with the handlers given.
    std::string box(const std::string& name, std::initializer_list<std::string> handlers, int priority = 0)
    {
        std::string text = declared(name, "IMAGE", {"FILENAME=BOX.IMG", "VISIBLE=TRUE", "ASBUTTON=TRUE",
                                                    "PRIORITY=" + std::to_string(priority)});
        for (const std::string& handler : handlers)
            text += name + ":" + handler + "\n";
        return text;
    }
    // HERO: frames of 20 x 10 at (10, 20); events STAND, ONCLICK, ONFOCUSON and ONFOCUSOFF.
    std::string hero(std::initializer_list<std::string> handlers)
    {
        writeAnimation("HERO.ANN", animationOf(3, 10, 20,
                                               {AnimationEvent("STAND", {{0}}), AnimationEvent("ONCLICK", {{1}, {2}, {1}, {2}}),
                                                AnimationEvent("ONFOCUSON", {{1}}), AnimationEvent("ONFOCUSOFF", {{2}})}));
        std::string text = declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "ASBUTTON=TRUE", "FPS=10"});
        for (const std::string& handler : handlers)
            text += "HERO:" + handler + "\n";
        return text;
    }
    std::string heroEvent() { return apptest::text(animo("HERO")->getAnimo()->getCurrentEventName()); }
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
    }
};

TEST_F(Pointer, ClickFormsNameTheButtonAndFallBackToThePlainSignal)
{
    ASSERT_TRUE(startWith(box("BOX", {"ONCLICK^LEFT=" + logs("left"), "ONCLICK=" + logs("click")})));
    EXPECT_TRUE(image("BOX")->isListening());
    press(120, 50);
    press(120, 50, 2);
    press(120, 50, 1);
    // Outside the picture nothing happens.
    press(99, 50);
    press(150, 50);
    EXPECT_EQ(log(), "left|click|click|");
}

TEST_F(Pointer, OnlyPointerSignalsRegisterTheListener)
{
    struct Case {
        const char* handler;
        bool listens;
    };
    const Case cases[] = {
        {"ONCLICK^LEFT", true}, {"ONRELEASE", true}, {"ONFOCUSON", true}, {"ONFOCUSOFF", true},
        // Focus signals register only by their exact names.
        {"ONFOCUSON^X", false}, {"ONCOLLISION", false}, {"ONSIGNAL", false},
    };
    std::string script;
    for (size_t i = 0; i < std::size(cases); ++i)
        script += box("BOX" + std::to_string(i), {std::string(cases[i].handler) + "=" + logs("x")});
    ASSERT_TRUE(startWith(script));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(image("BOX" + std::to_string(i))->isListening(), cases[i].listens) << cases[i].handler;
}

TEST_F(Pointer, AnImageLetsReleasesGoOnAndAnAnimationTakesThem)
{
    // Two images one over the other, and an animation over a third.
    writePicture("LOW.IMG", 50, 20, 0x001F, 255, 100, 40);
    writePicture("UNDER.IMG", 50, 20, 0x001F, 255, 100, 40);
    ASSERT_TRUE(startWith(box("TOP", {"ONRELEASE=" + logs("top")}, 2) +
                          declared("LOW", "IMAGE", {"FILENAME=LOW.IMG", "VISIBLE=TRUE", "ASBUTTON=TRUE", "PRIORITY=1",
                                                    "ONRELEASE^LEFT=" + logs("low")}) +
                          hero({"ONRELEASE=" + logs("hero"), "PRIORITY=5"}) +
                          declared("UNDER", "IMAGE", {"FILENAME=UNDER.IMG", "VISIBLE=TRUE", "ASBUTTON=TRUE"}) +
                          behaviour("UNDERRELEASE", "LOG^ADD(\"under|\");")));
    release(120, 50);
    EXPECT_EQ(log(), "top|low|");
    clearLog();
    run("UNDER^SETPOSITION(10, 20)");
    run("UNDER^ADDBEHAVIOUR(\"ONRELEASE\", \"UNDERRELEASE\")");
    release(15, 25);
    EXPECT_EQ(log(), "hero|");
}

TEST_F(Pointer, FocusFollowsThePointerWhileAFocusSignalIsBound)
{
    ASSERT_TRUE(startWith(box("BOX", {"ONFOCUSON=" + logs("on"), "ONFOCUSOFF=" + logs("off")})));
    moveTo(10, 10);
    moveTo(120, 50);
    moveTo(121, 51);
    moveTo(10, 10);
    EXPECT_EQ(log(), "on|off|");
    // A hidden picture, or one that is no button, ignores the pointer.
    run("BOX^HIDE()");
    moveTo(120, 50);
    run("BOX^SHOW()");
    run("BOX^SETASBUTTON(FALSE, TRUE)");
    moveTo(121, 50);
    press(121, 50);
    EXPECT_EQ(log(), "on|off|");
}

TEST_F(Pointer, AnAnimationPlaysItsOwnEventsAndKeepsAPlayingClick)
{
    ASSERT_TRUE(startWith(hero({"ONCLICK=" + logs("click")})));
    run("HERO^PLAY(\"STAND\")");
    // Without bound focus signals every move inside plays ONFOCUSON again.
    moveTo(15, 25);
    EXPECT_EQ(heroEvent(), "ONFOCUSON");
    press(15, 25);
    EXPECT_EQ(heroEvent(), "ONCLICK");
    turn(100);
    int frame = animo("HERO")->getAnimo()->GetCurrentFrameInSequence();
    // A second press and the hovering leave the playing ONCLICK alone.
    press(15, 25);
    moveTo(16, 25);
    EXPECT_EQ(heroEvent(), "ONCLICK");
    EXPECT_EQ(animo("HERO")->getAnimo()->GetCurrentFrameInSequence(), frame);
    EXPECT_EQ(log(), "click|click|");
    // Outside the current frame nothing is taken.
    press(5, 25);
    EXPECT_EQ(log(), "click|click|");
}

TEST_F(Pointer, TheFirstFrameCanBeTheHitArea)
{
    // The second frame stands elsewhere: with ONFIRSTFRAME the first one's place is hit.
    graphicstest::AnimationFile file = animationOf(2, 10, 20, {AnimationEvent("FAR", {{1}})});
    file.frames[1].x = 200;
    writeAnimation("FAR.ANN", file);
    ASSERT_TRUE(startWith(declared("FAR", "ANIMO", {"FILENAME=FAR.ANN", "VISIBLE=TRUE", "ASBUTTON=TRUE", "ONFIRSTFRAME=TRUE",
                                                    "ONCLICK=" + logs("click")})));
    run("FAR^PLAY(\"FAR\")");
    press(205, 25);
    press(15, 25);
    EXPECT_EQ(log(), "click|");
    run("FAR^SETONFF(FALSE)");
    press(205, 25);
    EXPECT_EQ(log(), "click|click|");
}

TEST_F(Pointer, APausedWindowHoldsAnimationsOffButNotImages)
{
    ASSERT_TRUE(startWith(hero({"ONCLICK=" + logs("hero")}) + box("BOX", {"ONCLICK=" + logs("box")})));
    CWindow::pause();
    press(15, 25);
    press(120, 50);
    CWindow::resume();
    press(15, 25);
    EXPECT_EQ(log(), "box|hero|");
}

} // namespace
