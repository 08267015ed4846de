#include "script/CMC_LoopBudget.h"

#include "foundation/CLogSink.h"
#include "foundation/CXString.h"
#include "script/CMC_NestingGuard.h"

namespace {

int activeLoops = 0;
int passesMade = 0;
bool reported = false;
// The outermost run whose loops made passesMade.
unsigned countedRun = 0;

void report(const char* what)
{
    if (reported)
        return;
    reported = true;
    if (CLogSink* sink = CLogSink::installed()) {
        CXString text("Script loop stopped after too many passes: ");
        text += what;
        sink->toLog(text, false);
    }
}

} // namespace

CMC_LoopBudget::CMC_LoopBudget(const char* what) : what_(what)
{
    // A loop outside any guarded run is a run of its own.
    bool newRun = CMC_NestingGuard::depth(CMC_NestingGuard::RUNNING) == 0 || countedRun != CMC_NestingGuard::outermostRuns();
    if (activeLoops++ == 0 && newRun) {
        countedRun = CMC_NestingGuard::outermostRuns();
        passesMade = 0;
        reported = false;
    }
}

CMC_LoopBudget::~CMC_LoopBudget()
{
    --activeLoops;
}

bool CMC_LoopBudget::pass()
{
    if (passesMade >= kMaxPasses) {
        report(what_);
        return false;
    }
    ++passesMade;
    return true;
}

bool CMC_LoopBudget::exhausted()
{
    return passesMade >= kMaxPasses;
}
