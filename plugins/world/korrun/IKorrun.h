#pragma once

#include "IVector.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

class KorrunBody;
class KorrunWorld;

// Korrun: a 2D world of rigid bodies with forces, point gravity, joints, steering and path finding,
// simulated by Box2D. It knows nothing of the engine that drives it.
//
// Units. Lengths are screen units, x to the right and y up (100 units make a metre inside).
// Times are milliseconds, speeds units per second, accelerations units per second squared, masses
// kilograms and forces kilograms times units per second squared. Angles are degrees counted
// counter-clockwise from +x, except the limits of Join, which are radians.
// Depth: every body has a depth z with a velocity of its own. Forces along z, gravity along z, the
// speed limit and the limit box act on it; nothing collides along it. The turns about x and y are
// numbers the body carries (Rotate); its turn about z is its real turn in the plane.
//
// Every member returns a status: kOk, or a negative code: kUnknownBody (no body of that id, also
// for the other body of a pair), kBadArgument (a value that is not finite or beyond ±kLimit, a
// value outside the range given below, a null out pointer), kNothingToDo (the body has nothing of
// what the member acts on) or kBadFile. A failing member changes nothing (but FindPath, as it
// says) and writes no out value.
// Body ids are any unsigned numbers; one id names one body.
// The members are virtual so that the plug-in's tests can put a scripted world in its place.
class IKorrun {
public:
    static constexpr int kOk = 0;
    static constexpr int kUnknownBody = -1;
    static constexpr int kBadArgument = -2;
    static constexpr int kNothingToDo = -3;
    static constexpr int kBadFile = -4;

    static constexpr float kLimit = 1.0e7f;
    // Radii (and half sizes of boxes) lie within these; masses are 0 or within the next two.
    static constexpr float kMinRadius = 1.0f;
    static constexpr float kMaxRadius = 1.0e5f;
    static constexpr float kMinMass = 1.0e-3f;
    static constexpr float kMaxMass = 1.0e7f;

    // What a body does, the flags of AddObject and AddBody (other bits are refused):
    static constexpr int kMoves = 0x10000;    // forces and collisions move it; else only its velocity
    static constexpr int kTurns = 0x20000;    // it turns; else it keeps its turn
    static constexpr int kCollides = 0x40000; // it is solid; else it only detects what it touches
    static constexpr int kSleeps = 0x80000;   // it may fall asleep at rest; else it stays active
    static constexpr int kOrdinary = kMoves | kTurns | kCollides | kSleeps;

    // Shapes of AddBody: an ellipse (a circle when both radii are equal, else a polygon of 8
    // vertices on the ellipse) or a box of the given half sizes.
    static constexpr int kEllipse = 0;
    static constexpr int kBox = 1;

    // States of IsAtGoal.
    static constexpr uint32_t kUnderway = 0;
    static constexpr uint32_t kAtGoal = 1;
    static constexpr uint32_t kNoPath = 2;

    // A new world is empty, without gravity, running, on the process's steady clock.
    IKorrun();
    virtual ~IKorrun();
    IKorrun(const IKorrun&) = delete;
    IKorrun& operator=(const IKorrun&) = delete;

    // ---- The world --------------------------------------------------------------------------
    // A world file is text: a first line "KORRUN 1", then one call of a member a line, its name
    // and its arguments separated by blanks (numbers in the C locale, bools as 0 or 1), for
    // example "AddBody 1 0 -250 0 400 20 0 1 983040 0 0 0". Blank lines and lines starting with '#'
    // are skipped. The members a file may call: SetGravity, AddObject, AddBody, SetPosition,
    // SetRadius, SetMass, SetRigid, SetMaxSpeed, SetVelocity, SetAngle, Rotate, SetDispersion,
    // SetBodyProperties, SetBodyDynamics, SetCollisionType, SetLimit, SetAlwaysActive, EnableMesh,
    // CollideMesh, SetGravityCenter, SetG, AddGravityEx, Join, Join2, AddWayPoint, AddToPath and
    // AddMeshWayPoint with its point. A damaged file (an unknown name, a wrong count, a bad number,
    // a call that would fail, more than 4 MiB) gives kBadFile and changes nothing.
    //
    // A new world from the file (bodies, joints, way points, the mesh and gravity; the clock,
    // Start/Stop and UseFF stay). A null file or an empty one makes an empty world.
    virtual int Create(std::FILE* file);
    // Adds the file's calls to the present world. kBadArgument for a null file.
    virtual int Load(std::FILE* file);
    // The time source of MoveObjects, in milliseconds (it may wrap). kBadArgument when empty.
    virtual int SetClock(std::function<uint32_t()> milliseconds);
    // Start goes on from the present time (the time stopped is skipped); Stop pauses MoveObjects.
    virtual int Start();
    virtual int Stop();
    // true: every MoveObjects simulates exactly one step whatever the clock says.
    virtual int UseFF(bool fixedFrames);
    // Gravity of the whole world, units per second squared (none at first).
    virtual int SetGravity(float x, float y, float z);
    // Simulates steps of 1000/60 ms (8 velocity and 3 position iterations) over the time the clock
    // went on since the previous call, at most 100 ms of it (a longer pause is not made up); a
    // part of a step left over waits for the next call. Writes the milliseconds simulated (0
    // while stopped). One-off forces given before the call act through all its steps.
    virtual int MoveObjects(float* simulated);

