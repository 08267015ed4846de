#include "SteppedKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr float kStepMs = 1000.0f / 60.0f;

TEST(KorrunTime, MoveObjectsSimulatesWholeStepsOfTheClockTimeAndPauses)
{
    SteppedKorrun world;
    struct Case {
        const char* what;
        void (*before)(IKorrun&);
        uint32_t elapsed;
        float simulated;
    };
    const Case cases[] = {
        {"no time", nullptr, 0, 0.0f},
        {"three steps", nullptr, 50, 3 * kStepMs},
        {"less than a step waits", nullptr, 10, 0.0f},
        {"the rest adds up", nullptr, 10, kStepMs},
        {"a long pause is cut to 100 ms", nullptr, 5000, 6 * kStepMs},
        {"stopped", [](IKorrun& k) { k.Stop(); }, 50, 0.0f},
        {"started again skips the time stopped", [](IKorrun& k) { k.Start(); }, 50, 3 * kStepMs},
        {"fixed frames ignore the clock", [](IKorrun& k) { k.UseFF(true); }, 0, kStepMs},
        {"fixed frames, long pause", nullptr, 400, kStepMs},
        {"back on the clock", [](IKorrun& k) { k.UseFF(false); }, 50, 3 * kStepMs},
    };
    for (const Case& c : cases) {
        if (c.before != nullptr)
            c.before(world.korrun);
        EXPECT_FLOAT_EQ(world.turn(c.elapsed), c.simulated) << c.what;
    }
    world.clock = 0xFFFFFFF0u;
    world.korrun.SetClock([&world] { return world.clock; });
    EXPECT_FLOAT_EQ(world.turn(50), 3 * kStepMs) << "the clock wraps";
}

TEST(KorrunMotion, AFallingBodyComesToRestOnTheFloorWithSpeedExactlyZeroOnce)
{
    struct Case {
        const char* what;
        int shape;
        float rigidity;
        float tilt;
        float height;
    };
    const Case cases[] = {
        {"a ball", IKorrun::kEllipse, 0.0f, 0.0f, 100.0f},
        {"a bouncing ball", IKorrun::kEllipse, 0.5f, 0.0f, 100.0f},
        // Never put to sleep, it keeps a speed of a millionth that must read as rest.
        {"a box held by friction on a slope", IKorrun::kBox, 0.0f, 15.0f, -130.0f},
    };
    for (const Case& c : cases) {
        SteppedKorrun world;
        world.korrun.SetGravity(0, -980, 0);
        world.wall(1, 0, -200, 300, 20);
        world.korrun.Rotate(1, 2, c.tilt);
        world.korrun.AddBody(2, 0, c.height, 0, 10, 10, 0, c.shape, IKorrun::kOrdinary, 1, c.rigidity, 0);
        world.korrun.Rotate(2, 2, c.tilt);
        world.korrun.SetBodyProperties(2, 1, c.rigidity, 0, 0);
        world.korrun.SetBodyProperties(1, 1, 0, 0, 0);
        world.korrun.SetAlwaysActive(2, c.tilt != 0.0f);
        std::vector<float> speeds;
        for (int i = 0; i < 300; ++i) {
            world.turn();
            speeds.push_back(world.speed(2));
        }
        int starts = 0;
        int stops = 0;
        for (size_t i = 1; i < speeds.size(); ++i) {
            starts += speeds[i - 1] == 0.0f && speeds[i] != 0.0f;
            stops += speeds[i - 1] != 0.0f && speeds[i] == 0.0f;
        }
        EXPECT_GT(speeds.front(), 0.0f) << c.what;
        EXPECT_EQ(speeds.back(), 0.0f) << c.what;
        EXPECT_EQ(starts, 0) << c.what;
        EXPECT_EQ(stops, 1) << c.what;
        if (c.tilt == 0.0f) {
            EXPECT_NEAR(world.place(2).y, -200 + 20 + 10, 1.5f) << c.what;
            EXPECT_NEAR(world.place(2).x, 0.0f, 0.01f) << c.what;
        } else {
            EXPECT_GT(world.place(2).y, -200.0f) << c.what << ": it stays on the slope";
        }
    }
}

