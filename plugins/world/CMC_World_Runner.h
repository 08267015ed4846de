#pragma once

#include "script/CMC_Runner.h"

// The runner of WORLD objects. Nearly every method converts its arguments and calls one member of
// the object's simulation: screen units to world units (about the screen's centre, or through the
// view where a method says so), doubles to floats, degrees to radians for JOIN's limits. Reads of
// the simulation answer 0 or FALSE when the simulation refuses them; values a member writes back
// start at 0. Arguments past the call's count read as 0, FALSE or "". A WORLD without a
// simulation does nothing and answers 0 or FALSE. Identifiers 58 to 64 and 74 to 79 are unused.
//
// All WORLD objects share one runner: made on the first request, it stays while any WORLD lives
// (parsed lines keep it) and while one of its methods runs.
class CMC_World_Runner final : public CMC_Runner {
public:
    enum Method {
        SETGRAVITY = 1,
        START = 2,
        STOP = 3,
        ADDOBJECT = 4,
        SETOBJECTPROPERTIES = 5,
        MOVEOBJECTS = 6,
        GETPOSITIONX = 7,
        GETPOSITIONY = 8,
        GETPOSITIONZ = 9,
        SETOBJECTFORCE = 10,
        GETANGLE = 11,
        SETPOSITIONCOORD = 12,
        SETANGLE = 13,
        ROTATE = 14,
        SETSPEED = 15,
        GETCOLLISION = 16,
        SETDISPERSION = 17,
        ENABLEMESH = 18,
        COLLIDEMESH = 19,
        ISMESHENABLED = 20,
        ISMESHCOLLIDING = 21,
        SETVELOCITY = 22,
        FOLLOW = 23,
        SETPOSITION = 24,
        SETLIMIT = 25,
        GETSPEED = 26,
        SETCOLLISIONTYPE = 27,
        SETMAXSPEED = 28,
        SETALWAYSACTIVE = 29,
        SETACTIVE = 30,
        GETMOVEDISTANCE = 31,
        ADDMESHWAYPOINT = 32,
        GOTOPATH = 33,
        USEFF = 34,
        LINK = 35,
        SETMASS = 36,
        LOAD = 37,
        REMOVEOBJECT = 38,
        FOLLOWPATH = 39,
        FINDPATH = 40,
        UNLINK = 41,
        PAUSELINK = 42,
        RESUMELINK = 43,
        ADDFORCE = 44,
        SETBODYPROPERTIES = 45,
        SETBODYDYNAMICS = 46,
        ADDBODY = 47,
        GETROTATIONZ = 48,
        SETFORCE = 49,
        SETGRAVITYCENTER = 50,
        SETG = 51,
        JOIN = 52,
        BREAK = 53,
        ZEROALL = 54,
        MOVETO = 55,
        MOVETOPATH = 56,
        ADDTOPATH = 57,
        SETREFOBJECT = 65,
        GETBKGPOSX = 66,
        GETBKGPOSY = 67,
        SETMOVEFLAGS = 68,
        SETBKGSIZE = 69,
        ADDWAYPOINT = 70,
        REMOVEWAYPOINT = 71,
        REMOVEROUTE = 72,
        FOLLOWROUTE = 73,
        ADDGRAVITYEX = 80,
        JOIN2 = 81,
        JOINTSTEER = 82,
        JOINTSPEED = 83,
        GETROTATIONX = 84,
        GETROTATIONY = 85,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, and objects that are not WORLDs, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // The shared runner, made and prepared when there is none.
    static CMC_World_Runner* shared();
    // Every WORLD counts itself in while it lives.
    static void addWorld();
    static void removeWorld();
};
