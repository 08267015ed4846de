// The ANIMO method table in a live scene: events and frames by number or name, geometry,
// sampling, frame rate, opacity and anchors with the results scripts rely on.
#include "MediaScene.h"

#include "objects/CMC_Animo_Runner.h"

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class AnimoMethods : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeAnimation("HERO.ANN", animationOf(3, 10, 20,
                                               {AnimationEvent("WALK", {{0, 0, 0, 255, "leftfoot"}, {1}, {2}}),
                                                AnimationEvent("walk_reverse", {{2}, {1}}), AnimationEvent("STAND", {{0}})}));
        writePicture("MASK.IMG", 4, 4, 0x0000, 128);
    }
    bool startHero()
    {
        return startWith(declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "TOCANVAS=TRUE"}) +
                         declared("MASK", "IMAGE", {"FILENAME=MASK.IMG"}) + declared("POINT", "ARRAY") +
                         behaviour("STARTED", "LOG^ADD(\"started|\");"));
    }
    struct Case {
        const char* line;
        const char* answer;
    };
    void expectAll(std::initializer_list<Case> cases)
    {
        for (const Case& c : cases)
            EXPECT_EQ(run(c.line), c.answer) << c.line;
    }
};

TEST_F(AnimoMethods, EventsAndFramesByNumberOrName)
{
    ASSERT_TRUE(startHero());
    run("HERO^PLAY(\"WALK\")");
    expectAll({
        {"HERO^GETNOE()", "3"},
        {"HERO^GETNOF()", "3"},
        {"HERO^GETEVENTNAME()", "WALK"},
        {"HERO^GETEVENTNAME(2)", "STAND"},
        {"HERO^GETEVENTNUMBER()", "0"},
        {"HERO^GETEVENTNUMBER(\"stand\")", "2"},
        {"HERO^GETEVENTNUMBER(\"NONE\")", "-1"},
        {"HERO^GETFRAMENAME()", "leftfoot"},
        {"HERO^GETFRAMENAME(\"WALK\", 1)", ""},
        {"HERO^GETFRAMENO(\"WALK\", \"leftfoot\")", "0"},
        {"HERO^ISPLAYING()", "TRUE"},
        {"HERO^ISPLAYING(\"walk\")", "TRUE"},
        {"HERO^ISPLAYING(0)", "TRUE"},
        {"HERO^ISPLAYING(\"STAND\")", "FALSE"},
        {"HERO^GETNOFINEVENT()", "0"},
        {"HERO^GETNOFINEVENT(\"WALK\")", "3"},
        {"HERO^GETNOFINEVENT(-1)", "3"},
        {"HERO^GETNOFINEVENT(\"NONE\")", "0"},
        {"HERO^SETFRAME(\"walk\", 2)", "none"},
        {"HERO^GETCFRAMEINEVENT()", "2"},
        {"HERO^GETFRAME()", "2"},
        {"HERO^SETFRAMENAME(\"WALK\", 1, \"mid\")", "none"},
        {"HERO^GETFRAMENAME(\"WALK\", 1)", "mid"},
        {"HERO^SETFRAME(\"WALK\", \"MID\")", "none"},
        {"HERO^GETCFRAMEINEVENT()", "1"},
        {"HERO^SETFRAME(1)", "none"},
        {"HERO^GETFRAME()", "1"},
        {"HERO^SETFRAME()", "none"},
        {"HERO^GETFRAME()", "0"},
        {"HERO^NPLAY(2)", "none"},
        {"HERO^GETEVENTNAME()", "STAND"},
        {"HERO^PLAYREVERSE(\"WALK\")", "none"},
        {"HERO^GETEVENTNAME()", "walk_reverse"},
        {"HERO^STOP(FALSE)", "none"},
        {"HERO^ISPLAYING()", "FALSE"},
    });
}