TEST(KorrunMotion, MaxSpeedAndLimitBoxHoldOnEveryAxis)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    world.korrun.SetMaxSpeed(1, 200);
    world.korrun.SetForce(1, 5000, 3000, 4000);
    world.ball(2, 0, 0);
    world.korrun.SetLimit(2, -50, -40, -30, 50, 40, 30);
    world.korrun.SetVelocity(2, 900, -700, 800, false);
    world.ball(3, 0, 0);
    world.korrun.SetLimit(3, 10, -40, 0, -10, 40, 0); // x and z free
    world.korrun.SetVelocity(3, 600, -600, 0, false);
    float moved = 0.0f;
    float simulated = 0.0f;
    for (int i = 0; i < 40; ++i) {
        simulated = world.turn();
        EXPECT_LE(world.speed(1), 200.0f * 1.0001f);
        const SteppedKorrun::Place box = world.place(2);
        EXPECT_LE(std::fabs(box.x), 50.0f);
        EXPECT_LE(std::fabs(box.y), 40.0f);
        EXPECT_LE(std::fabs(box.z), 30.0f);
        EXPECT_GE(world.place(3).y, -40.0f);
    }
    world.korrun.GetMoveDistance(1, &moved);
    EXPECT_NEAR(moved, 200.0f * simulated / 1000.0f, 0.01f) << "a full-speed body moves at its limit";
    EXPECT_NEAR(world.speed(1), 200.0f, 0.01f);
    const SteppedKorrun::Place box = world.place(2);
    EXPECT_FLOAT_EQ(box.x, 50.0f);
    EXPECT_FLOAT_EQ(box.y, -40.0f);
    EXPECT_FLOAT_EQ(box.z, 30.0f);
    EXPECT_EQ(world.speed(2), 0.0f) << "the velocity out of the box is dropped";
    EXPECT_GT(world.place(3).x, 300.0f) << "a free axis is not held";
}

TEST(KorrunMotion, ForcesLastOrActOnceAndTurnAtAPoint)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    world.ball(2, 0, 100);
    world.ball(3, 0, 200);
    world.korrun.SetForce(1, 600, 0, 0);
    world.korrun.AddForce(2, 600, 0, 0);
    world.korrun.AddForceAt(3, 0, 600, 0, 10, 0, 0);
    world.turn(100);
    world.turn(100);
    float velocityLasting = world.speed(1);
    float velocityOnce = world.speed(2);
    EXPECT_NEAR(velocityLasting, 600.0f * 0.2f, 1.0f) << "a lasting force acts through both calls";
    EXPECT_NEAR(velocityOnce, 600.0f * 0.1f, 1.0f) << "a one-off force acts through one call";
    float turned = 0.0f;
    world.korrun.GetRotationZ(3, &turned);
    EXPECT_GT(turned, 1.0f) << "a force beside the centre turns the body counter-clockwise";
    EXPECT_LT(turned, 180.0f);

    world.korrun.ZeroAll(1);
    world.turn(100);
    EXPECT_EQ(world.speed(1), 0.0f) << "ZeroAll ends the lasting force too";
}

