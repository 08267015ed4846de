#include "plugins/world/CMC_World_Runner.h"

#include "plugins/world/CMC_World.h"
#include "plugins/world/korrun/IKorrun.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"

#include <array>
#include <memory>

namespace {

// What AddObject makes: a body that moves, turns, collides and may sleep.
constexpr int kObjectFlags = 0xF0000;
// JOIN's limits come in degrees; this is π/180 as a single float.
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kDefaultLower = -90.0f;
constexpr float kDefaultUpper = 90.0f;

using Point = CWorldView::Point;

// One call of a method on a WORLD with a simulation, and its arguments read by position.
struct Call {
    CMC_Runner& runner;
    CMC_World& world;
    IKorrun& korrun;
    CMC_ObjectsContainer* container;
    CXVector* arguments;

    int count() const { return CMC_Runner::argumentCount(arguments); }
    uint32_t body(int index) { return static_cast<uint32_t>(runner.intArgument(arguments, index)); }
    int integer(int index) { return runner.intArgument(arguments, index); }
    float real(int index) { return static_cast<float>(runner.doubleArgument(arguments, index)); }
    bool flag(int index) { return runner.boolArgument(arguments, index); }
    // An optional flag: its value when the call carries it, else true.
    bool flagOrTrue(int index) { return count() > index ? flag(index) : true; }
    CXString text(int index) { return runner.stringArgument(arguments, index); }
    // The screen point of the arguments at index and index + 1 in the world, about the screen's
    // centre or through the view.
    Point fixed(int index) { return CWorldView::fixedToWorld(real(index), real(index + 1)); }
    Point viewed(int index) { return world.getView().toWorld(real(index), real(index + 1)); }
};

using Handler = CMC_Variable* (*)(Call& call);

// What a method answers, and so what it answers without a simulation.
enum class Answer { None, Integer, Double, Bool };

struct Row {
    const char* name;
    int id;
    Answer answer;
    Handler handler;
};

CMC_Variable* integerOr0(int status, float value)
{
    return CMC_VariableFactory::makeInteger(status < 0 ? 0 : CWorldView::truncated(value));
}

// A read of one float, as a whole number.
CMC_Variable* wholeRead(Call& call, int (IKorrun::*read)(uint32_t, float*))
{
    float value = 0.0f;
    const int status = (call.korrun.*read)(call.body(0), &value);
    return integerOr0(status, value);
}

CMC_Variable* boolOrFalse(int status, bool value)
{
    return CMC_VariableFactory::makeBool(status >= 0 && value);
}

CMC_Variable* real(float value)
{
    return CMC_VariableFactory::makeDouble(value);
}

CMC_Variable* zeroOf(Answer answer)
{
    switch (answer) {
    case Answer::Integer:
        return CMC_VariableFactory::makeInteger(0);
    case Answer::Double:
        return CMC_VariableFactory::makeDouble(0.0);
    case Answer::Bool:
        return CMC_VariableFactory::makeBool(false);
    case Answer::None:
        break;
    }
    return nullptr;
}

// The body's place as GETPOSITIONX, Y and Z give it: whole screen units through the view, and
// zeros when it cannot be read.
struct WholePosition {
    int x = 0;
    int y = 0;
    int z = 0;
};

WholePosition positionOnScreen(Call& call)
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    if (call.korrun.GetPosition(call.body(0), &x, &y, &z) < 0)
        return {};
    const Point screen = call.world.getView().toScreen(x, y);
    return {CWorldView::truncated(screen.x), CWorldView::truncated(screen.y), CWorldView::truncated(z)};
}

CMC_Variable* setForce(Call& call)
{
    call.korrun.SetForce(call.body(0), call.real(1), call.real(2), call.real(3));
    return nullptr;
}

CMC_Variable* removeWayPoint(Call& call)
{
    call.korrun.RemoveWayPoint(call.body(0), static_cast<uint32_t>(call.integer(1)));
    return nullptr;
}

CMC_Variable* addObject(Call& call)
{
    const uint32_t id = call.body(0);
    const Point at = call.fixed(1);
    call.korrun.AddObject(id, kObjectFlags);
    call.korrun.SetPosition(id, at.x, at.y, call.real(3));
    call.korrun.SetRadius(id, call.real(4), call.real(5), call.real(6));
    call.korrun.SetMass(id, call.real(7));
    call.korrun.SetRigid(id, call.real(8));
    call.korrun.SetMaxSpeed(id, call.real(9));
    return nullptr;
}