    // ---- Bodies -----------------------------------------------------------------------------
    // Makes body id, or makes it anew when it exists (its joints, way points and settings go):
    // at (0, 0, 0), a circle of radius 10, mass 1, rigidity 0, friction 0.2, no speed limit, no
    // limit box, collision type 0, heading 0, with the flags above.
    virtual int AddObject(uint32_t id, int flags);
    // AddObject, then the place, radii, shape, mass, rigidity and speed limit in one call.
    virtual int AddBody(uint32_t id, float x, float y, float z, float rx, float ry, float rz, int shape,
                        int flags, float mass, float rigidity, float maxSpeed);
    // Removes the body with its joints, way points and path.
    virtual int RemoveObject(uint32_t id);
    // Puts the centre at (x, y) and the depth at z; velocities stay.
    virtual int SetPosition(uint32_t id, float x, float y, float z);
    virtual int GetPosition(uint32_t id, float* x, float* y, float* z);
    // Radii of the body's shape (half sizes for a box). rz (>= 0), a depth extent, has no effect:
    // nothing collides along the depth.
    virtual int SetRadius(uint32_t id, float rx, float ry, float rz);
    // Mass spread evenly over the shape; 0 fixes the body in place (it still collides).
    virtual int SetMass(uint32_t id, float mass);
    // How much of its speed the body keeps when it hits something: 0 (none) to 1 (all).
    virtual int SetRigid(uint32_t id, float rigidity);
    // How fast the body's motion dies away by itself (linear damping, per second, >= 0).
    virtual int SetDispersion(uint32_t id, float dispersion);
    // Friction (>= 0, 0.2 at first), restitution (the rigidity), linear and angular damping (>= 0).
    virtual int SetBodyProperties(uint32_t id, float friction, float restitution, float linearDamping,
                                  float angularDamping);
    // Turning speed (degrees per second), gravity scale (how much of the world's gravity acts on
    // it, 1 at first), fixed rotation (non-zero: it keeps its turn, as without kTurns), bullet
    // (non-zero: it never tunnels through moving bodies) and the limit of its turning speed (degrees
    // per second, 0 for none).
    virtual int SetBodyDynamics(uint32_t id, float turnSpeed, float gravityScale, float fixedRotation,
                                float bullet, float maxTurnSpeed);
    // Collision filter: the low 16 bits are the groups the body is in (0 means group bit 1), the
    // high 16 bits the groups it passes through. Two bodies collide when neither passes through a
    // group of the other. 0: in group 1, colliding with all.
    virtual int SetCollisionType(uint32_t id, uint32_t type);
    // true: the body never falls asleep; false: it may (as with kSleeps).
    virtual int SetAlwaysActive(uint32_t id, bool on);
    // moving false freezes the body in place; colliding false lets everything pass through it.
    // Frozen and not colliding, it is out of the world until made active again.
    virtual int SetActive(uint32_t id, bool moving, bool colliding);
    // A box the body's centre cannot leave, checked after every step (a velocity out of it is
    // dropped). An axis whose low end is above its high end is free; all are at first.
    virtual int SetLimit(uint32_t id, float x1, float y1, float z1, float x2, float y2, float z2);

