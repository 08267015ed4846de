#pragma once

// A simulation that simulates nothing: it writes down every call, with its arguments, and answers
// what the test scripted. Bodies have the place, goal, contacts and speed a test gives them; every
// other read answers `reading` with `readStatus`. A failing read writes nothing, as Korrun's.

#include "plugins/world/korrun/IKorrun.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace worldtest {

struct FakeBody {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    int positionStatus = IKorrun::kOk;
    uint32_t goal = IKorrun::kUnderway;
    int goalStatus = IKorrun::kOk;
    // Touching when it has contacts.
    std::vector<uint32_t> contacts;
    int collisionStatus = IKorrun::kOk;
    float speed = 0.0f;
};

class FakeKorrun final : public IKorrun {
public:
    std::vector<std::string> calls;
    std::map<uint32_t, FakeBody> bodies;
    float reading = 0.0f;
    int readStatus = kOk;
    // Written by MoveObjects.
    float simulated = 16.0f;
    std::function<uint32_t()> clock;

    // Body id stands at (x, y, z), whatever else it had.
    void place(uint32_t id, float x, float y, float z = 0.0f)
    {
        bodies[id].x = x;
        bodies[id].y = y;
        bodies[id].z = z;
    }
    // The calls so far, and none after.
    std::vector<std::string> taken() { return std::exchange(calls, {}); }

