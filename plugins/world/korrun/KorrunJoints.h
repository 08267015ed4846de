#pragma once

#include <box2d/b2_math.h>
#include <box2d/b2_wheel_joint.h>

#include <vector>

class b2Body;
class b2Joint;
class b2World;

// The hinges and wheels of a world, in metres and newtons, with what Box2D does not keep: the
// force a hinge breaks at, and the definition a wheel is made anew from when it is steered.
class KorrunJoints {
public:
    explicit KorrunJoints(b2World& world) : world_(world) {}

    // A hinge at anchor turning between lower and upper (radians, lower <= upper); breakForce > 0
    // breaks it when it holds more.
    void hinge(b2Body* a, b2Body* b, const b2Vec2& anchor, float breakForce, float lower, float upper);
    // A wheel b on a (its axis in world axes at the start, unit length); frequency 0 holds it on
    // the axis rigidly.
    void wheel(b2Body* a, b2Body* b, const b2Vec2& anchor, const b2Vec2& axis, float frequency, float dampingRatio,
               float maxTorque);
    // Destroys every joint of body; false when it had none.
    bool breakAll(const b2Body* body);
    // Turns the axis of every wheel of body to radians from its first axis; false without a wheel.
    bool steer(const b2Body* body, float radians);
    // Drives every wheel of body at radians per second; false without a wheel.
    bool drive(const b2Body* body, float radiansPerSecond);
    // Breaks the hinges that held more than their force in the step just made.
    void breakOverloaded(float inverseStep);

private:
    struct Joint {
        b2Joint* joint;
        float breakForce;
        bool isWheel;
        b2WheelJointDef wheel;
        b2Vec2 firstAxis;
    };

    static bool joins(const Joint& joint, const b2Body* body);
    void remake(Joint& joint);

    b2World& world_;
    std::vector<Joint> joints_;
};