TEST(KorrunMotion, HeadingSpeedAndVelocityAgree)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    world.korrun.SetSpeed(1, 50);
    world.turn();
    EXPECT_GT(world.place(1).x, 0.0f) << "a body at rest starts along its heading, 0 degrees";
    world.korrun.SetAngle(1, 90);
    world.turn();
    float heading = -1.0f;
    world.korrun.GetAngle(1, &heading);
    EXPECT_NEAR(heading, 90.0f, 0.01f);
    EXPECT_NEAR(world.speed(1), 50.0f, 0.01f);
    world.korrun.SetVelocity(1, -10, 0, 0, true);
    world.turn();
    world.korrun.GetAngle(1, &heading);
    EXPECT_NEAR(heading, 180.0f - std::atan2(50.0f, 10.0f) * 180.0f / 3.14159265f, 0.05f);
    world.korrun.ZeroAll(1);
    world.turn();
    world.korrun.GetAngle(1, &heading);
    EXPECT_NEAR(heading, 101.31f, 0.05f) << "the heading stays while the body rests";

    world.korrun.Rotate(1, 0, 400);
    world.korrun.Rotate(1, 1, -30);
    world.korrun.Rotate(1, 2, 45);
    float x = 0, y = 0, z = 0;
    world.korrun.GetRotationX(1, &x);
    world.korrun.GetRotationY(1, &y);
    world.korrun.GetRotationZ(1, &z);
    EXPECT_NEAR(x, 40.0f, 1e-3f);
    EXPECT_NEAR(y, 330.0f, 1e-3f);
    EXPECT_NEAR(z, 45.0f, 1e-3f);
}

TEST(KorrunMotion, PointGravityPullsEveryBodyOrThoseNamed)
{
    SteppedKorrun world;
    world.ball(1, 0, 0, 20, 0);
    world.ball(2, 200, 0);
    world.ball(3, -200, 0);
    world.ball(4, 0, 300);
    world.korrun.SetG(4, 2.0e6);
    world.korrun.AddGravityEx(2, 4, true);
    world.turns(10);
    EXPECT_EQ(world.speed(3), 0.0f) << "nobody pulls yet but 4, and only 2";
    EXPECT_GT(world.place(2).y, 0.0f);
    EXPECT_EQ(world.place(4).y, 300.0f) << "the puller feels nothing back";

    world.korrun.SetGravityCenter(1, true);
    world.korrun.SetG(1, 9.8e6);
    float simulated = 0.0f;
    for (int i = 0; i < 10; ++i)
        simulated += world.turn();
    EXPECT_GT(world.place(3).x, -200.0f);
    EXPECT_LT(world.place(4).y, 300.0f);
    // G / r²: 9.8e6 / 200² = 245 units/s², a little more as the body comes closer.
    EXPECT_NEAR(world.speed(3), 245.0f * simulated / 1000.0f, 0.05f * 245.0f * simulated / 1000.0f);
}

// The same calls give the same world to the last bit.
std::vector<float> runScene()
{
    SteppedKorrun world;
    world.korrun.SetGravity(0, -500, -10);
    world.wall(100, 0, -250, 400, 20);
    for (uint32_t i = 0; i < 30; ++i) {
        world.korrun.AddBody(i, float(i % 6) * 25.0f - 60.0f, float(i / 6) * 30.0f, 0, 10, i % 2 ? 10.0f : 14.0f, 5,
                             i % 3 ? IKorrun::kEllipse : IKorrun::kBox, IKorrun::kOrdinary, 1.0f + float(i % 4), 0.3f, 0);
    }
    world.korrun.Join(0, 1, -60, 0, 0, 0, -1.0f, 1.0f, 0, 0, 1);
    world.korrun.SetGravityCenter(7, true);
    world.korrun.AddForceAt(5, 300, 200, 0, 3, 4, 0);
    float distance = 0.0f;
    world.korrun.MoveTo(9, 150, 0, 0, 80, 0, &distance);
    std::vector<float> state;
    for (int turn = 0; turn < 120; ++turn) {
        world.turn(17 + uint32_t(turn % 5));
        for (uint32_t i = 0; i < 30; ++i) {
            const SteppedKorrun::Place at = world.place(i);
            state.insert(state.end(), {at.x, at.y, at.z});
        }
    }
    return state;
}

TEST(KorrunMotion, TwoRunsEndIdentical)
{
    const std::vector<float> first = runScene();
    const std::vector<float> second = runScene();
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(0, std::memcmp(first.data(), second.data(), first.size() * sizeof(float)));
}

} // namespace
