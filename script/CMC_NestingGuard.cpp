#include "script/CMC_NestingGuard.h"

#include "foundation/CLogSink.h"
#include "foundation/CXString.h"

namespace {

int depths[2] = {0, 0};
bool runUnwinding = false;
unsigned runsStarted = 0;

void report(CMC_NestingGuard::Kind kind, const char* what)
{
    CLogSink* sink = CLogSink::installed();
    if (sink == nullptr)
        return;
    CXString text(kind == CMC_NestingGuard::PARSING ? "Script text nested too deeply, not parsed: "
                                                    : "Script calls nested too deeply, run stopped: ");
    text += what;
    sink->toLog(text, false);
}

} // namespace

CMC_NestingGuard::CMC_NestingGuard(Kind kind, const char* what) : kind_(kind), entered_(false)
{
    if (kind == RUNNING && runUnwinding)
        return;
    int limit = kind == PARSING ? kMaxParsing : kMaxRunning;
    if (depths[kind] >= limit) {
        report(kind, what);
        if (kind == RUNNING)
            runUnwinding = true;
        return;
    }
    entered_ = true;
    if (depths[kind]++ == 0 && kind == RUNNING)
        ++runsStarted;
}

CMC_NestingGuard::~CMC_NestingGuard()
{
    if (!entered_)
        return;
    if (--depths[kind_] == 0 && kind_ == RUNNING)
        runUnwinding = false;
}

bool CMC_NestingGuard::unwinding()
{
    return runUnwinding;
}

int CMC_NestingGuard::depth(Kind kind)
{
    return depths[kind];
}

unsigned CMC_NestingGuard::outermostRuns()
{
    return runsStarted;
}
