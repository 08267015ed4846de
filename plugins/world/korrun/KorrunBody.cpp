#include "KorrunBody.h"

#include "IKorrun.h"
#include "KorrunScale.h"

#include <box2d/b2_body.h>
#include <box2d/b2_circle_shape.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_polygon_shape.h>
#include <box2d/b2_world.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTravelSpeed = 100.0f;
// Units of torque (kg units² / s²) in a newton metre.
constexpr float kTorqueUnits = KorrunScale::kUnitsPerMetre * KorrunScale::kUnitsPerMetre;

b2Vec2 planar(const b2Vec3& v)
{
    return b2Vec2(v.x, v.y);
}

// Keeps one axis of a point within [low, high] unless the axis is free; a velocity leading
// further out is dropped. True when the point was moved.
bool keepWithin(float& place, float& velocity, float low, float high)
{
    if (low > high)
        return false;
    if (place < low) {
        place = low;
        velocity = std::max(velocity, 0.0f);
        return true;
    }
    if (place > high) {
        place = high;
        velocity = std::min(velocity, 0.0f);
        return true;
    }
    return false;
}

} // namespace

KorrunBody::KorrunBody(b2World& world, uint32_t id, int flags) : id_(id), world_(world), flags_(flags)
{
    b2BodyDef definition;
    definition.type = b2_dynamicBody;
    definition.userData.pointer = reinterpret_cast<uintptr_t>(this);
    body_ = world_.CreateBody(&definition);
    rebuildFixture();
}

KorrunBody::~KorrunBody()
{
    world_.DestroyBody(body_);
}

KorrunBody* KorrunBody::of(const b2Body* body)
{
    return reinterpret_cast<KorrunBody*>(const_cast<b2Body*>(body)->GetUserData().pointer);
}

void KorrunBody::setShape(int shape, float rx, float ry)
{
    shape_ = shape;
    rx_ = rx;
    ry_ = ry;
    rebuildFixture();
}

float KorrunBody::extent() const
{
    return shape_ == IKorrun::kBox ? std::hypot(rx_, ry_) : std::max(rx_, ry_);
}

void KorrunBody::rebuildFixture()
{
    if (b2Fixture* old = body_->GetFixtureList())
        body_->DestroyFixture(old);
    b2CircleShape circle;
    b2PolygonShape polygon;
    b2FixtureDef definition;
    if (shape_ == IKorrun::kBox) {
        polygon.SetAsBox(KorrunScale::metres(rx_), KorrunScale::metres(ry_));
        definition.shape = &polygon;
    } else if (rx_ == ry_) {
        circle.m_radius = KorrunScale::metres(rx_);
        definition.shape = &circle;
    } else {
        b2Vec2 corners[8];
        for (int i = 0; i < 8; ++i) {
            const float angle = float(i) * (KorrunScale::kPi / 4.0f);
            corners[i] = KorrunScale::metres(b2Vec2(rx_ * std::cos(angle), ry_ * std::sin(angle)));
        }
        polygon.Set(corners, 8);
        definition.shape = &polygon;
    }
    definition.density = 1.0f;
    definition.friction = friction_;
    definition.restitution = restitution_;
    body_->CreateFixture(&definition);
    setCollisionType(collisionType_);
    applyType();
}

void KorrunBody::setMass(float mass)
{
    mass_ = mass;
    applyType();
}

void KorrunBody::setMaterial(float friction, float restitution)
{
    friction_ = friction;
    restitution_ = restitution;
    b2Fixture* fixture = body_->GetFixtureList();
    fixture->SetFriction(friction);
    fixture->SetRestitution(restitution);
}

void KorrunBody::setDamping(float linear, float angular)
{
    body_->SetLinearDamping(linear);
    body_->SetAngularDamping(angular);
}

float KorrunBody::angularDamping() const
{
    return body_->GetAngularDamping();
}

void KorrunBody::setDynamics(float turnSpeed, float gravityScale, bool bullet)
{
    body_->SetAngularVelocity(KorrunScale::radians(turnSpeed));
    body_->SetGravityScale(gravityScale);
    body_->SetBullet(bullet);
    body_->SetAwake(true);
}

void KorrunBody::setFlags(int flags)
{
    flags_ = flags;
    applyType();
}

void KorrunBody::setFlag(int flag, bool on)
{
    setFlags(on ? flags_ | flag : flags_ & ~flag);
}

void KorrunBody::setActive(bool moving, bool colliding)
{
    moving_ = moving;
    colliding_ = colliding;
    applyType();
}

void KorrunBody::setCollisionType(uint32_t type)
{
    collisionType_ = type;
    b2Filter filter;
    filter.categoryBits = uint16_t(type & 0xFFFF) != 0 ? uint16_t(type & 0xFFFF) : uint16_t(1);
    filter.maskBits = uint16_t(~(type >> 16) & 0xFFFF);
    body_->GetFixtureList()->SetFilterData(filter);
}

