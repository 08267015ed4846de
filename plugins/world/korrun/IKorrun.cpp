#include "IKorrun.h"

#include "KorrunBody.h"
#include "KorrunScale.h"
#include "KorrunWorld.h"
#include "KorrunWorldFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

// A longer pause between calls is not made up.
constexpr uint32_t kMostElapsed = 100;
// Clock milliseconds count 60 each; a step costs 1000, 1000/60 ms.
constexpr uint32_t kStepsPerSecond = 60;
constexpr uint32_t kStepCost = 1000;
// Travels arrive within this much at least: exact arrival is up to rounding.
constexpr float kLeastReach = 0.5f;
constexpr double kMostG = 1.0e12;

bool usable(float value)
{
    return std::isfinite(value) && std::fabs(value) <= IKorrun::kLimit;
}

template <typename... Values>
bool usable(float first, Values... rest)
{
    return usable(first) && (usable(rest) && ...);
}

bool notNegative(float value)
{
    return usable(value) && value >= 0.0f;
}

template <typename... Values>
bool notNegative(float first, Values... rest)
{
    return notNegative(first) && (notNegative(rest) && ...);
}

bool share(float value)
{
    return notNegative(value) && value <= 1.0f;
}

bool radius(float value)
{
    return std::isfinite(value) && value >= IKorrun::kMinRadius && value <= IKorrun::kMaxRadius;
}

bool mass(float value)
{
    return value == 0.0f || (std::isfinite(value) && value >= IKorrun::kMinMass && value <= IKorrun::kMaxMass);
}

bool flags(int value)
{
    return (value & ~IKorrun::kOrdinary) == 0;
}

b2Vec3 point(float x, float y, float z)
{
    return b2Vec3(x, y, z);
}

float travelReach(float reach)
{
    return std::max(reach, kLeastReach);
}

float travelSpeed(const KorrunBody& body, float speed)
{
    return speed > 0.0f ? speed : body.travelSpeed();
}

// The velocity that heads from position for target at speed, blended into the present one.
b2Vec3 steer(const KorrunBody& body, const b2Vec3& target, float speed, float blend)
{
    const b2Vec3 toward = target - body.position();
    const float distance = KorrunScale::length(toward);
    const b2Vec3 wanted = distance > 0.0f ? (speed / distance) * toward : b2Vec3(0.0f, 0.0f, 0.0f);
    const b2Vec3 now = body.velocity();
    return now + blend * (wanted - now);
}

// Ends the last leg of way (from start when it has one leg) short by the distance given.
void stopShort(std::vector<b2Vec3>& way, const b2Vec3& start, float by)
{
    const b2Vec3 from = way.size() > 1 ? way[way.size() - 2] : start;
    b2Vec3& end = way.back();
    const b2Vec3 leg = end - from;
    const float length = KorrunScale::length(leg);
    end = length > by ? end - (by / length) * leg : from;
}

uint32_t steadyMilliseconds()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

IKorrun::IKorrun() : world_(std::make_unique<KorrunWorld>()), clock_(steadyMilliseconds), lastTick_(now()) {}

IKorrun::~IKorrun() = default;

uint32_t IKorrun::now() const
{
    return clock_();
}

KorrunBody* IKorrun::find(uint32_t id) const
{
    return world_->find(id);
}

int IKorrun::withBody(uint32_t id, const std::function<void(KorrunBody&)>& change)
{
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    change(*body);
    return kOk;
}

// ---- The world ----

int IKorrun::Create(std::FILE* file)
{
    KorrunWorldFile calls;
    if (file != nullptr && !calls.read(file))
        return kBadFile;
    IKorrun fresh;
    if (!calls.applyTo(fresh))
        return kBadFile;
    std::swap(world_, fresh.world_);
    return kOk;
}