    // ---- Motion -----------------------------------------------------------------------------
    // Sets the velocity, or adds to it when add is true.
    virtual int SetVelocity(uint32_t id, float x, float y, float z, bool add);
    // Speed (>= 0): scales the velocity to it; a body at rest starts along its heading.
    virtual int SetSpeed(uint32_t id, float speed);
    // The length of the velocity; exactly 0 below 1 unit per second, where the body counts as at
    // rest.
    virtual int GetSpeed(uint32_t id, float* speed);
    // Heading: the direction of motion in the plane, [0, 360). It keeps its last value while the
    // body rests. SetAngle turns the velocity to the heading, keeping the speed.
    virtual int SetAngle(uint32_t id, float degrees);
    virtual int GetAngle(uint32_t id, float* degrees);
    // The most speed the body may have, held through every step (forces and gravity beyond it
    // are given up); 0 for no limit.
    virtual int SetMaxSpeed(uint32_t id, float speed);
    // Turns the body by degrees about axis 0 (x), 1 (y) or 2 (z: in the plane); others are refused.
    virtual int Rotate(uint32_t id, int axis, float degrees);
    // The turns about x, y and z, [0, 360).
    virtual int GetRotationX(uint32_t id, float* degrees);
    virtual int GetRotationY(uint32_t id, float* degrees);
    virtual int GetRotationZ(uint32_t id, float* degrees);
    // A lasting force, acting at every step until set again (0, 0, 0 ends it).
    virtual int SetForce(uint32_t id, float x, float y, float z);
    // One-off force, acting through the steps of the next MoveObjects that simulates any.
    virtual int AddForce(uint32_t id, float x, float y, float z);
    // One-off force at a point given from the body's centre (px, py in world axes; pz is along
    // the depth and makes no turn): it also turns the body.
    virtual int AddForceAt(uint32_t id, float fx, float fy, float fz, float px, float py, float pz);
    // Stops the body dead: velocities, turning, lasting and one-off forces, and its travel.
    virtual int ZeroAll(uint32_t id);
    // How far, and by what vector, the body moved in the last MoveObjects.
    virtual int GetMoveDistance(uint32_t id, float* distance);
    virtual int GetMoveVector(uint32_t id, float* x, float* y, float* z);

    // ---- Point gravity: a pull of acceleration G / r², r the distance of the centres but never
    // less than the puller's radius, whatever the masses. It pulls in the plane; the puller feels
    // nothing back. ----------------------------------------------------------------------------
    // The body pulls every other body.
    virtual int SetGravityCenter(uint32_t id, bool on);
    // The body's G, units cubed per second squared; at first 98000, so a puller of radius 10 pulls
    // at its surface about as hard as the earth, with 100 units a metre.
    virtual int SetG(uint32_t id, double g);
    // Body id is pulled by body other (with other's G), whether other pulls everybody or not.
    virtual int AddGravityEx(uint32_t id, uint32_t other, bool on);

    // ---- Contacts (touching now, or having touched during the last MoveObjects) ------------
    virtual int GetCollision(uint32_t id, bool* touching);
    // kUnknownBody when other does not exist.
    virtual int GetCollision(uint32_t id, uint32_t other, bool* touching);
    // The ids of the bodies in contact, in rising order; the vector stays valid until the next
    // GetAllCollisions or until the world goes.
    virtual int GetAllCollisions(uint32_t id, IVector** touching);

    // ---- Joints -----------------------------------------------------------------------------
    // A hinge between id and other at (x, y) (z has no effect) letting other turn relative to id
    // between lower and upper (radians, swapped when given the wrong way round). The axis (ax, ay,
    // az) must have a z part: its sign tells which way the angles count (negative: clockwise).
    // breakForce > 0 breaks the joint after a step in which it had to hold more than that force.
    virtual int Join(uint32_t id, uint32_t other, float x, float y, float z, float breakForce, float lower,
                     float upper, float ax, float ay, float az);
    // A wheel: other (the wheel) turns freely about (x, y) and slides along the axis (ax, ay) of
    // body id on a spring of the given frequency (Hz; 0 holds it rigidly) and damping ratio; its
    // motor drives it with at most maxTorque (kg units² per second squared). z and az have no effect.
    virtual int Join2(uint32_t id, uint32_t other, float x, float y, float z, float ax, float ay, float az,
                      float frequency, float dampingRatio, float maxTorque);
    // Removes every joint of the body. kNothingToDo when it has none.
    virtual int Break(uint32_t id);
    // Turns the axis of the wheels the body takes part in to degrees from the axis they were made
    // with. kNothingToDo without a wheel.
    virtual int JointSteer(uint32_t id, float degrees);
    // Drives the wheels the body takes part in at degrees per second (counter-clockwise).
    virtual int JointSpeed(uint32_t id, float degreesPerSecond);

