#include "SteppedKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

struct Travel {
    int turns = 0;     // until the goal was reported
    int goals = 0;     // turns that reported it
    bool hit = false;  // touched body 2 on the way
};

// Turns until the mover reports its goal (and 20 turns more), watching it.
Travel travel(SteppedKorrun& world, uint32_t mover, int mostTurns = 400)
{
    Travel seen;
    int after = -1;
    for (int turn = 0; turn < mostTurns && after != 0; ++turn) {
        world.turn();
        bool hit = false;
        world.korrun.GetCollision(mover, 2, &hit);
        seen.hit |= hit;
        const uint32_t state = world.goal(mover);
        EXPECT_NE(state, IKorrun::kNoPath);
        if (state == IKorrun::kAtGoal) {
            seen.goals++;
            if (after < 0) {
                seen.turns = turn + 1;
                after = 20;
            }
        }
        if (after > 0)
            --after;
    }
    return seen;
}

float distance(const SteppedKorrun::Place& at, float x, float y)
{
    return std::hypot(at.x - x, at.y - y);
}

// A mover left of a tall wall finds its way round it to the right.
TEST(KorrunPathFinding, FindPathGoesRoundAnObstacleAndArrives)
{
    struct Case {
        const char* what;
        std::function<void(SteppedKorrun&)> setUp;
        uint32_t target;
    };
    const Case cases[] = {
        {"corners of an enabled obstacle", [](SteppedKorrun& w) { w.korrun.EnableMesh(2, true); }, 1},
        {"mesh points past a colliding obstacle",
         [](SteppedKorrun& w) {
             w.korrun.CollideMesh(2, true);
             w.korrun.AddMeshWayPoint(10, 0, -150, 0);
             w.ball(20, 0, 140);
             w.korrun.AddMeshWayPoint(20);
             w.korrun.RemoveObject(20);
         },
         1},
        {"to a body behind it",
         [](SteppedKorrun& w) {
             w.korrun.EnableMesh(2, true);
             w.ball(5, 200, 0, 10, 0);
         },
         5},
    };
    for (const Case& c : cases) {
        SteppedKorrun world;
        world.ball(1, -200, 0);
        world.korrun.SetMaxSpeed(1, 200);
        world.wall(2, 0, 0, 20, 100);
        c.setUp(world);
        ASSERT_EQ(world.korrun.FindPath(1, c.target, 200, 0, 0, true), IKorrun::kOk) << c.what;
        const Travel seen = travel(world, 1);
        EXPECT_GT(seen.turns, 0) << c.what;
        EXPECT_LT(seen.turns, 200) << c.what;
        EXPECT_EQ(seen.goals, 1) << c.what;
        EXPECT_FALSE(seen.hit) << c.what << ": the way keeps clear of the obstacle";
        EXPECT_EQ(world.speed(1), 0.0f) << c.what;
        const float left = distance(world.place(1), 200, 0);
        if (c.target == 5)
            EXPECT_NEAR(left, 21.0f, 0.6f) << c.what << ": stops on touching";
        else
            EXPECT_LT(left, 0.6f) << c.what;
    }
}

TEST(KorrunPathFinding, AWalledInGoalHasNoPath)
{
    SteppedKorrun world;
    world.ball(1, -200, 0);
    world.wall(2, 200, 60, 60, 10);
    world.wall(3, 200, -60, 60, 10);
    world.wall(4, 140, 0, 10, 70);
    world.wall(5, 260, 0, 10, 70);
    for (uint32_t wall = 2; wall <= 5; ++wall)
        world.korrun.EnableMesh(wall, true);
    world.korrun.AddMeshWayPoint(1, 0, 200, 0);
    world.korrun.AddWayPoint(1, 50, 50, 0);

    EXPECT_EQ(world.korrun.FindPath(1, 1, 200, 0, 0, true), IKorrun::kNothingToDo);
    EXPECT_EQ(world.goal(1), IKorrun::kNoPath);
    world.turn();
    EXPECT_EQ(world.goal(1), IKorrun::kNoPath) << "seen through the next MoveObjects";
    world.turn();
    EXPECT_EQ(world.goal(1), IKorrun::kUnderway);
    EXPECT_EQ(world.place(1).x, -200.0f) << "nothing to travel";
    float left = -1.0f;
    world.korrun.FollowRoute(1, 0, 0, &left);
    EXPECT_EQ(left, 0.0f) << "the route was emptied";

    EXPECT_EQ(world.korrun.FindPath(1, 1, 200, 55, 0, false), IKorrun::kNothingToDo) << "goal in a wall";
    EXPECT_EQ(world.korrun.FindPath(1, 1, 200, 150, 0, false), IKorrun::kOk);
}

