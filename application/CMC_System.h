#pragma once

#include "script/CMC_Object.h"

// The SYSTEM object (type 11000) the application adds for every scene: the date and time of the
// platform clock's calendar, read as UTC, with Polish day and month names, the engine clock, and a
// measure of the processor's speed. It has no properties and raises no signals; what else its
// script methods do (waiting, copying files, the window, the command line, web installation)
// belongs to its runner.
class CMC_System : public CMC_Object {
public:
    explicit CMC_System(CMC_ObjectsContainer* container);

    // Milliseconds of the engine clock.
    int getSystemTime();
    // The processor's time-stamp counter over 50 ms of the performance counter, in MHz.
    int getMHz();
    // (year - 2000) x 10000 + month x 100 + day of the month.
    int getDate();
    // Day of the month, Polish month name and year: "15/Styczen/2012".
    CXString getDateString();
    int getDay();
    // 1 for Sunday to 7 for Saturday.
    int getDayOfWeek();
    CXString getDayOfWeekString();
    // 1 to 12.
    int getMonth();
    CXString getMonthString();
    int getYear();
    // Hour and minute without leading zeros: "9:5".
    CXString getTimeString();
    int getHour();
    int getMinutes();
    int getSeconds();
};
