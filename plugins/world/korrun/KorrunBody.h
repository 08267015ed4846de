#pragma once

#include "KorrunTravel.h"

#include <box2d/b2_math.h>

#include <cstdint>
#include <vector>

class b2Body;
class b2World;

// One body of the world: its Box2D body in metres, and what Box2D does not know of it in units:
// the depth and its velocity, the turns about x and y, the heading, lasting and one-off forces,
// limits, point gravity, mesh flags, contacts begun during a call and its travel.
class KorrunBody {
public:
    // Below this speed (units per second) a body counts as at rest.
    static constexpr float kRestSpeed = 1.0f;

    KorrunBody(b2World& world, uint32_t id, int flags);
    ~KorrunBody();
    KorrunBody(const KorrunBody&) = delete;
    KorrunBody& operator=(const KorrunBody&) = delete;

    static KorrunBody* of(const b2Body* body);
    uint32_t id() const { return id_; }
    b2Body* body() const { return body_; }

    // ---- shape and matter ----
    void setShape(int shape, float rx, float ry);
    int shape() const { return shape_; }
    float radiusX() const { return rx_; }
    float radiusY() const { return ry_; }
    // The larger radius: the circle that holds the body.
    float extent() const;
    void setMass(float mass);
    float mass() const { return mass_; }
    void setMaterial(float friction, float restitution);
    float friction() const { return friction_; }
    void setFlags(int flags);
    int flags() const { return flags_; }
    void setFlag(int flag, bool on);
    void setActive(bool moving, bool colliding);
    void setCollisionType(uint32_t type);
    void setDamping(float linear, float angular);
    float angularDamping() const;
    // Turning speed (degrees per second), the share of the world's gravity, never tunnelling.
    void setDynamics(float turnSpeed, float gravityScale, bool bullet);
    void setMaxSpeed(float speed) { maxSpeed_ = speed; }
    float maxSpeed() const { return maxSpeed_; }
    void setMaxTurnSpeed(float degreesPerSecond) { maxTurnSpeed_ = degreesPerSecond; }
    void setLimit(const b2Vec3& low, const b2Vec3& high);

    // ---- place and motion, in units ----
    b2Vec3 position() const;
    void setPosition(const b2Vec3& position);
    b2Vec3 velocity() const;
    void setVelocity(const b2Vec3& velocity);
    // The length of the velocity, 0 at rest.
    float speed() const;
    // Degrees, [0, 360); the direction as a unit vector.
    float heading() const;
    b2Vec2 headingDirection() const;
    void setHeading(float degrees);
    // The turn in the plane, degrees.
    float turn() const;
    void turnBy(float degrees);
    float rotationX() const { return rotationX_; }
    float rotationY() const { return rotationY_; }
    void rotateX(float degrees);
    void rotateY(float degrees);
    void setLastingForce(const b2Vec3& force) { lastingForce_ = force; }
    void addForce(const b2Vec3& force, const b2Vec2& offset);
    // Stops it dead: velocities, forces and travel.
    void stop();
    b2Vec3 moveVector() const { return moveVector_; }

    // ---- point gravity ----
    bool pullsAll() const { return pullsAll_; }
    void setPullsAll(bool on) { pullsAll_ = on; }
    double g() const { return g_; }
    void setG(double g) { g_ = g; }
    const std::vector<uint32_t>& pulledBy() const { return pulledBy_; }
    void setPulledBy(uint32_t other, bool on);
    // The pull of this body on a body at position, an acceleration in units per second squared.
    b2Vec2 pullAt(const b2Vec2& position) const;
    // Adds an acceleration for the coming step.
    void pull(const b2Vec2& acceleration);

    // ---- navigation ----
    bool meshEnabled() const { return meshEnabled_; }
    bool meshColliding() const { return meshColliding_; }
    void setMeshEnabled(bool on) { meshEnabled_ = on; }
    void setMeshColliding(bool on) { meshColliding_ = on; }
    KorrunTravel& travel() { return travel_; }
    const KorrunTravel& travel() const { return travel_; }
    // The speed of travels that name none: the speed limit, or 100.
    float travelSpeed() const;

    // ---- contacts begun during the present call ----
    std::vector<uint32_t>& begun() { return begun_; }
    const std::vector<uint32_t>& begun() const { return begun_; }

    // ---- the call and its steps ----
    void beginCall();
    // gravity: the world's, in units per second squared.
    void beforeStep(float stepSeconds, const b2Vec3& gravity, uint32_t stamp);
    void afterStep(float stepSeconds, float gravityZ, uint32_t stamp);
    // stepped: whether the call simulated any step (one-off forces are spent then).
    void endCall(bool stepped);

private:
    void rebuildFixture();
    void applyMass();
    void applyType();
    void keepWithinLimits();
    void keepBelowMaxSpeeds();
    // The force that keeps the velocity after a step within the speed limit.
    b2Vec3 forceWithinMaxSpeed(const b2Vec3& force, const b2Vec3& gravity, float stepSeconds) const;
    void moveDepth(float stepSeconds, float gravityZ);

    uint32_t id_;
    b2World& world_;
    b2Body* body_ = nullptr;
    int flags_;
    int shape_ = 0;
    float rx_ = 10.0f;
    float ry_ = 10.0f;
    float mass_ = 1.0f;
    float friction_ = 0.2f;
    float restitution_ = 0.0f;
    uint32_t collisionType_ = 0;
    bool moving_ = true;
    bool colliding_ = true;
    float maxSpeed_ = 0.0f;
    float maxTurnSpeed_ = 0.0f;
    b2Vec3 limitLow_{1.0f, 1.0f, 1.0f};
    b2Vec3 limitHigh_{-1.0f, -1.0f, -1.0f};
    bool limited_ = false;

    float z_ = 0.0f;
    float velocityZ_ = 0.0f;
    float rotationX_ = 0.0f;
    float rotationY_ = 0.0f;
    // The last direction of motion, of any length (atan2 is left until asked for).
    b2Vec2 heading_{1.0f, 0.0f};
    b2Vec3 lastingForce_{0.0f, 0.0f, 0.0f};
    b2Vec3 oneOffForce_{0.0f, 0.0f, 0.0f};
    float oneOffTorque_ = 0.0f;
    b2Vec2 pullThisStep_{0.0f, 0.0f};
    float stepForceZ_ = 0.0f;
    b2Vec3 callStart_{0.0f, 0.0f, 0.0f};
    b2Vec3 moveVector_{0.0f, 0.0f, 0.0f};

    bool pullsAll_ = false;
    double g_ = 98000.0;
    std::vector<uint32_t> pulledBy_;

    bool meshEnabled_ = false;
    bool meshColliding_ = false;
    KorrunTravel travel_;
    std::vector<uint32_t> begun_;
};