// The length of the route FindPath left, read without moving the body.
float routeLength(SteppedKorrun& world, uint32_t mover)
{
    float left = -1.0f;
    EXPECT_EQ(world.korrun.FollowRoute(mover, 0, 0, &left), IKorrun::kOk);
    return left;
}

TEST(KorrunPathFinding, TheWayIsTheShortestRoundObstaclesGrownByTheMoversRadius)
{
    // A wall from y -140 to 60: over its top, past the corners 12 units off its vertices
    // (radius 10, skin 1, margin 1), is shorter than under it.
    SteppedKorrun shortest;
    shortest.ball(1, -200, 0);
    shortest.wall(2, 0, -40, 20, 100);
    shortest.korrun.EnableMesh(2, true);
    ASSERT_EQ(shortest.korrun.FindPath(1, 1, 200, 0, 0, false), IKorrun::kOk);
    EXPECT_NEAR(routeLength(shortest, 1), 2.0f * std::hypot(168.0f, 72.0f) + 64.0f, 0.5f);

    // A gap of 30 between two walls without corners: wide enough for a radius of 10, not 20.
    struct Case {
        float radius;
        int status;
        float length;
    };
    for (const Case c : {Case{10, IKorrun::kOk, 400}, Case{20, IKorrun::kNothingToDo, 0}}) {
        SteppedKorrun gap;
        gap.ball(1, -200, 0, c.radius);
        gap.wall(2, 0, 515, 20, 500);
        gap.wall(3, 0, -515, 20, 500);
        gap.korrun.CollideMesh(2, true);
        gap.korrun.CollideMesh(3, true);
        EXPECT_EQ(gap.korrun.FindPath(1, 1, 200, 0, 0, false), c.status) << c.radius;
        EXPECT_FLOAT_EQ(routeLength(gap, 1), c.length) << c.radius;
    }
}

TEST(KorrunPathFinding, AMoverPressedAgainstAnObstacleCanLeaveIt)
{
    SteppedKorrun world;
    world.wall(2, 0, 0, 20, 100);
    world.korrun.EnableMesh(2, true);
    world.ball(1, -30, 0);
    ASSERT_EQ(world.korrun.FindPath(1, 1, 100, 0, 0, true), IKorrun::kOk);
    const Travel seen = travel(world, 1);
    EXPECT_EQ(seen.goals, 1);
    EXPECT_LT(distance(world.place(1), 100, 0), 0.6f);
}

TEST(KorrunSteering, TravelsArriveExactlyAndReportTheGoalOnce)
{
    struct Case {
        const char* what;
        std::function<void(IKorrun&)> start;
        float x, y, z;
    };
    const Case cases[] = {
        {"MoveTo",
         [](IKorrun& k) {
             float left = 0;
             k.MoveTo(1, 100, 50, 20, 150, 0, &left);
             EXPECT_NEAR(left, std::sqrt(100.0f * 100 + 50 * 50 + 20 * 20), 1e-3f);
         },
         100, 50, 20},
        {"MoveToPath",
         [](IKorrun& k) {
             k.AddToPath(1, 50, 0, 0);
             k.AddToPath(1, 50, 50, 0);
             k.AddToPath(1, 0, 50, 5);
             float left = 0;
             k.MoveToPath(1, 0, 2, &left);
             EXPECT_NEAR(left, 150.25f, 0.01f);
         },
         0, 50, 5},
        {"a route travelled from FindPath",
         [](IKorrun& k) { k.FindPath(1, 1, -80, -30, 7, true); },
         -80, -30, 7},
    };
    for (const Case& c : cases) {
        SteppedKorrun world;
        world.ball(1, 0, 0);
        c.start(world.korrun);
        const Travel seen = travel(world, 1);
        EXPECT_EQ(seen.goals, 1) << c.what;
        const SteppedKorrun::Place at = world.place(1);
        EXPECT_LT(std::sqrt(std::pow(at.x - c.x, 2.0f) + std::pow(at.y - c.y, 2.0f) + std::pow(at.z - c.z, 2.0f)), 2.01f)
            << c.what;
        EXPECT_EQ(world.speed(1), 0.0f) << c.what;
    }
}