// The calls are tried on a world holding bodies of the same ids first, so a damaged file
// changes nothing: whether a call the file may make succeeds depends on its arguments and on
// which bodies exist only.
int IKorrun::Load(std::FILE* file)
{
    if (file == nullptr)
        return kBadArgument;
    KorrunWorldFile calls;
    if (!calls.read(file))
        return kBadFile;
    IKorrun trial;
    for (const std::unique_ptr<KorrunBody>& body : world_->bodies())
        trial.AddObject(body->id(), kOrdinary);
    if (!calls.applyTo(trial) || !calls.applyTo(*this))
        return kBadFile;
    return kOk;
}

int IKorrun::SetClock(std::function<uint32_t()> milliseconds)
{
    if (!milliseconds)
        return kBadArgument;
    clock_ = std::move(milliseconds);
    lastTick_ = now();
    leftover_ = 0;
    return kOk;
}

int IKorrun::Start()
{
    if (!running_)
        lastTick_ = now();
    running_ = true;
    return kOk;
}

int IKorrun::Stop()
{
    running_ = false;
    return kOk;
}

int IKorrun::UseFF(bool fixedFrames)
{
    fixedFrames_ = fixedFrames;
    return kOk;
}

int IKorrun::SetGravity(float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    world_->setGravity(point(x, y, z));
    return kOk;
}

int IKorrun::MoveObjects(float* simulated)
{
    if (simulated == nullptr)
        return kBadArgument;
    const uint32_t tick = now();
    const uint32_t elapsed = std::min(tick - lastTick_, kMostElapsed);
    lastTick_ = tick;
    uint32_t steps = 0;
    if (running_ && fixedFrames_) {
        steps = 1;
    } else if (running_) {
        leftover_ += elapsed * kStepsPerSecond;
        steps = leftover_ / kStepCost;
        leftover_ %= kStepCost;
    }
    world_->simulate(int(steps));
    *simulated = float(steps) * (1000.0f / float(kStepsPerSecond));
    return kOk;
}

// ---- Bodies ----

int IKorrun::AddObject(uint32_t id, int flags)
{
    if (!::flags(flags))
        return kBadArgument;
    world_->make(id, flags);
    return kOk;
}

int IKorrun::AddBody(uint32_t id, float x, float y, float z, float rx, float ry, float rz, int shape, int flags,
                     float mass, float rigidity, float maxSpeed)
{
    const bool shapeKnown = shape == kEllipse || shape == kBox;
    if (!usable(x, y, z) || !radius(rx) || !radius(ry) || !notNegative(rz) || !shapeKnown || !::flags(flags)
        || !::mass(mass) || !share(rigidity) || !notNegative(maxSpeed))
        return kBadArgument;
    KorrunBody& body = world_->make(id, flags);
    body.setShape(shape, rx, ry);
    body.setPosition(point(x, y, z));
    body.setMass(mass);
    body.setMaterial(body.friction(), rigidity);
    body.setMaxSpeed(maxSpeed);
    return kOk;
}

int IKorrun::RemoveObject(uint32_t id)
{
    return world_->remove(id) ? kOk : kUnknownBody;
}

int IKorrun::SetPosition(uint32_t id, float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setPosition(point(x, y, z)); });
}

int IKorrun::GetPosition(uint32_t id, float* x, float* y, float* z)
{
    if (x == nullptr || y == nullptr || z == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        const b2Vec3 place = body.position();
        *x = place.x;
        *y = place.y;
        *z = place.z;
    });
}

int IKorrun::SetRadius(uint32_t id, float rx, float ry, float rz)
{
    if (!radius(rx) || !radius(ry) || !notNegative(rz))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setShape(body.shape(), rx, ry); });
}

int IKorrun::SetMass(uint32_t id, float mass)
{
    if (!::mass(mass))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setMass(mass); });
}

int IKorrun::SetRigid(uint32_t id, float rigidity)
{
    if (!share(rigidity))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setMaterial(body.friction(), rigidity); });
}

int IKorrun::SetDispersion(uint32_t id, float dispersion)
{
    if (!notNegative(dispersion))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setDamping(dispersion, body.angularDamping()); });
}