    // ---- Steering ---------------------------------------------------------------------------
    // Steering members set the body's velocity now (ending any travel) and write the distance
    // left to where it heads; a script calls them again each turn. Travel members let the body
    // move by itself at every step instead, never overshooting a point; a travel to an end gives
    // the goal state kAtGoal there, and steering, ZeroAll, another travel or FindPath ends it.
    //
    // Towards (x, y) at speed, slowing down within slowRadius and stopping within stopRadius;
    // blend (0 to 1) is how much of the new velocity replaces the present one (1: all of it).
    virtual int Follow(uint32_t id, float x, float y, float speed, float slowRadius, float stopRadius, float blend,
                       float* distance);
    // Travel in a straight line to (x, y, z) at speed (<= 0: the body's speed limit, or 100
    // when it has none), arriving within reach. The point replaces the route.
    virtual int MoveTo(uint32_t id, float x, float y, float z, float speed, float reach, float* distance);

    // The route: way points passed and forgotten one by one.
    virtual int AddWayPoint(uint32_t id, float x, float y, float z);
    // Removes way point n (0 is the next one). kNothingToDo when there is no such point.
    virtual int RemoveWayPoint(uint32_t id, uint32_t n);
    // Towards the next way point at speed, forgetting those within reach; the end of the route
    // is the goal. Writes the length of the route left.
    virtual int FollowRoute(uint32_t id, float speed, float reach, float* distance);

    // The path: points kept, for going round and round.
    virtual int AddToPath(uint32_t id, float x, float y, float z);
    // Puts the body on path point n (truncated, the last one when beyond) and heads for the next.
    // Writes the length of the path left. kNothingToDo for an empty path.
    virtual int GotoPath(uint32_t id, float n, float* distance);
    // Towards the path point headed for at speed, going on to the next within reach, with blend as
    // in Follow; stops at the last. Writes the length of the path left.
    virtual int FollowPath(uint32_t id, float speed, float reach, float blend, float* distance);
    // Travel along the path from the point headed for to its last at speed (as in MoveTo).
    virtual int MoveToPath(uint32_t id, float speed, float reach, float* distance);
    // on: travel round and round the path from point n at the body's speed limit (or 100); off
    // ends that travel and stops the body. kNothingToDo for an empty path, or when off finds no
    // such travel.
    virtual int SetActivePath(uint32_t id, uint32_t n, bool on);

    // ---- Path finding -----------------------------------------------------------------------
    // The mesh: way points that paths may pass, each under a key (a new point replaces the old).
    virtual int AddMeshWayPoint(uint32_t key, float x, float y, float z);
    // A mesh way point where body id stands now, under its id.
    virtual int AddMeshWayPoint(uint32_t id);
    // EnableMesh: the body is an obstacle and the mesh gains way points round its corners.
    // CollideMesh: the body is an obstacle that only blocks (paths use the mesh's own points).
    // Obstacles are grown by the radius of the circle holding the body that finds its way.
    virtual int EnableMesh(uint32_t id, bool on);
    virtual int CollideMesh(uint32_t id, bool on);
    virtual int IsMeshEnabled(uint32_t id, bool* on);
    virtual int IsMeshColliding(uint32_t id, bool* on);
    // The shortest way for body id to body target, or to (x, y, z) when target is id itself or no
    // body, as seen at the call, over the mesh (A* over the way points that see each other past
    // the obstacles). The way becomes the body's route; with travel the body travels it at its
    // speed limit (or 100), arriving at a body on touching it. Without a way: the route is
    // emptied, the goal state is kNoPath and the status kNothingToDo.
    virtual int FindPath(uint32_t id, uint32_t target, float x, float y, float z, bool travel);
    // kAtGoal after the MoveObjects in which a travel reached its end (after the next one when
    // FollowRoute reached it), kNoPath after a FindPath without a way and through the next
    // MoveObjects, else kUnderway.
    virtual int IsAtGoal(uint32_t id, uint32_t* state);

private:
    KorrunBody* find(uint32_t id) const;
    // kUnknownBody, or kOk once change has been made to the body.
    int withBody(uint32_t id, const std::function<void(KorrunBody&)>& change);
    uint32_t now() const;

    std::unique_ptr<KorrunWorld> world_;
    IVector touching_;
    std::vector<uint32_t> probe_;
    std::function<uint32_t()> clock_;
    uint32_t lastTick_ = 0;
    uint32_t leftover_ = 0;
    bool running_ = true;
    bool fixedFrames_ = false;
};
