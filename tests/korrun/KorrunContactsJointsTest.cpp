#include "SteppedKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<uint32_t> allCollisions(IKorrun& korrun, uint32_t id)
{
    IVector* touching = nullptr;
    EXPECT_EQ(korrun.GetAllCollisions(id, &touching), IKorrun::kOk);
    return touching == nullptr ? std::vector<uint32_t>{}
                               : std::vector<uint32_t>(touching->GetData(), touching->GetData() + touching->GetCount());
}

bool touches(IKorrun& korrun, uint32_t id, uint32_t other)
{
    bool touching = false;
    EXPECT_EQ(korrun.GetCollision(id, other, &touching), IKorrun::kOk);
    return touching;
}

TEST(KorrunContacts, OverlappingBodiesAppearInBothCollisionCalls)
{
    SteppedKorrun world;
    world.ball(1, 0, 0);
    world.ball(2, 15, 0);
    world.ball(3, -12, 5);
    world.ball(4, 300, 0);
    world.turn();
    EXPECT_TRUE(world.touching(1));
    EXPECT_TRUE(touches(world.korrun, 1, 2));
    EXPECT_TRUE(touches(world.korrun, 2, 1));
    EXPECT_FALSE(touches(world.korrun, 1, 4));
    EXPECT_FALSE(world.touching(4));
    EXPECT_EQ(allCollisions(world.korrun, 1), (std::vector<uint32_t>{2, 3}));
    EXPECT_EQ(allCollisions(world.korrun, 4), std::vector<uint32_t>{});

    IVector* kept = nullptr;
    world.korrun.GetAllCollisions(2, &kept);
    bool any = false;
    world.korrun.GetCollision(3, &any);
    world.korrun.GetCollision(4, 3, &any);
    ASSERT_EQ(kept->GetCount(), 1) << "other collision queries leave the vector alone";
    EXPECT_EQ(kept->GetData()[0], 1u);
}

TEST(KorrunContacts, AContactDuringACallCountsForThatCallOnly)
{
    SteppedKorrun world;
    world.wall(1, 100, 0, 10, 100);
    world.ball(2, 60, 0);
    world.korrun.SetRigid(2, 1);
    world.korrun.SetVelocity(2, 1500, 0, 0, false);
    world.turn(100);
    EXPECT_LT(world.place(2).x, 75.0f) << "it bounced back within the call";
    EXPECT_TRUE(touches(world.korrun, 2, 1));
    EXPECT_EQ(allCollisions(world.korrun, 1), std::vector<uint32_t>{2});
    world.turn(100);
    EXPECT_FALSE(world.touching(2));
}

TEST(KorrunContacts, CollisionTypesFilterWhoTouches)
{
    struct Case {
        uint32_t first;
        uint32_t second;
        bool touching;
    };
    const Case cases[] = {
        {0, 0, true},
        {0x00020002, 0x00020002, false}, // group 2 passing through group 2
        {0x00020002, 0, true},
        {0x00010004, 0, false}, // passes through group 1, the default
        {0x00010004, 0x00040001, false},
        {0x00080004, 0x00040002, false}, // the second passes through the first's group
    };
    for (const Case& c : cases) {
        SteppedKorrun world;
        world.ball(1, 0, 0);
        world.ball(2, 15, 0);
        world.korrun.SetCollisionType(1, c.first);
        world.korrun.SetCollisionType(2, c.second);
        world.turn();
        EXPECT_EQ(world.touching(1), c.touching) << std::hex << c.first << " " << c.second;
        EXPECT_EQ(world.place(1).x == 0.0f, !c.touching) << "only bodies that collide push each other";
    }
}

TEST(KorrunContacts, ASensorTouchesWithoutPushing)
{
    SteppedKorrun world;
    world.korrun.AddBody(1, 0, 0, 0, 10, 10, 0, IKorrun::kEllipse, IKorrun::kMoves | IKorrun::kTurns, 1, 0, 0);
    world.ball(2, 15, 0);
    world.ball(3, 200, 0);
    world.ball(4, 215, 0);
    world.korrun.SetActive(4, true, false);
    world.turn();
    EXPECT_TRUE(touches(world.korrun, 1, 2));
    EXPECT_TRUE(touches(world.korrun, 3, 4));
    EXPECT_FLOAT_EQ(world.place(2).x, 15.0f);
    EXPECT_FLOAT_EQ(world.place(3).x, 200.0f);
}

