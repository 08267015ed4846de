#include "KorrunJoints.h"

#include <box2d/b2_body.h>
#include <box2d/b2_joint.h>
#include <box2d/b2_revolute_joint.h>
#include <box2d/b2_world.h>

#include <algorithm>

void KorrunJoints::hinge(b2Body* a, b2Body* b, const b2Vec2& anchor, float breakForce, float lower, float upper)
{
    b2RevoluteJointDef definition;
    definition.Initialize(a, b, anchor);
    definition.enableLimit = true;
    definition.lowerAngle = lower;
    definition.upperAngle = upper;
    joints_.push_back({world_.CreateJoint(&definition), breakForce, false, {}, {}});
}

void KorrunJoints::wheel(b2Body* a, b2Body* b, const b2Vec2& anchor, const b2Vec2& axis, float frequency,
                         float dampingRatio, float maxTorque)
{
    b2WheelJointDef definition;
    definition.Initialize(a, b, anchor, axis);
    definition.maxMotorTorque = maxTorque;
    definition.enableMotor = true;
    if (frequency > 0.0f)
        b2LinearStiffness(definition.stiffness, definition.damping, frequency, dampingRatio, a, b);
    else
        definition.enableLimit = true;
    joints_.push_back({world_.CreateJoint(&definition), 0.0f, true, definition, definition.localAxisA});
}

bool KorrunJoints::joins(const Joint& joint, const b2Body* body)
{
    return joint.joint->GetBodyA() == body || joint.joint->GetBodyB() == body;
}

bool KorrunJoints::breakAll(const b2Body* body)
{
    auto kept = std::stable_partition(joints_.begin(), joints_.end(), [body](const Joint& joint) { return !joins(joint, body); });
    const bool any = kept != joints_.end();
    for (auto it = kept; it != joints_.end(); ++it)
        world_.DestroyJoint(it->joint);
    joints_.erase(kept, joints_.end());
    return any;
}

void KorrunJoints::remake(Joint& joint)
{
    world_.DestroyJoint(joint.joint);
    joint.joint = world_.CreateJoint(&joint.wheel);
}

bool KorrunJoints::steer(const b2Body* body, float radians)
{
    bool any = false;
    for (Joint& joint : joints_) {
        if (joint.isWheel && joins(joint, body)) {
            joint.wheel.localAxisA = b2Mul(b2Rot(radians), joint.firstAxis);
            remake(joint);
            any = true;
        }
    }
    return any;
}

bool KorrunJoints::drive(const b2Body* body, float radiansPerSecond)
{
    bool any = false;
    for (Joint& joint : joints_) {
        if (joint.isWheel && joins(joint, body)) {
            joint.wheel.motorSpeed = radiansPerSecond;
            static_cast<b2WheelJoint*>(joint.joint)->SetMotorSpeed(radiansPerSecond);
            joint.joint->GetBodyA()->SetAwake(true);
            joint.joint->GetBodyB()->SetAwake(true);
            any = true;
        }
    }
    return any;
}

void KorrunJoints::breakOverloaded(float inverseStep)
{
    auto broken = std::remove_if(joints_.begin(), joints_.end(), [this, inverseStep](const Joint& joint) {
        if (joint.breakForce <= 0.0f || joint.joint->GetReactionForce(inverseStep).Length() <= joint.breakForce)
            return false;
        world_.DestroyJoint(joint.joint);
        return true;
    });
    joints_.erase(broken, joints_.end());
}