CMC_Variable* setPositionCoord(Call& call)
{
    const uint32_t id = call.body(0);
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    if (call.korrun.GetPosition(id, &x, &y, &z) < 0)
        return nullptr;
    const int axis = call.integer(1);
    const float value = call.real(2);
    // Any other axis writes the place back as it was.
    if (axis == 0)
        x = CWorldView::fixedToWorld(value, 0.0f).x;
    else if (axis == 1)
        y = CWorldView::fixedToWorld(0.0f, value).y;
    call.korrun.SetPosition(id, x, y, z);
    return nullptr;
}

CMC_Variable* setActive(Call& call)
{
    const uint32_t id = call.body(0);
    switch (call.count()) {
    case 3: {
        CMC_Variable* second = call.runner.getParameter(call.arguments, 1);
        if (second != nullptr && second->getType() == script::TYPE_INTEGER)
            call.korrun.SetActivePath(id, static_cast<uint32_t>(call.integer(1)), call.flag(2));
        else
            call.korrun.SetActive(id, call.flag(1), call.flag(2));
        break;
    }
    case 2:
        call.korrun.SetActive(id, call.flag(1), true);
        break;
    default:
        call.korrun.SetActive(id, true, true);
        break;
    }
    return nullptr;
}

CMC_Variable* getMoveDistance(Call& call)
{
    const uint32_t id = call.body(0);
    if (call.count() == 4) {
        float vector[3] = {0.0f, 0.0f, 0.0f};
        call.korrun.GetMoveVector(id, &vector[0], &vector[1], &vector[2]);
        // Into the variables themselves; arguments that are no DOUBLE variables stay as they are.
        for (int i = 0; i < 3; ++i) {
            if (auto* component = dynamic_cast<CMC_Double*>(call.runner.getParameter(call.arguments, i + 1)))
                component->setValue(vector[i]);
        }
    }
    float distance = 0.0f;
    call.korrun.GetMoveDistance(id, &distance);
    return real(distance);
}

CMC_Variable* link(Call& call)
{
    const CXString name = call.text(1);
    CMC_ObjectsContainer* container = call.container;
    const int flags = call.count() == 3 ? call.integer(2) : CWorldLink::kMoves | CWorldLink::kSignals;
    call.world.link(call.body(0), container != nullptr ? container->getGraphicsObject(name) : nullptr,
                    container != nullptr ? container->getObject(name) : nullptr, flags);
    return nullptr;
}

CMC_Variable* findPath(Call& call)
{
    const bool travel = call.count() > 5 ? call.flag(5) : true;
    const bool relative = call.count() > 6 ? call.flag(6) : true;
    const Point to = relative ? call.viewed(2) : call.fixed(2);
    call.korrun.FindPath(call.body(0), call.body(1), to.x, to.y, call.real(4), travel);
    return nullptr;
}

CMC_Variable* addForce(Call& call)
{
    const uint32_t id = call.body(0);
    if (call.count() == 4)
        call.korrun.AddForce(id, call.real(1), call.real(2), call.real(3));
    else
        call.korrun.AddForceAt(id, call.real(1), call.real(2), call.real(3), call.real(4), call.real(5), call.real(6));
    return nullptr;
}

CMC_Variable* join(Call& call)
{
    const int count = call.count();
    if (count != 6 && count != 8 && count != 11)
        return nullptr;
    const float lower = count >= 8 ? call.real(6) : kDefaultLower;
    const float upper = count >= 8 ? call.real(7) : kDefaultUpper;
    const bool axisGiven = count == 11;
    const Point at = call.fixed(2);
    call.korrun.Join(call.body(0), call.body(1), at.x, at.y, call.real(4), call.real(5), lower * kRadiansPerDegree,
                     upper * kRadiansPerDegree, axisGiven ? call.real(8) : 0.0f, axisGiven ? call.real(9) : 0.0f,
                     axisGiven ? call.real(10) : 1.0f);
    return nullptr;
}