void KorrunBody::setLimit(const b2Vec3& low, const b2Vec3& high)
{
    limitLow_ = low;
    limitHigh_ = high;
    limited_ = low.x <= high.x || low.y <= high.y || low.z <= high.z;
}

// Box2D's body type, rotation, sleeping, sensor and enabled state follow from the mass, the flags
// and SetActive together.
void KorrunBody::applyType()
{
    b2BodyType type = b2_staticBody;
    if (mass_ > 0.0f && moving_)
        type = (flags_ & IKorrun::kMoves) != 0 ? b2_dynamicBody : b2_kinematicBody;
    if (body_->GetType() != type)
        body_->SetType(type);
    body_->SetFixedRotation((flags_ & IKorrun::kTurns) == 0);
    body_->SetSleepingAllowed((flags_ & IKorrun::kSleeps) != 0);
    body_->GetFixtureList()->SetSensor((flags_ & IKorrun::kCollides) == 0 || !colliding_);
    const bool enabled = moving_ || colliding_;
    if (body_->IsEnabled() != enabled)
        body_->SetEnabled(enabled);
    applyMass();
}

void KorrunBody::applyMass()
{
    if (body_->GetType() != b2_dynamicBody)
        return;
    b2Fixture* fixture = body_->GetFixtureList();
    b2MassData unit;
    fixture->GetShape()->ComputeMass(&unit, 1.0f);
    fixture->SetDensity(mass_ / unit.mass);
    body_->ResetMassData();
}

b2Vec3 KorrunBody::position() const
{
    const b2Vec2 place = KorrunScale::units(body_->GetPosition());
    return b2Vec3(place.x, place.y, z_);
}

void KorrunBody::setPosition(const b2Vec3& position)
{
    body_->SetTransform(KorrunScale::metres(planar(position)), body_->GetAngle());
    body_->SetAwake(true);
    z_ = position.z;
}

b2Vec3 KorrunBody::velocity() const
{
    const b2Vec2 planarVelocity = KorrunScale::units(body_->GetLinearVelocity());
    return b2Vec3(planarVelocity.x, planarVelocity.y, velocityZ_);
}

void KorrunBody::setVelocity(const b2Vec3& velocity)
{
    body_->SetLinearVelocity(KorrunScale::metres(planar(velocity)));
    velocityZ_ = velocity.z;
}

float KorrunBody::speed() const
{
    if (body_->GetType() == b2_staticBody || !body_->IsEnabled())
        return 0.0f;
    const float speed = KorrunScale::length(velocity());
    return speed < kRestSpeed ? 0.0f : speed;
}

float KorrunBody::heading() const
{
    return KorrunScale::normalDegrees(KorrunScale::degrees(std::atan2(heading_.y, heading_.x)));
}

b2Vec2 KorrunBody::headingDirection() const
{
    b2Vec2 direction = heading_;
    direction.Normalize();
    return direction;
}

void KorrunBody::setHeading(float degrees)
{
    const float angle = KorrunScale::radians(KorrunScale::normalDegrees(degrees));
    heading_ = b2Vec2(std::cos(angle), std::sin(angle));
    const b2Vec3 now = velocity();
    const float planarSpeed = planar(now).Length();
    setVelocity(b2Vec3(planarSpeed * heading_.x, planarSpeed * heading_.y, now.z));
}

float KorrunBody::turn() const
{
    return KorrunScale::normalDegrees(KorrunScale::degrees(body_->GetAngle()));
}

void KorrunBody::turnBy(float degrees)
{
    body_->SetTransform(body_->GetPosition(), body_->GetAngle() + KorrunScale::radians(degrees));
    body_->SetAwake(true);
}

void KorrunBody::rotateX(float degrees)
{
    rotationX_ = KorrunScale::normalDegrees(rotationX_ + degrees);
}

void KorrunBody::rotateY(float degrees)
{
    rotationY_ = KorrunScale::normalDegrees(rotationY_ + degrees);
}

void KorrunBody::addForce(const b2Vec3& force, const b2Vec2& offset)
{
    oneOffForce_ += force;
    oneOffTorque_ += b2Cross(offset, planar(force));
}

void KorrunBody::stop()
{
    setVelocity(b2Vec3(0.0f, 0.0f, 0.0f));
    body_->SetAngularVelocity(0.0f);
    lastingForce_.SetZero();
    oneOffForce_.SetZero();
    oneOffTorque_ = 0.0f;
    travel_.stop();
}

void KorrunBody::setPulledBy(uint32_t other, bool on)
{
    auto found = std::find(pulledBy_.begin(), pulledBy_.end(), other);
    if (on && found == pulledBy_.end())
        pulledBy_.push_back(other);
    else if (!on && found != pulledBy_.end())
        pulledBy_.erase(found);
}

b2Vec2 KorrunBody::pullAt(const b2Vec2& position) const
{
    const b2Vec2 toward = planar(this->position()) - position;
    const float distance = toward.Length();
    if (distance <= 0.0f)
        return b2Vec2(0.0f, 0.0f);
    const float r = std::max(distance, extent());
    return float(g_ / (double(r) * r) / distance) * toward;
}

