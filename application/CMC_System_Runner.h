#pragma once

#include "script/CMC_Runner.h"

class CMC_System;
class CWindow;

// The runner of the SYSTEM object: the date and time, the engine clock and the processor's speed
// from the object; waiting on the platform clock, copying files, minimising the window, the engine
// host's command line, and installing and uninstalling games from the web.
class CMC_System_Runner : public CMC_Runner {
public:
    enum Method {
        GETDATE = 1,
        GETDATESTRING = 2,
        GETDAY = 3,
        GETDAYOFWEEK = 4,
        GETDAYOFWEEKSTRING = 5,
        GETMONTH = 6,
        GETMONTHSTRING = 7,
        GETYEAR = 8,
        GETTIMESTRING = 9,
        GETHOUR = 10,
        GETMINUTES = 11,
        GETSECONDS = 12,
        GETSYSTEMTIME = 13,
        GETMHZ = 14,
        DELAY = 15,
        COPYFILE = 16,
        MINIMIZE = 17,
        ISCMDLINEPARAMETER = 18,
        GETCMDLINEPARAMETER = 19,
        INSTALL = 20,
        UNINSTALL = 21,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The methods that read the clock, or null for another identifier.
    static CMC_Variable* runClockMethod(int id, CMC_System* system);
    CMC_Variable* runHostMethod(int id, CMC_System* system, CXVector* arguments);
    CMC_Variable* copyFile(CWindow* window, CXVector* arguments);
    // Installs from the player program's folder, the current folder kept.
    void install(CWindow* window, CXVector* arguments);
    void uninstall(CXVector* arguments);
};