int IKorrun::SetBodyProperties(uint32_t id, float friction, float restitution, float linearDamping,
                               float angularDamping)
{
    if (!notNegative(friction, linearDamping, angularDamping) || !share(restitution))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        body.setMaterial(friction, restitution);
        body.setDamping(linearDamping, angularDamping);
    });
}

int IKorrun::SetBodyDynamics(uint32_t id, float turnSpeed, float gravityScale, float fixedRotation, float bullet,
                             float maxTurnSpeed)
{
    if (!usable(turnSpeed, gravityScale, fixedRotation, bullet) || !notNegative(maxTurnSpeed))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        body.setFlag(kTurns, fixedRotation == 0.0f);
        body.setDynamics(turnSpeed, gravityScale, bullet != 0.0f);
        body.setMaxTurnSpeed(maxTurnSpeed);
    });
}

int IKorrun::SetCollisionType(uint32_t id, uint32_t type)
{
    return withBody(id, [&](KorrunBody& body) { body.setCollisionType(type); });
}

int IKorrun::SetAlwaysActive(uint32_t id, bool on)
{
    return withBody(id, [&](KorrunBody& body) { body.setFlag(kSleeps, !on); });
}

int IKorrun::SetActive(uint32_t id, bool moving, bool colliding)
{
    return withBody(id, [&](KorrunBody& body) { body.setActive(moving, colliding); });
}

int IKorrun::SetLimit(uint32_t id, float x1, float y1, float z1, float x2, float y2, float z2)
{
    if (!usable(x1, y1, z1, x2, y2, z2))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setLimit(point(x1, y1, z1), point(x2, y2, z2)); });
}

// ---- Motion ----

int IKorrun::SetVelocity(uint32_t id, float x, float y, float z, bool add)
{
    if (!usable(x, y, z))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        const b2Vec3 given = point(x, y, z);
        body.setVelocity(add ? body.velocity() + given : given);
    });
}

int IKorrun::SetSpeed(uint32_t id, float speed)
{
    if (!notNegative(speed))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        const b2Vec3 now = body.velocity();
        const float length = KorrunScale::length(now);
        if (length > 0.0f) {
            body.setVelocity((speed / length) * now);
            return;
        }
        const b2Vec2 heading = body.headingDirection();
        body.setVelocity(point(speed * heading.x, speed * heading.y, 0.0f));
    });
}

int IKorrun::GetSpeed(uint32_t id, float* speed)
{
    if (speed == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *speed = body.speed(); });
}

int IKorrun::SetAngle(uint32_t id, float degrees)
{
    if (!usable(degrees))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setHeading(degrees); });
}

int IKorrun::GetAngle(uint32_t id, float* degrees)
{
    if (degrees == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *degrees = body.heading(); });
}

int IKorrun::SetMaxSpeed(uint32_t id, float speed)
{
    if (!notNegative(speed))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setMaxSpeed(speed); });
}

int IKorrun::Rotate(uint32_t id, int axis, float degrees)
{
    if (axis < 0 || axis > 2 || !usable(degrees))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        if (axis == 0)
            body.rotateX(degrees);
        else if (axis == 1)
            body.rotateY(degrees);
        else
            body.turnBy(degrees);
    });
}

int IKorrun::GetRotationX(uint32_t id, float* degrees)
{
    if (degrees == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *degrees = body.rotationX(); });
}

int IKorrun::GetRotationY(uint32_t id, float* degrees)
{
    if (degrees == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *degrees = body.rotationY(); });
}

int IKorrun::GetRotationZ(uint32_t id, float* degrees)
{
    if (degrees == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *degrees = body.turn(); });
}

int IKorrun::SetForce(uint32_t id, float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setLastingForce(point(x, y, z)); });
}

int IKorrun::AddForce(uint32_t id, float x, float y, float z)
{
    return AddForceAt(id, x, y, z, 0.0f, 0.0f, 0.0f);
}