TEST_F(AnimoMethods, GeometrySamplingAndSettings)
{
    ASSERT_TRUE(startHero());
    run("HERO^PLAY(\"WALK\")");
    expectAll({
        {"HERO^GETWIDTH()", "20"},
        {"HERO^GETHEIGHT()", "10"},
        {"HERO^GETPOSITIONX()", "10"},
        {"HERO^GETCENTERX()", "20"},
        {"HERO^GETENDY()", "30"},
        {"HERO^MOVE(5, 0)", "none"},
        {"HERO^GETPOSITIONX()", "15"},
        // With an argument: the animation's own position.
        {"HERO^GETPOSITIONX(1)", "5"},
        {"HERO^GETMAXWIDTH()", "20"},
        {"HERO^GETALPHA(15, 20)", "-1"},
        {"HERO^GETALPHA(14, 20)", "0"},
        {"HERO^GETPIXEL(34, 29)", "4660"},
        {"HERO^ISAT(16, 25, TRUE)", "TRUE"},
        // A colour of the screen's format replaced by white (read back as -1).
        {"HERO^REPLACECOLOR(16, 68, 160, 255, 255, 255)", "none"},
        {"HERO^GETPIXEL(15, 20)", "-1"},
        // The stamp's alpha over the frame's corner, and back when stamped past the edge.
        {"HERO^MERGEALPHA(0, 0, \"MASK\")", "none"},
        {"HERO^GETALPHA(15, 20)", "-128"},
        {"HERO^GETALPHA(19, 20)", "-1"},
        {"HERO^MERGEALPHA(20, 0, \"MASK\")", "none"},
        {"HERO^GETALPHA(15, 20)", "-1"},
        {"HERO^SETFPS(0)", "none"},
        {"HERO^GETFPS()", "1"},
        {"HERO^SETFPS(-5)", "none"},
        {"HERO^GETFPS()", "1"},
        {"HERO^SETFPS(12)", "none"},
        {"HERO^GETFPS()", "12"},
        // Modulo 257, as scripts have always had it.
        {"HERO^SETOPACITY(300)", "none"},
        {"HERO^GETOPACITY()", "43"},
        {"HERO^SETPRIORITY(6)", "none"},
        {"HERO^GETPRIORITY()", "6"},
        {"HERO^ISVISIBLE()", "TRUE"},
        {"HERO^HIDE()", "none"},
        {"HERO^ISVISIBLE()", "FALSE"},
    });
}

TEST_F(AnimoMethods, AnchorsByNameAreCaseSensitive)
{
    ASSERT_TRUE(startHero());
    run("HERO^PLAY(\"STAND\")");
    struct Anchor {
        const char* word;
        const char* point;
    };
    // The frame is 20 x 10 at (10, 20).
    const Anchor anchors[] = {{"CENTER", "20,25"},    {"center", "0,0"},     {"LEFTUPPER", "10,20"}, {"RIGHTLOWER", "30,30"},
                              {"RIGHTUPPER", "30,20"}, {"LEFTLOWER", "10,30"}, {"LEFT", "10,25"},     {"BOTTOM", "20,30"}};
    for (const Anchor& anchor : anchors) {
        run("HERO^SETANCHOR(\"" + std::string(anchor.word) + "\")");
        run("POINT^REMOVEALL()");
        run("HERO^GETANCHOR(\"POINT\")");
        EXPECT_EQ(run("POINT^GET(0)") + "," + run("POINT^GET(1)"), anchor.point) << anchor.word;
    }
}

TEST(AnimoSoundScale, VolumeAndPanningInHundredthsOfADecibel)
{
    struct Case {
        int value;
        int volume;
        int panning;
    };
    const Case cases[] = {{0, -10000, -800}, {25, -10000, -750}, {26, -3096, -748}, {800, 0, 800},
                          {1000, 800, 1200}, {1949, 4596, 3098}, {1950, 4600, 10000}, {-1200, -10000, -10000}};
    for (const Case& c : cases) {
        EXPECT_EQ(CMC_Animo_Runner::volumeOf(c.value), c.volume) << c.value;
        EXPECT_EQ(CMC_Animo_Runner::panningOf(c.value), c.panning) << c.value;
    }
}

TEST_F(AnimoMethods, PlayRandKeepsTheAnimationWithTheScenesRandomPlayables)
{
    ASSERT_TRUE(startHero());
    run("HERO^ADDBEHAVIOUR(\"ONSTARTED\", \"STARTED\")");
    // Sixty times a minute: the unit starts the animation on its own within two seconds.
    run("HERO^PLAYRAND(\"WALK\", 60, 1)");
    turns(25, 100);
    EXPECT_EQ(log().substr(0, 8), "started|");
}

} // namespace