TEST(KorrunSteering, APatrolGoesRoundItsPathUntilEnded)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    world.korrun.SetMaxSpeed(1, 300);
    const float points[3][2] = {{100, 0}, {100, 100}, {0, 0}};
    for (const auto& point : points)
        world.korrun.AddToPath(1, point[0], point[1], 0);
    EXPECT_EQ(world.korrun.SetActivePath(1, 1, true), IKorrun::kOk);
    int visits[3] = {0, 0, 0};
    bool near[3] = {false, false, false};
    for (int turn = 0; turn < 300; ++turn) {
        world.turn();
        EXPECT_EQ(world.goal(1), IKorrun::kUnderway);
        for (int p = 0; p < 3; ++p) {
            const bool now = distance(world.place(1), points[p][0], points[p][1]) < 5.0f;
            visits[p] += now && !near[p];
            near[p] = now;
        }
    }
    // 341 units a round at 300 units/s: about 5 rounds in 6 s.
    for (int visited : visits)
        EXPECT_GE(visited, 4);
    EXPECT_EQ(world.korrun.SetActivePath(1, 0, false), IKorrun::kOk);
    world.turn();
    EXPECT_EQ(world.korrun.SetActivePath(1, 0, false), IKorrun::kNothingToDo);
    EXPECT_EQ(world.speed(1), 0.0f) << "ending the patrol stops the body";
}

TEST(KorrunSteering, SteeringEachTurnFollowsPointsRoutesAndPaths)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    float left = -1;
    // Follow slows down within 40 and stops within 2.
    for (int turn = 0; turn < 250; ++turn) {
        world.korrun.Follow(1, 100, 0, 50, 40, 2, 1, &left);
        world.turn();
    }
    EXPECT_LE(left, 2.0f);
    EXPECT_EQ(world.speed(1), 0.0f);
    EXPECT_GT(world.place(1).x, 97.9f);

    // A route: points forgotten as they are passed, the goal reported once at its end.
    world.korrun.AddWayPoint(1, 100, 60, 0);
    world.korrun.AddWayPoint(1, 300, 60, 0);
    world.korrun.AddWayPoint(1, 100, 100, 0);
    EXPECT_EQ(world.korrun.RemoveWayPoint(1, 1), IKorrun::kOk);
    EXPECT_EQ(world.korrun.RemoveWayPoint(1, 2), IKorrun::kNothingToDo);
    int goals = 0;
    for (int turn = 0; turn < 100; ++turn) {
        world.korrun.FollowRoute(1, 100, 3, &left);
        world.turn();
        goals += world.goal(1) == IKorrun::kAtGoal;
    }
    EXPECT_EQ(left, 0.0f);
    EXPECT_EQ(goals, 1);
    EXPECT_LT(distance(world.place(1), 100, 100), 3.0f);

    // A path: GotoPath puts the body on a point and heads for the next.
    world.korrun.AddToPath(1, 0, 100, 0);
    world.korrun.AddToPath(1, 0, 0, 0);
    world.korrun.AddToPath(1, 30, 40, 0);
    EXPECT_EQ(world.korrun.GotoPath(1, 1.7f, &left), IKorrun::kOk);
    EXPECT_FLOAT_EQ(left, 50.0f);
    EXPECT_LT(distance(world.place(1), 0, 0), 1e-3f);
    EXPECT_EQ(world.korrun.GotoPath(1, 9, &left), IKorrun::kOk);
    EXPECT_EQ(left, 0.0f);
    EXPECT_EQ(world.korrun.GotoPath(1, 0, &left), IKorrun::kOk);
    for (int turn = 0; turn < 150; ++turn) {
        world.korrun.FollowPath(1, 100, 2, 1, &left);
        world.turn();
    }
    EXPECT_EQ(left, 0.0f);
    EXPECT_LT(distance(world.place(1), 30, 40), 2.0f);
    EXPECT_EQ(world.speed(1), 0.0f);
}

} // namespace
