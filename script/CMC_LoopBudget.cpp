#include "script/CMC_LoopBudget.h"

#include "foundation/CLogSink.h"
#include "foundation/CXString.h"

namespace {

int activeLoops = 0;
int passesMade = 0;
bool reported = false;

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
    ++activeLoops;
}

CMC_LoopBudget::~CMC_LoopBudget()
{
    if (--activeLoops == 0) {
        passesMade = 0;
        reported = false;
    }
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