int IKorrun::AddForceAt(uint32_t id, float fx, float fy, float fz, float px, float py, float pz)
{
    if (!usable(fx, fy, fz) || !usable(px, py, pz))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.addForce(point(fx, fy, fz), b2Vec2(px, py)); });
}

int IKorrun::ZeroAll(uint32_t id)
{
    return withBody(id, [](KorrunBody& body) { body.stop(); });
}

int IKorrun::GetMoveDistance(uint32_t id, float* distance)
{
    if (distance == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *distance = KorrunScale::length(body.moveVector()); });
}

int IKorrun::GetMoveVector(uint32_t id, float* x, float* y, float* z)
{
    if (x == nullptr || y == nullptr || z == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        const b2Vec3 moved = body.moveVector();
        *x = moved.x;
        *y = moved.y;
        *z = moved.z;
    });
}

// ---- Point gravity ----

int IKorrun::SetGravityCenter(uint32_t id, bool on)
{
    return withBody(id, [&](KorrunBody& body) { body.setPullsAll(on); });
}

int IKorrun::SetG(uint32_t id, double g)
{
    if (!std::isfinite(g) || std::fabs(g) > kMostG)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.setG(g); });
}

int IKorrun::AddGravityEx(uint32_t id, uint32_t other, bool on)
{
    if (id == other)
        return kBadArgument;
    if (find(other) == nullptr)
        return kUnknownBody;
    return withBody(id, [&](KorrunBody& body) { body.setPulledBy(other, on); });
}

// ---- Contacts ----

int IKorrun::GetCollision(uint32_t id, bool* touching)
{
    if (touching == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        world_->touching(body, probe_);
        *touching = !probe_.empty();
    });
}

int IKorrun::GetCollision(uint32_t id, uint32_t other, bool* touching)
{
    if (touching == nullptr)
        return kBadArgument;
    if (find(other) == nullptr)
        return kUnknownBody;
    return withBody(id, [&](KorrunBody& body) {
        world_->touching(body, probe_);
        *touching = std::binary_search(probe_.begin(), probe_.end(), other);
    });
}

int IKorrun::GetAllCollisions(uint32_t id, IVector** touching)
{
    if (touching == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        world_->touching(body, probe_);
        touching_.Clear();
        for (uint32_t other : probe_)
            touching_.Add(other);
        *touching = &touching_;
    });
}

// ---- Joints ----

int IKorrun::Join(uint32_t id, uint32_t other, float x, float y, float z, float breakForce, float lower, float upper,
                  float ax, float ay, float az)
{
    if (!usable(x, y, z, lower, upper, ax, ay, az) || !notNegative(breakForce) || az == 0.0f || id == other)
        return kBadArgument;
    KorrunBody* a = find(id);
    KorrunBody* b = find(other);
    if (a == nullptr || b == nullptr)
        return kUnknownBody;
    if (lower > upper)
        std::swap(lower, upper);
    if (az < 0.0f)
        std::tie(lower, upper) = std::make_pair(-upper, -lower);
    world_->joints().hinge(a->body(), b->body(), KorrunScale::metres(b2Vec2(x, y)), KorrunScale::metres(breakForce),
                           lower, upper);
    return kOk;
}

int IKorrun::Join2(uint32_t id, uint32_t other, float x, float y, float z, float ax, float ay, float az,
                   float frequency, float dampingRatio, float maxTorque)
{
    if (!usable(x, y, z, ax, ay, az) || !notNegative(frequency, dampingRatio, maxTorque) || id == other)
        return kBadArgument;
    b2Vec2 axis(ax, ay);
    if (axis.Normalize() == 0.0f)
        return kBadArgument;
    KorrunBody* a = find(id);
    KorrunBody* b = find(other);
    if (a == nullptr || b == nullptr)
        return kUnknownBody;
    world_->joints().wheel(a->body(), b->body(), KorrunScale::metres(b2Vec2(x, y)), axis, frequency, dampingRatio,
                           KorrunScale::metres(KorrunScale::metres(maxTorque)));
    return kOk;
}

