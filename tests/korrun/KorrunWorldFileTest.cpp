#include "SteppedKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const char* const kWorld =
    "# a floor, a ball on a hinge, a wall the ball finds its way round\r\n"
    "KORRUN 1\r\n"
    "\n"
    "SetGravity 0 -980 0\n"
    "AddBody 1 0 -250 0 400 20 0 1 983040 0 0 0\n"
    "AddObject 2 983040\n"
    "SetPosition 2 -200 0 3\n"
    "SetRadius 2 10 10 0\n"
    "AddObject 3 983040\n"
    "SetPosition 3 -250 0 0\n"
    "Join 2 3 -250 0 0 0 -1.5708 1.5708 0 0 1\n"
    "AddBody 4 0 0 0 20 100 0 1 983040 0 0 0\n"
    "CollideMesh 4 1\n"
    "   AddMeshWayPoint 9 0 150 0\n"
    "AddWayPoint 2 10 20 0\n"
    "AddToPath 2 1e2 0 0\n";

TEST(KorrunWorldFile, CreateMakesTheWorldOfTheFile)
{
    SteppedKorrun world;
    world.ball(50, 0, 0);
    WorldText text(kWorld);
    ASSERT_EQ(world.korrun.Create(text.get()), IKorrun::kOk);
    float x = 0, y = 0, z = 0;
    EXPECT_EQ(world.korrun.GetPosition(50, &x, &y, &z), IKorrun::kUnknownBody) << "the world before is gone";
    const SteppedKorrun::Place ball = world.place(2);
    EXPECT_FLOAT_EQ(ball.x, -200.0f);
    EXPECT_FLOAT_EQ(ball.z, 3.0f);
    float left = 0;
    EXPECT_EQ(world.korrun.FollowRoute(2, 0, 0, &left), IKorrun::kOk);
    EXPECT_FLOAT_EQ(left, std::sqrt(210.0f * 210 + 20 * 20 + 3 * 3));
    EXPECT_EQ(world.korrun.GotoPath(2, 0, &left), IKorrun::kOk);
    EXPECT_FLOAT_EQ(world.place(2).x, 100.0f);
    EXPECT_EQ(world.korrun.FindPath(3, 3, 200, 0, 0, false), IKorrun::kOk) << "over the mesh point past the wall";
    world.turns(10);
    EXPECT_LT(world.place(3).y, -5.0f) << "gravity of the file";
    EXPECT_EQ(world.korrun.Break(3), IKorrun::kOk) << "the hinge of the file";
    EXPECT_EQ(world.korrun.Break(2), IKorrun::kNothingToDo);
}

TEST(KorrunWorldFile, NoFileOrAnEmptyOneMakesAnEmptyWorld)
{
    for (const char* contents : {static_cast<const char*>(nullptr), "", "# nothing\n\n   \n", "KORRUN 1\n"}) {
        SteppedKorrun world;
        world.ball(1, 0, 0);
        world.korrun.SetGravity(0, -100, 0);
        if (contents == nullptr) {
            EXPECT_EQ(world.korrun.Create(nullptr), IKorrun::kOk);
        } else {
            WorldText text(contents);
            EXPECT_EQ(world.korrun.Create(text.get()), IKorrun::kOk);
        }
        float x = 0, y = 0, z = 0;
        EXPECT_EQ(world.korrun.GetPosition(1, &x, &y, &z), IKorrun::kUnknownBody);
        world.ball(2, 0, 0);
        world.turn();
        EXPECT_EQ(world.speed(2), 0.0f) << "no gravity either";
    }
}

TEST(KorrunWorldFile, ADamagedFileChangesNothing)
{
    const std::string made = "KORRUN 1\nAddObject 7 983040\n";
    const std::string cases[] = {
        "AddObject 7 983040\n",
        "KORRUN 2\n",
        "KORRUN 1 2\n",
        made + "Fly 7\n",
        made + "AddObject 8\n",
        made + "AddObject 8 983040 5\n",
        made + "AddObject x 983040\n",
        made + "AddObject -8 983040\n",
        made + "AddObject 8 98304.5\n",
        made + "SetPosition 7 nan 0 0\n",
        made + "SetPosition 7 1e400 0 0\n",
        made + "SetPosition 7 1e9 0 0\n",
        made + "SetVelocity 7 0 0 0 2\n",
        made + "AddObject 8 1\n",
        made + "SetRadius 7 0 10 0\n",
        made + "Join 7 9 0 0 0 0 -1 1 0 0 1\n",
        made + "Join 7 7 0 0 0 0 -1 1 0 0 1\n",
        made + "SetMass 9 1\n",
        made + "Break 7\n",
        made + std::string(5 * 1024 * 1024, '#'),
    };
    for (const std::string& contents : cases) {
        for (bool load : {false, true}) {
            SteppedKorrun world;
            world.ball(1, 5, 5);
            world.korrun.SetGravity(0, -100, 0);
            WorldText text(contents);
            EXPECT_EQ(load ? world.korrun.Load(text.get()) : world.korrun.Create(text.get()), IKorrun::kBadFile)
                << contents.substr(0, 60) << (load ? " loaded" : " created");
            float x = 0, y = 0, z = 0;
            EXPECT_EQ(world.korrun.GetPosition(7, &x, &y, &z), IKorrun::kUnknownBody);
            EXPECT_FLOAT_EQ(world.place(1).x, 5.0f);
            world.turn();
            EXPECT_GT(world.speed(1), 0.0f) << "gravity stays";
        }
    }
}

TEST(KorrunWorldFile, LoadAddsToTheWorld)
{
    SteppedKorrun world;
    world.ball(1, 5, 5);
    WorldText text("KORRUN 1\nAddObject 2 983040\nJoin 1 2 0 0 0 0 -1 1 0 0 1\nAddObject 1 983040\n");
    EXPECT_EQ(world.korrun.Load(text.get()), IKorrun::kOk);
    EXPECT_FLOAT_EQ(world.place(1).x, 0.0f) << "AddObject makes an existing body anew";
    EXPECT_EQ(world.korrun.Break(2), IKorrun::kNothingToDo) << "and its joints went with it";
    EXPECT_EQ(world.korrun.Load(nullptr), IKorrun::kBadArgument);

    SteppedKorrun joined;
    joined.ball(1, 5, 5);
    WorldText join("KORRUN 1\nAddObject 2 983040\nJoin 1 2 0 0 0 0 -1 1 0 0 1\n");
    EXPECT_EQ(joined.korrun.Load(join.get()), IKorrun::kOk);
    EXPECT_EQ(joined.korrun.Break(2), IKorrun::kOk) << "a joint to a body that was there before";
}

} // namespace
