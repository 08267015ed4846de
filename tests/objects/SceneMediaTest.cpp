// The scene's pause and its query of what plays, over real ANIMO objects.
#include "MediaScene.h"

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class SceneMedia : public MediaScene {};

TEST_F(SceneMedia, PauseAndPlayingQueriesReachAnimations)
{
    // Objects of one file would share its animation.
    std::string animos;
    for (const char* name : {"HERO", "IDLE", "STILL"}) {
        writeAnimation(std::string(name) + ".ANN", animationOf(3, 10, 20, {AnimationEvent("WALK", {{0}, {1}, {2}})}));
        animos += declared(name, "ANIMO", {std::string("FILENAME=") + name + ".ANN", "VISIBLE=TRUE", "TOCANVAS=TRUE"});
    }
    ASSERT_TRUE(startWith(animos + declared("GRP", "GROUP") + declared("ONLY", "GROUP")));
    run("HERO^PLAY(\"WALK\")");
    run("IDLE^PLAY(\"WALK\")");
    run("S^GETPLAYINGANIMO(GRP)");
    EXPECT_EQ(run("GRP^GETSIZE()"), "2");
    EXPECT_EQ(run("GRP^CONTAINS(STILL)"), "FALSE");

    run("ONLY^ADD(HERO)");
    run("S^PAUSE()");
    EXPECT_EQ(run("HERO^ISPLAYING()") + run("IDLE^ISPLAYING()"), "FALSEFALSE");
    run("S^GETPLAYINGANIMO(GRP)");
    EXPECT_EQ(run("GRP^GETSIZE()"), "0");
    run("S^RESUMEONLY(ONLY)");
    EXPECT_EQ(run("HERO^ISPLAYING()") + run("IDLE^ISPLAYING()"), "TRUEFALSE");
}

} // namespace