int IKorrun::Break(uint32_t id)
{
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    return world_->joints().breakAll(body->body()) ? kOk : kNothingToDo;
}

int IKorrun::JointSteer(uint32_t id, float degrees)
{
    if (!usable(degrees))
        return kBadArgument;
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    return world_->joints().steer(body->body(), KorrunScale::radians(degrees)) ? kOk : kNothingToDo;
}

int IKorrun::JointSpeed(uint32_t id, float degreesPerSecond)
{
    if (!usable(degreesPerSecond))
        return kBadArgument;
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    return world_->joints().drive(body->body(), KorrunScale::radians(degreesPerSecond)) ? kOk : kNothingToDo;
}

// ---- Steering ----

int IKorrun::Follow(uint32_t id, float x, float y, float speed, float slowRadius, float stopRadius, float blend,
                    float* distance)
{
    if (distance == nullptr || !usable(x, y) || !notNegative(speed, slowRadius, stopRadius) || !share(blend))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        body.travel().stop();
        const b2Vec3 place = body.position();
        const float away = b2Vec2(x - place.x, y - place.y).Length();
        float wanted = speed;
        if (away <= stopRadius)
            wanted = 0.0f;
        else if (away < slowRadius)
            wanted = speed * away / slowRadius;
        const b2Vec3 target(x, y, place.z);
        const b2Vec3 velocity = steer(body, target, wanted, blend);
        body.setVelocity(point(velocity.x, velocity.y, body.velocity().z));
        *distance = away;
    });
}

int IKorrun::MoveTo(uint32_t id, float x, float y, float z, float speed, float reach, float* distance)
{
    if (distance == nullptr || !usable(x, y, z, speed) || !notNegative(reach))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        const b2Vec3 target = point(x, y, z);
        body.travel().route().assign({target});
        body.travel().start(KorrunTravel::Mode::Route, travelSpeed(body, speed), travelReach(reach));
        *distance = KorrunScale::length(target - body.position());
    });
}

int IKorrun::AddWayPoint(uint32_t id, float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.travel().route().add(point(x, y, z)); });
}

int IKorrun::RemoveWayPoint(uint32_t id, uint32_t n)
{
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    return body->travel().route().remove(n) ? kOk : kNothingToDo;
}

int IKorrun::FollowRoute(uint32_t id, float speed, float reach, float* distance)
{
    if (distance == nullptr || !notNegative(speed, reach))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        KorrunTravel& travel = body.travel();
        travel.stop();
        KorrunPath& route = travel.route();
        const bool wasFinished = route.finished();
        const b2Vec3 place = body.position();
        route.passReached(place, reach, false);
        if (route.finished() && !wasFinished)
            travel.report(kAtGoal, world_->stamp() + 1);
        body.setVelocity(route.finished() ? point(0.0f, 0.0f, 0.0f) : steer(body, route.target(), speed, 1.0f));
        *distance = route.remaining(place);
    });
}

int IKorrun::AddToPath(uint32_t id, float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { body.travel().path().add(point(x, y, z)); });
}

int IKorrun::GotoPath(uint32_t id, float n, float* distance)
{
    if (distance == nullptr || !notNegative(n))
        return kBadArgument;
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    KorrunPath& path = body->travel().path();
    if (path.size() == 0)
        return kNothingToDo;
    const size_t index = std::min(size_t(n), path.size() - 1);
    body->setPosition(path.at(index));
    path.headFor(index + 1);
    *distance = path.remaining(path.at(index));
    return kOk;
}

int IKorrun::FollowPath(uint32_t id, float speed, float reach, float blend, float* distance)
{
    if (distance == nullptr || !notNegative(speed, reach) || !share(blend))
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) {
        body.travel().stop();
        KorrunPath& path = body.travel().path();
        const b2Vec3 place = body.position();
        path.passReached(place, reach, false);
        const float wanted = path.finished() ? 0.0f : speed;
        const b2Vec3 target = path.finished() ? place : path.target();
        body.setVelocity(steer(body, target, wanted, blend));
        *distance = path.remaining(place);
    });
}

