// Collisions of pictures through the scene's watcher: the forms tried, the arguments of the plain
// signal, and the watching a script starts and ends.
#include "MediaScene.h"

#include "graphics/CAnimo6.h"

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class Collision : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("WALL.IMG", 20, 20, 0x001F, 255, 200, 20);
        writeAnimation("HERO.ANN", animationOf(1, 10, 20, {AnimationEvent("walk_reverse", {{0}})}));
    }
    // HERO (ANIMO, playing walk_reverse) and WALL (IMAGE), both watched, with the handlers given.
    bool startHeroAndWall(const std::vector<std::string>& heroHandlers, const std::vector<std::string>& wallHandlers)
    {
        std::string text = declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "MONITORCOLLISION=TRUE"}) +
                           declared("WALL", "IMAGE", {"FILENAME=WALL.IMG", "VISIBLE=TRUE", "MONITORCOLLISION=TRUE"});
        for (const std::string& handler : heroHandlers)
            text += "HERO:" + handler + "\n";
        for (const std::string& handler : wallHandlers)
            text += "WALL:" + handler + "\n";
        if (!startWith(text + behaviour("ARGS", "LOG^ADD($1);LOG^ADD(\"-\");LOG^ADD($2);LOG^ADD(\"|\");")))
            return false;
        run("HERO^PLAY(\"walk_reverse\")");
        return true;
    }
    // The hero walks onto the wall and off it again, a turn each.
    void bump()
    {
        run("HERO^MOVE(185, 0)");
        turn();
        run("HERO^MOVE(-185, 0)");
        turn();
    }
};

TEST_F(Collision, TheMostSpecificFormWins)
{
    struct Case {
        const char* title;
        std::vector<std::string> heroHandlers;
        const char* log;
    };
    const Case cases[] = {
        {"event and other", {"ONCOLLISION^WALK^WALL=" + logs("walk-wall"), "ONCOLLISION^WALL=" + logs("wall")}, "walk-wall|"},
        {"other", {"ONCOLLISION^WALL=" + logs("wall"), "ONCOLLISION=" + logs("plain")}, "wall|"},
        {"plain with both names", {"ONCOLLISION=ARGS"}, "HERO-WALL|"},
        // The finishing forms name the object itself where the starting ones name the other.
        {"finished with its own name", {"ONCOLLISIONFINISHED^WALK^HERO=" + logs("own"), "ONCOLLISIONFINISHED^WALL=" + logs("wall")},
         "own|"},
        {"finished with the other", {"ONCOLLISIONFINISHED^WALK^WALL=" + logs("no"), "ONCOLLISIONFINISHED^WALL=" + logs("wall")},
         "wall|"},
        {"finished plain", {"ONCOLLISIONFINISHED=ARGS"}, "HERO-WALL|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        stop();
        ASSERT_TRUE(startHeroAndWall(c.heroHandlers, {}));
        bump();
        EXPECT_EQ(log(), c.log);
    }
}

TEST_F(Collision, OnlyTheMoverHearsItsCollision)
{
    ASSERT_TRUE(startHeroAndWall({}, {"ONCOLLISION^HERO=" + logs("hero"), "ONCOLLISIONFINISHED=ARGS"}));
    // The hero moved: the wall's picture is not the first of the pair.
    bump();
    EXPECT_EQ(log(), "");
    run("WALL^MOVE(-185, 0)");
    turn();
    run("WALL^MOVE(185, 0)");
    turn();
    EXPECT_EQ(log(), "hero|WALL-HERO|");
}

TEST_F(Collision, ScriptsStartAndEndTheWatching)
{
    std::string text = declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "ONCOLLISION=" + logs("hit")}) +
                       declared("WALL", "IMAGE", {"FILENAME=WALL.IMG", "VISIBLE=TRUE", "MONITORCOLLISION=TRUE"});
    ASSERT_TRUE(startWith(text));
    run("HERO^PLAY(\"walk_reverse\")");
    bump();
    EXPECT_EQ(log(), "");
    run("HERO^MONITORCOLLISION(TRUE)");
    EXPECT_TRUE(animo("HERO")->getAnimo()->getMonitorCollisionsFlag());
    bump();
    run("HERO^REMOVEMONITORCOLLISION()");
    EXPECT_FALSE(animo("HERO")->getAnimo()->getMonitorCollisionsFlag());
    bump();
    EXPECT_EQ(log(), "hit|");
}

} // namespace
