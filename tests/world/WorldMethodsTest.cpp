// The WORLD's methods on a scripted simulation: what each one asks of the simulation, with its
// arguments converted, and what it answers; reads the simulation refuses; arguments a call does
// not carry; a WORLD restored from a compiled scene, which has no simulation.
#include "WorldScene.h"

#include "plugins/world/CMC_World_Runner.h"
#include "script/CMC_Runner.h"

using namespace worldtest;

namespace {

using Calls = std::vector<std::string>;

struct Case {
    const char* line;
    Calls calls;
    const char* answer = "none";
};

class WorldMethods : public WorldScene {
protected:
    // A scene with three DOUBLEs and a WORLD W whose body 1 stands at (10, 20, 5) in the world,
    // moving at 7.5, and whose other reads answer 12.5.
    void SetUp() override
    {
        WorldScene::SetUp();
        ASSERT_TRUE(startWith(declared("DX", "DOUBLE") + declared("DY", "DOUBLE") + declared("DZ", "DOUBLE")));
        addWorld("W");
        simulation().place(1, 10.0f, 20.0f, 5.0f);
        simulation().bodies[1].speed = 7.5f;
        simulation().reading = 12.5f;
        simulation().taken();
    }

    void expectCases(std::initializer_list<Case> cases)
    {
        for (const Case& each : cases) {
            SCOPED_TRACE(each.line);
            EXPECT_EQ(run(each.line), each.answer);
            EXPECT_EQ(simulation().taken(), each.calls);
        }
    }
};

TEST_F(WorldMethods, EachMethodCallsTheSimulationWithItsArgumentsConverted)
{
    expectCases({
        {"W^SETGRAVITY(1, -2.5, 3)", {"SetGravity(1,-2.5,3)"}},
        {"W^START()", {"Start()"}},
        {"W^STOP()", {"Stop()"}},
        // Screen (410, 290) is world (10, 10).
        {"W^ADDOBJECT(7, 410, 290, 5, 10, 11, 12, 2, 0.5, 300)",
         {"AddObject(7,983040)", "SetPosition(7,10,10,5)", "SetRadius(7,10,11,12)", "SetMass(7,2)", "SetRigid(7,0.5)",
          "SetMaxSpeed(7,300)"}},
        {"W^SETOBJECTPROPERTIES(7, \"POSITION\", 400, 300, 2)", {"SetPosition(7,0,0,2)"}},
        {"W^SETOBJECTPROPERTIES(7, \"position\", 400, 300, 2)", {}},
        {"W^SETOBJECTPROPERTIES(7, \"MASS\", 1)", {}},
        {"W^MOVEOBJECTS()", {"MoveObjects()"}, "16.00000"},
        {"W^GETPOSITIONX(1)", {"GetPosition(1)"}, "410"},
        {"W^GETPOSITIONY(1)", {"GetPosition(1)"}, "280"},
        {"W^GETPOSITIONZ(1)", {"GetPosition(1)"}, "5"},
        {"W^SETOBJECTFORCE(1, 1, 2, 3)", {"SetForce(1,1,2,3)"}},
        {"W^SETFORCE(1, 4, 5, 6)", {"SetForce(1,4,5,6)"}},
        {"W^GETANGLE(1)", {"GetAngle(1)"}, "12"},
        {"W^SETPOSITIONCOORD(1, 0, 500)", {"GetPosition(1)", "SetPosition(1,100,20,5)"}},
        {"W^SETPOSITIONCOORD(1, 1, 100)", {"GetPosition(1)", "SetPosition(1,10,200,5)"}},
        {"W^SETPOSITIONCOORD(1, 2, 100)", {"GetPosition(1)", "SetPosition(1,10,20,5)"}},
        {"W^SETANGLE(1, 45)", {"SetAngle(1,45)"}},
        {"W^ROTATE(1, 2, 30)", {"Rotate(1,2,30)"}},
        {"W^SETSPEED(1, 80)", {"SetSpeed(1,80)"}},
        {"W^GETCOLLISION(1)", {"GetCollision(1)"}, "FALSE"},
        {"W^GETCOLLISION(1, 2)", {"GetCollision(1,2)"}, "TRUE"},
        {"W^SETDISPERSION(1, 0.25)", {"SetDispersion(1,0.25)"}},
        {"W^ENABLEMESH(1)", {"EnableMesh(1,true)"}},
        {"W^ENABLEMESH(1, FALSE)", {"EnableMesh(1,false)"}},
        {"W^COLLIDEMESH(1)", {"CollideMesh(1,true)"}},
        {"W^COLLIDEMESH(1, FALSE)", {"CollideMesh(1,false)"}},
        {"W^ISMESHENABLED(1)", {"IsMeshEnabled(1)"}, "TRUE"},
        {"W^ISMESHCOLLIDING(1)", {"IsMeshColliding(1)"}, "TRUE"},
        {"W^SETVELOCITY(1, 1, 2, 3)", {"SetVelocity(1,1,2,3,false)"}},
        {"W^FOLLOW(1, 410, 290, 1, 2, 3, 4)", {"Follow(1,10,10,1,2,3,4)"}, "12.50000"},
        {"W^SETPOSITION(1, 410, 290, 5)", {"SetPosition(1,10,10,5)"}},
        // The screen's top is the world's high end.
        {"W^SETLIMIT(1, 100, 50, 0, 700, 550, 9)", {"SetLimit(1,-300,-250,0,300,250,9)"}},
        {"W^GETSPEED(1)", {"GetSpeed(1)"}, "7.50000"},
        {"W^SETCOLLISIONTYPE(1, 65537)", {"SetCollisionType(1,65537)"}},
        {"W^SETMAXSPEED(1, 100)", {"SetMaxSpeed(1,100)"}},
        {"W^SETALWAYSACTIVE(1)", {"SetAlwaysActive(1,true)"}},
        {"W^SETALWAYSACTIVE(1, FALSE)", {"SetAlwaysActive(1,false)"}},
        {"W^SETACTIVE(1)", {"SetActive(1,true,true)"}},
        {"W^SETACTIVE(1, FALSE)", {"SetActive(1,false,true)"}},
        {"W^SETACTIVE(1, FALSE, TRUE)", {"SetActive(1,false,true)"}},
        {"W^SETACTIVE(1, 3, FALSE)", {"SetActivePath(1,3,false)"}},
        {"W^SETACTIVE(1, FALSE, FALSE, FALSE)", {"SetActive(1,true,true)"}},
        {"W^GETMOVEDISTANCE(1)", {"GetMoveDistance(1)"}, "12.50000"},
        {"W^GETMOVEDISTANCE(1, DX, DY, DZ)", {"GetMoveVector(1)", "GetMoveDistance(1)"}, "12.50000"},
        {"W^ADDMESHWAYPOINT(1)", {"AddMeshWayPoint(1)"}},
        {"W^ADDMESHWAYPOINT(4, 410, 290, 3)", {"AddMeshWayPoint(4,10,10,3)"}},
        {"W^GOTOPATH(1, 2)", {"GotoPath(1,2)"}, "12.50000"},
        {"W^USEFF(TRUE)", {"UseFF(true)"}},
        {"W^SETMASS(1, 3)", {"SetMass(1,3)"}},
        {"W^REMOVEOBJECT(3)", {"RemoveObject(3)"}},
        {"W^FOLLOWPATH(1, 1, 2, 3)", {"FollowPath(1,1,2,3)"}, "12.50000"},
        {"W^FINDPATH(1, 2, 410, 290, 0)", {"FindPath(1,2,10,10,0,true)"}},
        {"W^FINDPATH(1, 2, 410, 290, 0, FALSE)", {"FindPath(1,2,10,10,0,false)"}},
        {"W^FINDPATH(1, 2, 410, 290, 0, TRUE, FALSE)", {"FindPath(1,2,10,10,0,true)"}},
        {"W^ADDFORCE(1, 1, 2, 3)", {"AddForce(1,1,2,3)"}},
        {"W^ADDFORCE(1, 1, 2, 3, 4, 5, 6)", {"AddForceAt(1,1,2,3,4,5,6)"}},
        {"W^SETBODYPROPERTIES(1, 0.1, 0.2, 0.3, 0.4)", {"SetBodyProperties(1,0.1,0.2,0.3,0.4)"}},
        {"W^SETBODYDYNAMICS(1, 1, 2, 3, 4, 5)", {"SetBodyDynamics(1,1,2,3,4,5)"}},
        // In argument order, unconverted.
        {"W^ADDBODY(1, 1, 2, 3, 4, 5, 6, 1, 983040, 7, 8, 9)", {"AddBody(1,1,2,3,4,5,6,1,983040,7,8,9)"}},
        {"W^GETROTATIONX(1)", {"GetRotationX(1)"}, "12"},
        {"W^GETROTATIONY(1)", {"GetRotationY(1)"}, "12"},
        {"W^GETROTATIONZ(1)", {"GetRotationZ(1)"}, "12"},
        {"W^SETGRAVITYCENTER(1)", {"SetGravityCenter(1,true)"}},
        {"W^SETGRAVITYCENTER(1, FALSE)", {"SetGravityCenter(1,false)"}},
        // G goes on as a double.
        {"W^SETG(1, 0.3)", {"SetG(1,0.3)"}},
        // Limits in degrees become radians: -90 and 90 without them; the axis is (0, 0, 1) without one.
        {"W^JOIN(1, 2, 410, 290, 0, 50)", {"Join(1,2,10,10,0,50,-1.5708,1.5708,0,0,1)"}},
        {"W^JOIN(1, 2, 410, 290, 0, 50, -45)", {}},
        {"W^JOIN(1, 2, 410, 290, 0, 50, -45, 30)", {"Join(1,2,10,10,0,50,-0.785398,0.523599,0,0,1)"}},
        {"W^JOIN(1, 2, 410, 290, 0, 50, -45, 30, 1, 0, -1)", {"Join(1,2,10,10,0,50,-0.785398,0.523599,1,0,-1)"}},
        {"W^JOIN(1, 2, 410, 290, 0, 50, -45, 30, 1, 0)", {}},
        {"W^BREAK(1)", {"Break(1)"}},
        {"W^ZEROALL(1)", {"ZeroAll(1)"}},
        {"W^MOVETO(1, 1, 2, 3, 4, 5)", {"MoveTo(1,1,2,3,4,5)"}, "12.50000"},
        {"W^MOVETOPATH(1, 1, 2)", {"MoveToPath(1,1,2)"}, "12.50000"},
        {"W^ADDTOPATH(1, 1, 2, 3)", {"AddToPath(1,1,2,3)"}},
        {"W^GETBKGPOSX()", {}, "0"},
        {"W^GETBKGPOSY()", {}, "0"},
        {"W^ADDWAYPOINT(1, 410, 290, 3)", {"AddWayPoint(1,10,10,3)"}},
        {"W^ADDWAYPOINT(1)", {"GetPosition(1)", "AddWayPoint(1,10,20,5)"}},
        {"W^REMOVEWAYPOINT(1, 2)", {"RemoveWayPoint(1,2)"}},
        {"W^REMOVEROUTE(1, 3)", {"RemoveWayPoint(1,3)"}},
        {"W^FOLLOWROUTE(1, 1, 2)", {"FollowRoute(1,1,2)"}, "12.50000"},
        {"W^ADDGRAVITYEX(1, 2, TRUE)", {"AddGravityEx(1,2,true)"}},
        {"W^JOIN2(1, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9)", {"Join2(1,2,1,2,3,4,5,6,7,8,9)"}},
        {"W^JOINTSTEER(1, 15)", {"JointSteer(1,15)"}},
        {"W^JOINTSPEED(1, 90)", {"JointSpeed(1,90)"}},
    });
    // GETMOVEDISTANCE's vector went into the variables, unconverted.
    EXPECT_EQ(value("DX"), "12.50000");
    EXPECT_EQ(value("DY"), "-12.50000");
    EXPECT_EQ(value("DZ"), "25.00000");
}

TEST_F(WorldMethods, RefusedReadsAnswerZeroAndWrittenValuesStartAtZero)
{
    simulation().readStatus = IKorrun::kUnknownBody;
    simulation().bodies[1].positionStatus = IKorrun::kUnknownBody;
    expectCases({
        {"W^GETPOSITIONX(1)", {"GetPosition(1)"}, "0"},
        {"W^GETPOSITIONY(1)", {"GetPosition(1)"}, "0"},
        {"W^GETPOSITIONZ(1)", {"GetPosition(1)"}, "0"},
        {"W^GETANGLE(1)", {"GetAngle(1)"}, "0"},
        {"W^GETROTATIONX(1)", {"GetRotationX(1)"}, "0"},
        {"W^GETCOLLISION(1, 2)", {"GetCollision(1,2)"}, "FALSE"},
        {"W^GETSPEED(9)", {"GetSpeed(9)"}, "0"},
        {"W^ISMESHENABLED(1)", {"IsMeshEnabled(1)"}, "FALSE"},
        {"W^FOLLOWROUTE(1, 1, 2)", {"FollowRoute(1,1,2)"}, "0"},
        // Nothing read, nothing written back.
        {"W^SETPOSITIONCOORD(1, 0, 500)", {"GetPosition(1)"}},
        // Taken as GETPOSITIONX and GETPOSITIONY give it: 0, 0.
        {"W^ADDWAYPOINT(1)", {"GetPosition(1)", "AddWayPoint(1,-400,300,0)"}},
    });
    simulation().readStatus = IKorrun::kOk;
    // Truncated toward zero, and held within an int.
    for (auto [reading, answer] : {std::pair{-12.7f, "-12"}, {3.0e9f, "2147483647"}, {-3.0e9f, "-2147483648"}}) {
        simulation().reading = reading;
        EXPECT_EQ(run("W^GETANGLE(1)"), answer);
    }
}

TEST_F(WorldMethods, ArgumentsACallDoesNotCarryReadAsZero)
{
    expectCases({
        {"W^ADDOBJECT(7)", {"AddObject(7,983040)", "SetPosition(7,-400,300,0)", "SetRadius(7,0,0,0)", "SetMass(7,0)",
                            "SetRigid(7,0)", "SetMaxSpeed(7,0)"}},
        {"W^ADDFORCE(1, 1, 2, 3, 4)", {"AddForceAt(1,1,2,3,4,0,0)"}},
        {"W^JOIN2()", {"Join2(0,0,0,0,0,0,0,0,0,0,0)"}},
        {"W^USEFF()", {"UseFF(false)"}},
        {"W^SETOBJECTPROPERTIES(1)", {}},
        {"W^GETMOVEDISTANCE(1, 2, 3, 4)", {"GetMoveVector(1)", "GetMoveDistance(1)"}, "12.50000"},
        {"W^LINK()", {}},
        {"W^LOAD()", {}},
    });
}

TEST_F(WorldMethods, TheMethodTableHasItsGaps)
{
    CMC_Runner* runner = object("W")->getRunner();
    EXPECT_EQ(runner->resolveMethod("SETPOSITION"), CMC_World_Runner::SETPOSITION);
    EXPECT_EQ(runner->resolveMethod("SETPOSITION"), 24);
    EXPECT_EQ(runner->resolveMethod("RESUMELINK"), 43);
    EXPECT_EQ(runner->resolveMethod("GETROTATIONY"), 85);
    EXPECT_EQ(runner->resolveMethod("GETNAME"), CMC_Runner::GETNAME);
    EXPECT_EQ(runner->resolveMethod("setposition"), -1);
    // Identifiers without a name go to the common methods, which have none of them either.
    for (int id : {58, 64, 74, 79})
        EXPECT_EQ(runner->run(id, object("W"), liveScene(), nullptr), nullptr) << id;
    EXPECT_EQ(run("W^GETNAME()"), "W");
}

} // namespace