int IKorrun::MoveToPath(uint32_t id, float speed, float reach, float* distance)
{
    if (distance == nullptr || !usable(speed) || !notNegative(reach))
        return kBadArgument;
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    KorrunTravel& travel = body->travel();
    if (travel.path().finished())
        return kNothingToDo;
    travel.start(KorrunTravel::Mode::Path, travelSpeed(*body, speed), travelReach(reach));
    *distance = travel.path().remaining(body->position());
    return kOk;
}

int IKorrun::SetActivePath(uint32_t id, uint32_t n, bool on)
{
    KorrunBody* body = find(id);
    if (body == nullptr)
        return kUnknownBody;
    KorrunTravel& travel = body->travel();
    if (!on) {
        if (travel.mode() != KorrunTravel::Mode::PathLoop)
            return kNothingToDo;
        travel.stop();
        body->setVelocity(point(0.0f, 0.0f, 0.0f));
        return kOk;
    }
    if (travel.path().size() == 0)
        return kNothingToDo;
    travel.path().headFor(std::min(size_t(n), travel.path().size() - 1));
    travel.start(KorrunTravel::Mode::PathLoop, body->travelSpeed(), kLeastReach);
    return kOk;
}

// ---- Path finding ----

int IKorrun::AddMeshWayPoint(uint32_t key, float x, float y, float z)
{
    if (!usable(x, y, z))
        return kBadArgument;
    world_->navigator().setPoint(key, point(x, y, z));
    return kOk;
}

int IKorrun::AddMeshWayPoint(uint32_t id)
{
    return withBody(id, [&](KorrunBody& body) { world_->navigator().setPoint(id, body.position()); });
}

int IKorrun::EnableMesh(uint32_t id, bool on)
{
    return withBody(id, [&](KorrunBody& body) { body.setMeshEnabled(on); });
}

int IKorrun::CollideMesh(uint32_t id, bool on)
{
    return withBody(id, [&](KorrunBody& body) { body.setMeshColliding(on); });
}

int IKorrun::IsMeshEnabled(uint32_t id, bool* on)
{
    if (on == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *on = body.meshEnabled(); });
}

int IKorrun::IsMeshColliding(uint32_t id, bool* on)
{
    if (on == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *on = body.meshColliding(); });
}

int IKorrun::FindPath(uint32_t id, uint32_t target, float x, float y, float z, bool travel)
{
    if (!usable(x, y, z))
        return kBadArgument;
    KorrunBody* mover = find(id);
    if (mover == nullptr)
        return kUnknownBody;
    const KorrunBody* goalBody = target != id ? find(target) : nullptr;
    const b2Vec3 goal = goalBody != nullptr ? goalBody->position() : point(x, y, z);
    const std::vector<KorrunObstacle> obstacles = world_->obstacles(id, goalBody != nullptr ? target : id);
    std::vector<b2Vec3> way;
    KorrunTravel& travelling = mover->travel();
    travelling.stop();
    if (!world_->navigator().find(mover->position(), goal, mover->extent(), obstacles, way)) {
        travelling.route().clear();
        travelling.report(kNoPath, world_->stamp() + 1);
        return kNothingToDo;
    }
    // A body as the goal is reached on touching it.
    if (goalBody != nullptr)
        stopShort(way, mover->position(), mover->extent() + goalBody->extent() + 1.0f);
    travelling.route().assign(std::move(way));
    if (travel)
        travelling.start(KorrunTravel::Mode::Route, mover->travelSpeed(), kLeastReach);
    return kOk;
}

int IKorrun::IsAtGoal(uint32_t id, uint32_t* state)
{
    if (state == nullptr)
        return kBadArgument;
    return withBody(id, [&](KorrunBody& body) { *state = body.travel().goal(world_->stamp()); });
}