// A bar hinged to a fixed post at its left end, pulled up and to the left, its swing damped.
float hingedAngle(float lower, float upper, float az = 1.0f)
{
    SteppedKorrun world;
    world.ball(1, 0, 0, 5, 0);
    world.korrun.AddBody(2, 50, 0, 0, 50, 5, 0, IKorrun::kBox, IKorrun::kOrdinary, 1, 0, 0);
    EXPECT_EQ(world.korrun.Join(1, 2, 0, 0, 0, 0, lower, upper, 0, 0, az), IKorrun::kOk);
    world.korrun.SetBodyProperties(2, 0.2f, 0, 0, 10);
    world.korrun.SetForce(2, -300, 300, 0);
    world.turns(200);
    const SteppedKorrun::Place end = world.place(2);
    EXPECT_NEAR(std::hypot(end.x, end.y), 50.0f, 1.0f) << "the bar stays on its hinge";
    float turned = 0.0f;
    world.korrun.GetRotationZ(2, &turned);
    return turned;
}

TEST(KorrunJoints, AHingeHoldsItsLimits)
{
    const float quarter = 1.5707963f;
    EXPECT_NEAR(hingedAngle(-quarter, quarter), 90.0f, 2.0f);
    EXPECT_NEAR(hingedAngle(quarter, -quarter), 90.0f, 2.0f) << "limits given the wrong way round";
    EXPECT_NEAR(hingedAngle(-2 * quarter, 2 * quarter), 135.0f, 2.0f) << "free, it lines up with the pull";
    EXPECT_NEAR(hingedAngle(-quarter / 2, quarter / 2), 45.0f, 2.0f);
    EXPECT_NEAR(hingedAngle(0, quarter / 2, -1), 0.0f, 2.0f) << "a clockwise axis turns the limits over";
}

TEST(KorrunJoints, AHingeBreaksAboveItsForceAndBreakRemovesJoints)
{
    for (float breakForce : {0.0f, 50.0f}) {
        SteppedKorrun world;
        world.korrun.SetGravity(0, -980, 0);
        world.ball(1, 0, 0, 5, 0);
        world.ball(2, 0, -40, 10, 1);
        world.korrun.Join(1, 2, 0, 0, 0, breakForce, -1, 1, 0, 0, 1);
        world.turns(50);
        const bool held = world.place(2).y > -50.0f;
        EXPECT_EQ(held, breakForce == 0.0f) << "a weight of 980 against " << breakForce;
        EXPECT_EQ(world.korrun.Break(2), held ? IKorrun::kOk : IKorrun::kNothingToDo);
        EXPECT_EQ(world.korrun.Break(2), IKorrun::kNothingToDo);
        world.turns(20);
        EXPECT_LT(world.place(2).y, -50.0f);
    }
}

TEST(KorrunJoints, AWheelIsDrivenAndSteered)
{
    SteppedKorrun world;
    world.korrun.SetGravity(0, -980, 0);
    world.wall(1, 0, -100, 2000, 10);
    world.korrun.AddBody(2, 0, -50, 0, 40, 10, 0, IKorrun::kBox, IKorrun::kOrdinary, 2, 0, 0);
    world.ball(3, -30, -70, 10, 0.5f);
    world.ball(4, 30, -70, 10, 0.5f);
    world.korrun.Join2(2, 3, -30, -70, 0, 0, 1, 0, 4, 0.7f, 5.0e4f);
    world.korrun.Join2(2, 4, 30, -70, 0, 0, 1, 0, 4, 0.7f, 5.0e4f);
    world.korrun.SetBodyProperties(3, 1, 0, 0, 0);
    world.korrun.SetBodyProperties(4, 1, 0, 0, 0);
    EXPECT_EQ(world.korrun.JointSpeed(2, -360), IKorrun::kOk);
    world.turns(100);
    EXPECT_GT(world.place(2).x, 50.0f) << "wheels turning clockwise roll the car right";
    EXPECT_EQ(world.korrun.JointSpeed(1, 360), IKorrun::kNothingToDo);

    // A wheel on a fixed post, springing along a vertical axis and pushed sideways: only a steered
    // axis lets it go.
    world.ball(10, 500, 500, 5, 0);
    world.ball(11, 500, 500, 10, 1);
    world.korrun.Join2(10, 11, 500, 500, 0, 0, 1, 0, 1, 1, 0);
    world.korrun.SetGravity(0, 0, 0);
    world.korrun.SetForce(11, 500, 0, 0);
    world.turns(30);
    EXPECT_NEAR(world.place(11).x, 500.0f, 0.5f);
    EXPECT_EQ(world.korrun.JointSteer(11, 90), IKorrun::kOk);
    world.turns(30);
    EXPECT_GT(world.place(11).x, 505.0f);
    EXPECT_EQ(world.korrun.JointSteer(1, 90), IKorrun::kNothingToDo);
}

} // namespace