void KorrunBody::pull(const b2Vec2& acceleration)
{
    pullThisStep_ += acceleration;
}

float KorrunBody::travelSpeed() const
{
    return maxSpeed_ > 0.0f ? maxSpeed_ : kTravelSpeed;
}

void KorrunBody::beginCall()
{
    callStart_ = position();
    begun_.clear();
}

void KorrunBody::beforeStep(float stepSeconds, const b2Vec3& gravity, uint32_t stamp)
{
    if (travel_.travelling() && travel_.advance(position(), stamp))
        setVelocity(travel_.velocity(position(), stepSeconds));
    keepBelowMaxSpeeds();
    stepForceZ_ = 0.0f;
    if (body_->GetType() == b2_dynamicBody) {
        b2Vec3 force = lastingForce_ + oneOffForce_ + b2Vec3(mass_ * pullThisStep_.x, mass_ * pullThisStep_.y, 0.0f);
        if (maxSpeed_ > 0.0f)
            force = forceWithinMaxSpeed(force, body_->GetGravityScale() * gravity, stepSeconds);
        if (force.x != 0.0f || force.y != 0.0f)
            body_->ApplyForceToCenter(KorrunScale::metres(planar(force)), true);
        if (oneOffTorque_ != 0.0f)
            body_->ApplyTorque(oneOffTorque_ / kTorqueUnits, true);
        stepForceZ_ = force.z;
    }
    pullThisStep_.SetZero();
}

b2Vec3 KorrunBody::forceWithinMaxSpeed(const b2Vec3& force, const b2Vec3& gravity, float stepSeconds) const
{
    const b2Vec3 now = velocity();
    const b2Vec3 coming = now + stepSeconds * ((1.0f / mass_) * force + gravity);
    const float speed = KorrunScale::length(coming);
    if (speed <= maxSpeed_)
        return force;
    const b2Vec3 wanted = (maxSpeed_ / speed) * coming;
    return mass_ * ((1.0f / stepSeconds) * (wanted - now) - gravity);
}

void KorrunBody::afterStep(float stepSeconds, float gravityZ, uint32_t stamp)
{
    moveDepth(stepSeconds, gravityZ);
    keepBelowMaxSpeeds();
    keepWithinLimits();
    if (travel_.travelling() && !travel_.advance(position(), stamp))
        setVelocity(b2Vec3(0.0f, 0.0f, 0.0f));
}

void KorrunBody::moveDepth(float stepSeconds, float gravityZ)
{
    const b2BodyType type = body_->GetType();
    const bool still = velocityZ_ == 0.0f && stepForceZ_ == 0.0f && gravityZ == 0.0f;
    if (still || type == b2_staticBody || !body_->IsEnabled())
        return;
    if (type == b2_dynamicBody) {
        velocityZ_ += (stepForceZ_ / mass_ + gravityZ * body_->GetGravityScale()) * stepSeconds;
        velocityZ_ *= 1.0f / (1.0f + stepSeconds * body_->GetLinearDamping());
    }
    z_ += velocityZ_ * stepSeconds;
}

void KorrunBody::keepBelowMaxSpeeds()
{
    if (maxSpeed_ > 0.0f) {
        const b2Vec3 now = velocity();
        const float speed = KorrunScale::length(now);
        if (speed > maxSpeed_)
            setVelocity((maxSpeed_ / speed) * now);
    }
    if (maxTurnSpeed_ > 0.0f) {
        const float most = KorrunScale::radians(maxTurnSpeed_);
        const float turning = body_->GetAngularVelocity();
        if (std::fabs(turning) > most)
            body_->SetAngularVelocity(std::copysign(most, turning));
    }
}

void KorrunBody::keepWithinLimits()
{
    if (!limited_)
        return;
    b2Vec3 place = position();
    b2Vec3 now = velocity();
    const bool xMoved = keepWithin(place.x, now.x, limitLow_.x, limitHigh_.x);
    const bool yMoved = keepWithin(place.y, now.y, limitLow_.y, limitHigh_.y);
    const bool planarMoved = xMoved || yMoved;
    const bool depthMoved = keepWithin(place.z, now.z, limitLow_.z, limitHigh_.z);
    if (planarMoved)
        body_->SetTransform(KorrunScale::metres(planar(place)), body_->GetAngle());
    if (planarMoved || depthMoved) {
        z_ = place.z;
        setVelocity(now);
    }
}

void KorrunBody::endCall(bool stepped)
{
    moveVector_ = position() - callStart_;
    if (stepped) {
        oneOffForce_.SetZero();
        oneOffTorque_ = 0.0f;
    }
    const b2Vec2 planarVelocity = planar(velocity());
    if (planarVelocity.LengthSquared() >= kRestSpeed * kRestSpeed)
        heading_ = planarVelocity;
}
