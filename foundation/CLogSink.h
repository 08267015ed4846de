#pragma once

#include "foundation/CInstalledLink.h"

class CXString;

// Receiver of the engine's log lines (the window host's log). CXObject::log hands its text here;
// while no sink is installed a log call costs one pointer test.
class CLogSink : public CInstalledLink<CLogSink> {
public:
    virtual ~CLogSink() = default;
    virtual void toLog(const CXString& text, bool flag) = 0;
};