CMC_Variable* addWayPoint(Call& call)
{
    const uint32_t id = call.body(0);
    if (call.count() > 1) {
        const Point at = call.fixed(1);
        call.korrun.AddWayPoint(id, at.x, at.y, call.real(3));
        return nullptr;
    }
    // Where GETPOSITIONX and GETPOSITIONY see it, taken back about the screen's centre: the point
    // is off by the view's scroll, as it always was.
    const WholePosition now = positionOnScreen(call);
    const Point at = CWorldView::fixedToWorld(static_cast<float>(now.x), static_cast<float>(now.y));
    call.korrun.AddWayPoint(id, at.x, at.y, static_cast<float>(now.z));
    return nullptr;
}

using A = Answer;

const Row kRows[] = {
    {"SETGRAVITY", CMC_World_Runner::SETGRAVITY, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetGravity(c.real(0), c.real(1), c.real(2)); return nullptr; }},
    {"START", CMC_World_Runner::START, A::None, [](Call& c) -> CMC_Variable* { c.korrun.Start(); return nullptr; }},
    {"STOP", CMC_World_Runner::STOP, A::None, [](Call& c) -> CMC_Variable* { c.korrun.Stop(); return nullptr; }},
    {"ADDOBJECT", CMC_World_Runner::ADDOBJECT, A::None, addObject},
    {"SETOBJECTPROPERTIES", CMC_World_Runner::SETOBJECTPROPERTIES, A::None, [](Call& c) -> CMC_Variable* {
        if (c.text(1) == "POSITION") {
            const Point at = c.fixed(2);
            c.korrun.SetPosition(c.body(0), at.x, at.y, c.real(4));
        }
        return nullptr; }},
    {"MOVEOBJECTS", CMC_World_Runner::MOVEOBJECTS, A::Double, [](Call& c) -> CMC_Variable* {
        return real(c.world.moveObjects()); }},
    {"GETPOSITIONX", CMC_World_Runner::GETPOSITIONX, A::Integer, [](Call& c) -> CMC_Variable* {
        return CMC_VariableFactory::makeInteger(positionOnScreen(c).x); }},
    {"GETPOSITIONY", CMC_World_Runner::GETPOSITIONY, A::Integer, [](Call& c) -> CMC_Variable* {
        return CMC_VariableFactory::makeInteger(positionOnScreen(c).y); }},
    {"GETPOSITIONZ", CMC_World_Runner::GETPOSITIONZ, A::Integer, [](Call& c) -> CMC_Variable* {
        return CMC_VariableFactory::makeInteger(positionOnScreen(c).z); }},
    {"SETOBJECTFORCE", CMC_World_Runner::SETOBJECTFORCE, A::None, setForce},
    {"GETANGLE", CMC_World_Runner::GETANGLE, A::Integer, [](Call& c) { return wholeRead(c, &IKorrun::GetAngle); }},
    {"SETPOSITIONCOORD", CMC_World_Runner::SETPOSITIONCOORD, A::None, setPositionCoord},
    {"SETANGLE", CMC_World_Runner::SETANGLE, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetAngle(c.body(0), c.real(1)); return nullptr; }},
    {"ROTATE", CMC_World_Runner::ROTATE, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.Rotate(c.body(0), c.integer(1), c.real(2)); return nullptr; }},
    {"SETSPEED", CMC_World_Runner::SETSPEED, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetSpeed(c.body(0), c.real(1)); return nullptr; }},
    {"GETCOLLISION", CMC_World_Runner::GETCOLLISION, A::Bool, [](Call& c) -> CMC_Variable* {
        bool touching = false;
        const int status = c.count() > 1 ? c.korrun.GetCollision(c.body(0), c.body(1), &touching)
                                         : c.korrun.GetCollision(c.body(0), &touching);
        return boolOrFalse(status, touching); }},
    {"SETDISPERSION", CMC_World_Runner::SETDISPERSION, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetDispersion(c.body(0), c.real(1)); return nullptr; }},
    {"ENABLEMESH", CMC_World_Runner::ENABLEMESH, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.EnableMesh(c.body(0), c.flagOrTrue(1)); return nullptr; }},
    {"COLLIDEMESH", CMC_World_Runner::COLLIDEMESH, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.CollideMesh(c.body(0), c.flagOrTrue(1)); return nullptr; }},
    {"ISMESHENABLED", CMC_World_Runner::ISMESHENABLED, A::Bool, [](Call& c) -> CMC_Variable* {
        bool on = false; c.korrun.IsMeshEnabled(c.body(0), &on); return CMC_VariableFactory::makeBool(on); }},
    {"ISMESHCOLLIDING", CMC_World_Runner::ISMESHCOLLIDING, A::Bool, [](Call& c) -> CMC_Variable* {
        bool on = false; c.korrun.IsMeshColliding(c.body(0), &on); return CMC_VariableFactory::makeBool(on); }},
    {"SETVELOCITY", CMC_World_Runner::SETVELOCITY, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetVelocity(c.body(0), c.real(1), c.real(2), c.real(3), false); return nullptr; }},
    {"FOLLOW", CMC_World_Runner::FOLLOW, A::Double, [](Call& c) -> CMC_Variable* {
        const Point to = c.viewed(1);
        float left = 0.0f;
        c.korrun.Follow(c.body(0), to.x, to.y, c.real(3), c.real(4), c.real(5), c.real(6), &left);
        return real(left); }},
    {"SETPOSITION", CMC_World_Runner::SETPOSITION, A::None, [](Call& c) -> CMC_Variable* {
        const bool relative = c.count() > 4 && c.flag(4);
        const Point at = relative ? c.viewed(1) : c.fixed(1);
        c.korrun.SetPosition(c.body(0), at.x, at.y, c.real(3));
        return nullptr; }},
    {"SETLIMIT", CMC_World_Runner::SETLIMIT, A::None, [](Call& c) -> CMC_Variable* {
        // The screen's top is the world's high end.
        const Point low = CWorldView::fixedToWorld(c.real(1), c.real(5));
        const Point high = CWorldView::fixedToWorld(c.real(4), c.real(2));
        c.korrun.SetLimit(c.body(0), low.x, low.y, c.real(3), high.x, high.y, c.real(6));
        return nullptr; }},
    {"GETSPEED", CMC_World_Runner::GETSPEED, A::Double, [](Call& c) -> CMC_Variable* {
        float speed = 0.0f; c.korrun.GetSpeed(c.body(0), &speed); return real(speed); }},
    {"SETCOLLISIONTYPE", CMC_World_Runner::SETCOLLISIONTYPE, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetCollisionType(c.body(0), static_cast<uint32_t>(c.integer(1))); return nullptr; }},
    {"SETMAXSPEED", CMC_World_Runner::SETMAXSPEED, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetMaxSpeed(c.body(0), c.real(1)); return nullptr; }},
    {"SETALWAYSACTIVE", CMC_World_Runner::SETALWAYSACTIVE, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetAlwaysActive(c.body(0), c.flagOrTrue(1)); return nullptr; }},
    {"SETACTIVE", CMC_World_Runner::SETACTIVE, A::None, setActive},
    {"GETMOVEDISTANCE", CMC_World_Runner::GETMOVEDISTANCE, A::Double, getMoveDistance},
    {"ADDMESHWAYPOINT", CMC_World_Runner::ADDMESHWAYPOINT, A::None, [](Call& c) -> CMC_Variable* {
        if (c.count() > 1) {
            const Point at = c.fixed(1);
            c.korrun.AddMeshWayPoint(c.body(0), at.x, at.y, c.real(3));
        } else {
            c.korrun.AddMeshWayPoint(c.body(0));
        }
        return nullptr; }},
    {"GOTOPATH", CMC_World_Runner::GOTOPATH, A::Double, [](Call& c) -> CMC_Variable* {
        float left = 0.0f; c.korrun.GotoPath(c.body(0), c.real(1), &left); return real(left); }},
    {"USEFF", CMC_World_Runner::USEFF, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.UseFF(c.flag(0)); return nullptr; }},
    {"LINK", CMC_World_Runner::LINK, A::None, link},
    {"SETMASS", CMC_World_Runner::SETMASS, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetMass(c.body(0), c.real(1)); return nullptr; }},
    {"LOAD", CMC_World_Runner::LOAD, A::None, [](Call& c) -> CMC_Variable* {
        c.world.load(c.text(0)); return nullptr; }},
    {"REMOVEOBJECT", CMC_World_Runner::REMOVEOBJECT, A::None, [](Call& c) -> CMC_Variable* {
        c.world.removeObject(c.body(0)); return nullptr; }},
    {"FOLLOWPATH", CMC_World_Runner::FOLLOWPATH, A::Double, [](Call& c) -> CMC_Variable* {
        float left = 0.0f; c.korrun.FollowPath(c.body(0), c.real(1), c.real(2), c.real(3), &left); return real(left); }},
    {"FINDPATH", CMC_World_Runner::FINDPATH, A::None, findPath},
    {"UNLINK", CMC_World_Runner::UNLINK, A::None, [](Call& c) -> CMC_Variable* {
        c.world.unlink(c.body(0)); return nullptr; }},
    // A second argument, whatever its value, leaves the moving alone and acts on the signals only.
    {"PAUSELINK", CMC_World_Runner::PAUSELINK, A::None, [](Call& c) -> CMC_Variable* {
        c.world.pauseLink(c.body(0), c.count() > 1); return nullptr; }},
    {"RESUMELINK", CMC_World_Runner::RESUMELINK, A::None, [](Call& c) -> CMC_Variable* {
        c.world.resumeLink(c.body(0), c.count() > 1); return nullptr; }},
    {"ADDFORCE", CMC_World_Runner::ADDFORCE, A::None, addForce},
    {"SETBODYPROPERTIES", CMC_World_Runner::SETBODYPROPERTIES, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetBodyProperties(c.body(0), c.real(1), c.real(2), c.real(3), c.real(4)); return nullptr; }},
    {"SETBODYDYNAMICS", CMC_World_Runner::SETBODYDYNAMICS, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetBodyDynamics(c.body(0), c.real(1), c.real(2), c.real(3), c.real(4), c.real(5)); return nullptr; }},
    {"ADDBODY", CMC_World_Runner::ADDBODY, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.AddBody(c.body(0), c.real(1), c.real(2), c.real(3), c.real(4), c.real(5), c.real(6), c.integer(7),
                         c.integer(8), c.real(9), c.real(10), c.real(11));
        return nullptr; }},
    {"GETROTATIONZ", CMC_World_Runner::GETROTATIONZ, A::Integer, [](Call& c) {
        return wholeRead(c, &IKorrun::GetRotationZ); }},
    {"SETFORCE", CMC_World_Runner::SETFORCE, A::None, setForce},
    {"SETGRAVITYCENTER", CMC_World_Runner::SETGRAVITYCENTER, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetGravityCenter(c.body(0), c.flagOrTrue(1)); return nullptr; }},
    {"SETG", CMC_World_Runner::SETG, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.SetG(c.body(0), c.runner.doubleArgument(c.arguments, 1)); return nullptr; }},
    {"JOIN", CMC_World_Runner::JOIN, A::None, join},
    {"BREAK", CMC_World_Runner::BREAK, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.Break(c.body(0)); return nullptr; }},
    {"ZEROALL", CMC_World_Runner::ZEROALL, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.ZeroAll(c.body(0)); return nullptr; }},
    {"MOVETO", CMC_World_Runner::MOVETO, A::Double, [](Call& c) -> CMC_Variable* {
        float left = 0.0f;
        c.korrun.MoveTo(c.body(0), c.real(1), c.real(2), c.real(3), c.real(4), c.real(5), &left);
        return real(left); }},
    {"MOVETOPATH", CMC_World_Runner::MOVETOPATH, A::Double, [](Call& c) -> CMC_Variable* {
        float left = 0.0f; c.korrun.MoveToPath(c.body(0), c.real(1), c.real(2), &left); return real(left); }},
    {"ADDTOPATH", CMC_World_Runner::ADDTOPATH, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.AddToPath(c.body(0), c.real(1), c.real(2), c.real(3)); return nullptr; }},
    {"SETREFOBJECT", CMC_World_Runner::SETREFOBJECT, A::None, [](Call& c) -> CMC_Variable* {
        c.world.getView().setReference(c.body(0)); return nullptr; }},
    {"GETBKGPOSX", CMC_World_Runner::GETBKGPOSX, A::Double, [](Call& c) -> CMC_Variable* {
        return real(c.world.getView().backgroundX()); }},
    {"GETBKGPOSY", CMC_World_Runner::GETBKGPOSY, A::Double, [](Call& c) -> CMC_Variable* {
        return real(c.world.getView().backgroundY()); }},
    {"SETMOVEFLAGS", CMC_World_Runner::SETMOVEFLAGS, A::None, [](Call& c) -> CMC_Variable* {
        c.world.getView().setMoveFlags((c.flag(0) ? CWorldView::kFollowHorizontally : 0) |
                                       (c.flag(1) ? CWorldView::kFollowVertically : 0));
        return nullptr; }},
    {"SETBKGSIZE", CMC_World_Runner::SETBKGSIZE, A::None, [](Call& c) -> CMC_Variable* {
        c.world.getView().setBackground(c.real(0), c.real(1), c.real(2), c.real(3)); return nullptr; }},
    {"ADDWAYPOINT", CMC_World_Runner::ADDWAYPOINT, A::None, addWayPoint},
    {"REMOVEWAYPOINT", CMC_World_Runner::REMOVEWAYPOINT, A::None, removeWayPoint},
    {"REMOVEROUTE", CMC_World_Runner::REMOVEROUTE, A::None, removeWayPoint},
    {"FOLLOWROUTE", CMC_World_Runner::FOLLOWROUTE, A::Double, [](Call& c) -> CMC_Variable* {
        float left = 0.0f; c.korrun.FollowRoute(c.body(0), c.real(1), c.real(2), &left); return real(left); }},
    {"ADDGRAVITYEX", CMC_World_Runner::ADDGRAVITYEX, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.AddGravityEx(c.body(0), c.body(1), c.flag(2)); return nullptr; }},
    {"JOIN2", CMC_World_Runner::JOIN2, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.Join2(c.body(0), c.body(1), c.real(2), c.real(3), c.real(4), c.real(5), c.real(6), c.real(7), c.real(8),
                       c.real(9), c.real(10));
        return nullptr; }},
    {"JOINTSTEER", CMC_World_Runner::JOINTSTEER, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.JointSteer(c.body(0), c.real(1)); return nullptr; }},
    {"JOINTSPEED", CMC_World_Runner::JOINTSPEED, A::None, [](Call& c) -> CMC_Variable* {
        c.korrun.JointSpeed(c.body(0), c.real(1)); return nullptr; }},
    {"GETROTATIONX", CMC_World_Runner::GETROTATIONX, A::Integer, [](Call& c) {
        return wholeRead(c, &IKorrun::GetRotationX); }},
    {"GETROTATIONY", CMC_World_Runner::GETROTATIONY, A::Integer, [](Call& c) {
        return wholeRead(c, &IKorrun::GetRotationY); }},
};

