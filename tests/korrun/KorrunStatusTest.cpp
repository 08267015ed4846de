#include "SteppedKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// Calls that must fail with their status, leaving body 1 (a ball at the origin) and the outputs
// untouched.
TEST(KorrunStatus, FailingCallsChangeNothingAndWriteNothing)
{
    const float nan = NAN;
    float out = 7.0f;
    bool flag = true;
    struct Case {
        const char* what;
        int status;
        std::function<int(IKorrun&)> call;
    };
    const Case cases[] = {
        {"unknown body", IKorrun::kUnknownBody, [](IKorrun& k) { return k.SetPosition(2, 0, 0, 0); }},
        {"unknown other of a pair", IKorrun::kUnknownBody, [&](IKorrun& k) { return k.GetCollision(1, 2, &flag); }},
        {"unknown other of a joint", IKorrun::kUnknownBody, [](IKorrun& k) { return k.Join(1, 2, 0, 0, 0, 0, -1, 1, 0, 0, 1); }},
        {"unknown puller", IKorrun::kUnknownBody, [](IKorrun& k) { return k.AddGravityEx(1, 2, true); }},
        {"removing an unknown body", IKorrun::kUnknownBody, [](IKorrun& k) { return k.RemoveObject(2); }},
        {"reading an unknown body", IKorrun::kUnknownBody, [&](IKorrun& k) { return k.GetSpeed(2, &out); }},
        {"not a number", IKorrun::kBadArgument, [&](IKorrun& k) { return k.SetPosition(1, nan, 0, 0); }},
        {"beyond the limit", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetVelocity(1, 0, 2e7f, 0, false); }},
        {"radius too small", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetRadius(1, 0.5f, 10, 0); }},
        {"radius too large", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetRadius(1, 10, 2e5f, 0); }},
        {"negative mass", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetMass(1, -1); }},
        {"mass too small", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetMass(1, 1e-4f); }},
        {"rigidity above 1", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetRigid(1, 1.5f); }},
        {"unknown flags", IKorrun::kBadArgument, [](IKorrun& k) { return k.AddObject(1, 0x100000); }},
        {"unknown shape", IKorrun::kBadArgument,
         [](IKorrun& k) { return k.AddBody(1, 0, 0, 0, 10, 10, 0, 2, IKorrun::kOrdinary, 1, 0, 0); }},
        {"unknown axis", IKorrun::kBadArgument, [](IKorrun& k) { return k.Rotate(1, 3, 10); }},
        {"negative speed", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetSpeed(1, -1); }},
        {"blend above 1", IKorrun::kBadArgument, [&](IKorrun& k) { return k.Follow(1, 0, 0, 1, 0, 0, 2, &out); }},
        {"G not finite", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetG(1, INFINITY); }},
        {"hinge without a z axis", IKorrun::kBadArgument, [](IKorrun& k) { return k.Join(1, 2, 0, 0, 0, 0, -1, 1, 0, 1, 0); }},
        {"wheel without an axis", IKorrun::kBadArgument, [](IKorrun& k) { return k.Join2(1, 2, 0, 0, 0, 0, 0, 1, 1, 1, 1); }},
        {"pulled by itself", IKorrun::kBadArgument, [](IKorrun& k) { return k.AddGravityEx(1, 1, true); }},
        {"null out", IKorrun::kBadArgument, [](IKorrun& k) { return k.GetPosition(1, nullptr, nullptr, nullptr); }},
        {"null vector", IKorrun::kBadArgument, [](IKorrun& k) { return k.GetAllCollisions(1, nullptr); }},
        {"null clock", IKorrun::kBadArgument, [](IKorrun& k) { return k.SetClock(nullptr); }},
        {"null time", IKorrun::kBadArgument, [](IKorrun& k) { return k.MoveObjects(nullptr); }},
        {"no joint", IKorrun::kNothingToDo, [](IKorrun& k) { return k.Break(1); }},
        {"no wheel", IKorrun::kNothingToDo, [](IKorrun& k) { return k.JointSpeed(1, 10); }},
        {"no way point", IKorrun::kNothingToDo, [](IKorrun& k) { return k.RemoveWayPoint(1, 0); }},
        {"no path", IKorrun::kNothingToDo, [&](IKorrun& k) { return k.GotoPath(1, 0, &out); }},
        {"no path to travel", IKorrun::kNothingToDo, [&](IKorrun& k) { return k.MoveToPath(1, 10, 1, &out); }},
        {"no patrol", IKorrun::kNothingToDo, [](IKorrun& k) { return k.SetActivePath(1, 0, true); }},
    };
    for (const Case& c : cases) {
        SteppedKorrun world;
        world.ball(1, 0, 0);
        EXPECT_EQ(c.call(world.korrun), c.status) << c.what;
        const SteppedKorrun::Place at = world.place(1);
        EXPECT_EQ(at.x, 0.0f) << c.what;
        EXPECT_EQ(at.y, 0.0f) << c.what;
        world.turn(50);
        EXPECT_EQ(world.speed(1), 0.0f) << c.what;
        bool touching = true;
        EXPECT_EQ(world.korrun.GetCollision(1, &touching), IKorrun::kOk);
        EXPECT_FALSE(touching) << c.what;
    }
    EXPECT_EQ(out, 7.0f);
    EXPECT_TRUE(flag);
}

} // namespace