    int Create(std::FILE* file) override { return record("Create", file); }
    int Load(std::FILE* file) override { return record("Load", file); }
    int SetClock(std::function<uint32_t()> milliseconds) override
    {
        clock = std::move(milliseconds);
        return record("SetClock");
    }
    int Start() override { return record("Start"); }
    int Stop() override { return record("Stop"); }
    int UseFF(bool on) override { return record("UseFF", on); }
    int SetGravity(float x, float y, float z) override { return record("SetGravity", x, y, z); }
    int MoveObjects(float* out) override
    {
        *out = simulated;
        return record("MoveObjects");
    }
    int AddObject(uint32_t id, int flags) override { return record("AddObject", id, flags); }
    int AddBody(uint32_t id, float x, float y, float z, float rx, float ry, float rz, int shape, int flags, float mass,
                float rigidity, float maxSpeed) override
    {
        return record("AddBody", id, x, y, z, rx, ry, rz, shape, flags, mass, rigidity, maxSpeed);
    }
    int RemoveObject(uint32_t id) override { return record("RemoveObject", id); }
    int SetPosition(uint32_t id, float x, float y, float z) override { return record("SetPosition", id, x, y, z); }
    int GetPosition(uint32_t id, float* x, float* y, float* z) override
    {
        record("GetPosition", id);
        auto found = bodies.find(id);
        if (found == bodies.end())
            return kUnknownBody;
        if (found->second.positionStatus < 0)
            return found->second.positionStatus;
        *x = found->second.x;
        *y = found->second.y;
        *z = found->second.z;
        return kOk;
    }
    int SetRadius(uint32_t id, float rx, float ry, float rz) override { return record("SetRadius", id, rx, ry, rz); }
    int SetMass(uint32_t id, float mass) override { return record("SetMass", id, mass); }
    int SetRigid(uint32_t id, float rigidity) override { return record("SetRigid", id, rigidity); }
    int SetDispersion(uint32_t id, float value) override { return record("SetDispersion", id, value); }
    int SetBodyProperties(uint32_t id, float a, float b, float c, float d) override
    {
        return record("SetBodyProperties", id, a, b, c, d);
    }
    int SetBodyDynamics(uint32_t id, float a, float b, float c, float d, float e) override
    {
        return record("SetBodyDynamics", id, a, b, c, d, e);
    }
    int SetCollisionType(uint32_t id, uint32_t type) override { return record("SetCollisionType", id, type); }
    int SetAlwaysActive(uint32_t id, bool on) override { return record("SetAlwaysActive", id, on); }
    int SetActive(uint32_t id, bool moving, bool colliding) override { return record("SetActive", id, moving, colliding); }
    int SetLimit(uint32_t id, float x1, float y1, float z1, float x2, float y2, float z2) override
    {
        return record("SetLimit", id, x1, y1, z1, x2, y2, z2);
    }
    int SetVelocity(uint32_t id, float x, float y, float z, bool add) override { return record("SetVelocity", id, x, y, z, add); }
    int SetSpeed(uint32_t id, float speed) override { return record("SetSpeed", id, speed); }
    int GetSpeed(uint32_t id, float* speed) override
    {
        record("GetSpeed", id);
        auto found = bodies.find(id);
        if (found == bodies.end())
            return read(speed);
        *speed = found->second.speed;
        return kOk;
    }
    int SetAngle(uint32_t id, float degrees) override { return record("SetAngle", id, degrees); }
    int GetAngle(uint32_t id, float* degrees) override { return record("GetAngle", id) + read(degrees); }
    int SetMaxSpeed(uint32_t id, float speed) override { return record("SetMaxSpeed", id, speed); }
    int Rotate(uint32_t id, int axis, float degrees) override { return record("Rotate", id, axis, degrees); }
    int GetRotationX(uint32_t id, float* degrees) override { return record("GetRotationX", id) + read(degrees); }
    int GetRotationY(uint32_t id, float* degrees) override { return record("GetRotationY", id) + read(degrees); }
    int GetRotationZ(uint32_t id, float* degrees) override { return record("GetRotationZ", id) + read(degrees); }
    int SetForce(uint32_t id, float x, float y, float z) override { return record("SetForce", id, x, y, z); }
    int AddForce(uint32_t id, float x, float y, float z) override { return record("AddForce", id, x, y, z); }
    int AddForceAt(uint32_t id, float fx, float fy, float fz, float px, float py, float pz) override
    {
        return record("AddForceAt", id, fx, fy, fz, px, py, pz);
    }
    int ZeroAll(uint32_t id) override { return record("ZeroAll", id); }
    int GetMoveDistance(uint32_t id, float* distance) override { return record("GetMoveDistance", id) + read(distance); }
    int GetMoveVector(uint32_t id, float* x, float* y, float* z) override
    {
        record("GetMoveVector", id);
        if (readStatus < 0)
            return readStatus;
        *x = reading;
        *y = -reading;
        *z = 2 * reading;
        return kOk;
    }
    int SetGravityCenter(uint32_t id, bool on) override { return record("SetGravityCenter", id, on); }
    int SetG(uint32_t id, double g) override { return record("SetG", id, g); }
    int AddGravityEx(uint32_t id, uint32_t other, bool on) override { return record("AddGravityEx", id, other, on); }
    int GetCollision(uint32_t id, bool* touching) override
    {
        record("GetCollision", id);
        auto found = bodies.find(id);
        if (found == bodies.end())
            return kUnknownBody;
        if (found->second.collisionStatus < 0)
            return found->second.collisionStatus;
        *touching = !found->second.contacts.empty();
        return kOk;
    }
    int GetCollision(uint32_t id, uint32_t other, bool* touching) override
    {
        record("GetCollision", id, other);
        if (readStatus < 0)
            return readStatus;
        *touching = reading != 0.0f;
        return kOk;
    }
    int GetAllCollisions(uint32_t id, IVector** touching) override
    {
        record("GetAllCollisions", id);
        contacts_.Clear();
        for (uint32_t other : bodies[id].contacts)
            contacts_.Add(other);
        *touching = &contacts_;
        return kOk;
    }
    int Join(uint32_t id, uint32_t other, float x, float y, float z, float breakForce, float lower, float upper, float ax,
             float ay, float az) override
    {
        return record("Join", id, other, x, y, z, breakForce, lower, upper, ax, ay, az);
    }
    int Join2(uint32_t id, uint32_t other, float x, float y, float z, float ax, float ay, float az, float frequency,
              float damping, float torque) override
    {
        return record("Join2", id, other, x, y, z, ax, ay, az, frequency, damping, torque);
    }
    int Break(uint32_t id) override { return record("Break", id); }
    int JointSteer(uint32_t id, float degrees) override { return record("JointSteer", id, degrees); }
    int JointSpeed(uint32_t id, float degrees) override { return record("JointSpeed", id, degrees); }
    int Follow(uint32_t id, float x, float y, float speed, float slow, float stop, float blend, float* distance) override
    {
        return record("Follow", id, x, y, speed, slow, stop, blend) + read(distance);
    }
    int MoveTo(uint32_t id, float x, float y, float z, float speed, float reach, float* distance) override
    {
        return record("MoveTo", id, x, y, z, speed, reach) + read(distance);
    }
    int AddWayPoint(uint32_t id, float x, float y, float z) override { return record("AddWayPoint", id, x, y, z); }
    int RemoveWayPoint(uint32_t id, uint32_t n) override { return record("RemoveWayPoint", id, n); }
    int FollowRoute(uint32_t id, float speed, float reach, float* distance) override
    {
        return record("FollowRoute", id, speed, reach) + read(distance);
    }
    int AddToPath(uint32_t id, float x, float y, float z) override { return record("AddToPath", id, x, y, z); }
    int GotoPath(uint32_t id, float n, float* distance) override { return record("GotoPath", id, n) + read(distance); }
    int FollowPath(uint32_t id, float speed, float reach, float blend, float* distance) override
    {
        return record("FollowPath", id, speed, reach, blend) + read(distance);
    }
    int MoveToPath(uint32_t id, float speed, float reach, float* distance) override
    {
        return record("MoveToPath", id, speed, reach) + read(distance);
    }
    int SetActivePath(uint32_t id, uint32_t n, bool on) override { return record("SetActivePath", id, n, on); }
    int AddMeshWayPoint(uint32_t key, float x, float y, float z) override { return record("AddMeshWayPoint", key, x, y, z); }
    int AddMeshWayPoint(uint32_t id) override { return record("AddMeshWayPoint", id); }
    int EnableMesh(uint32_t id, bool on) override { return record("EnableMesh", id, on); }
    int CollideMesh(uint32_t id, bool on) override { return record("CollideMesh", id, on); }
    int IsMeshEnabled(uint32_t id, bool* on) override { return record("IsMeshEnabled", id) + readFlag(on); }
    int IsMeshColliding(uint32_t id, bool* on) override { return record("IsMeshColliding", id) + readFlag(on); }
    int FindPath(uint32_t id, uint32_t target, float x, float y, float z, bool travel) override
    {
        return record("FindPath", id, target, x, y, z, travel);
    }
    int IsAtGoal(uint32_t id, uint32_t* state) override
    {
        record("IsAtGoal", id);
        const FakeBody& body = bodies[id];
        if (body.goalStatus < 0)
            return body.goalStatus;
        *state = body.goal;
        return kOk;
    }

private:
    static std::string text(float value)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", value);
        return buffer;
    }
    // Enough digits to tell a double that went through a float.
    static std::string text(double value)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.12g", value);
        return buffer;
    }
    static std::string text(bool value) { return value ? "true" : "false"; }
    static std::string text(int value) { return std::to_string(value); }
    static std::string text(uint32_t value) { return std::to_string(value); }
    // The bytes of the stream, or "null".
    static std::string text(std::FILE* file)
    {
        if (file == nullptr)
            return "null";
        std::string bytes;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            bytes += static_cast<char>(c);
        return "\"" + bytes + "\"";
    }

    // Writes the call down; 0, so that reads can add their status.
    template <typename... Values>
    int record(const char* name, Values... values)
    {
        std::string line;
        ((line += ',', line += text(values)), ...);
        calls.push_back(std::string(name) + "(" + (line.empty() ? line : line.substr(1)) + ")");
        return 0;
    }
    int read(float* out)
    {
        if (readStatus >= 0)
            *out = reading;
        return readStatus;
    }
    int readFlag(bool* out)
    {
        if (readStatus >= 0)
            *out = reading != 0.0f;
        return readStatus;
    }

    IVector contacts_;
};

} // namespace worldtest