constexpr int kLastId = CMC_World_Runner::GETROTATIONY;

const Row* rowOf(int id)
{
    static const std::array<const Row*, kLastId + 1> byId = [] {
        std::array<const Row*, kLastId + 1> index{};
        for (const Row& row : kRows)
            index[static_cast<size_t>(row.id)] = &row;
        return index;
    }();
    return id >= 0 && id <= kLastId ? byId[static_cast<size_t>(id)] : nullptr;
}

std::unique_ptr<CMC_World_Runner> sharedRunner;
int worldsAlive = 0;
int callsRunning = 0;

void dropRunnerWhenUnused()
{
    if (worldsAlive == 0 && callsRunning == 0)
        sharedRunner.reset();
}

// Keeps the runner while a method runs: the method may destroy the last WORLD.
class RunningCall {
public:
    RunningCall() { ++callsRunning; }
    ~RunningCall()
    {
        --callsRunning;
        dropRunnerWhenUnused();
    }
    RunningCall(const RunningCall&) = delete;
    RunningCall& operator=(const RunningCall&) = delete;
};

} // namespace

void CMC_World_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const Row& row : kRows)
        putMethod(row.name, row.id);
}

CMC_Variable* CMC_World_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    // Nothing of this runner is touched once the guard may have let it go.
    RunningCall running;
    auto* world = dynamic_cast<CMC_World*>(object);
    const Row* row = rowOf(id);
    if (world == nullptr || row == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    IKorrun* korrun = world->getSimulation();
    if (korrun == nullptr)
        return zeroOf(row->answer);
    Call call{*this, *world, *korrun, container != nullptr ? container : world->getScene(), arguments};
    return row->handler(call);
}

CMC_World_Runner* CMC_World_Runner::shared()
{
    if (sharedRunner == nullptr) {
        sharedRunner = std::make_unique<CMC_World_Runner>();
        sharedRunner->prepareMthHashSet();
    }
    return sharedRunner.get();
}

void CMC_World_Runner::addWorld()
{
    ++worldsAlive;
}

void CMC_World_Runner::removeWorld()
{
    --worldsAlive;
    dropRunnerWhenUnused();
}
