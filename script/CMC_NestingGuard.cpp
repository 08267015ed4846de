#include "script/CMC_NestingGuard.h"

#include "foundation/CLogSink.h"
#include "foundation/CXString.h"

int CMC_NestingGuard::depths_[2] = {0, 0};
bool CMC_NestingGuard::runUnwinding_ = false;
unsigned CMC_NestingGuard::runsStarted_ = 0;

void CMC_NestingGuard::refuse(const char* what)
{
    if (kind_ == RUNNING && runUnwinding_)
        return;
    if (kind_ == RUNNING)
        runUnwinding_ = true;
    CLogSink* sink = CLogSink::installed();
    if (sink == nullptr)
        return;
    CXString text(kind_ == PARSING ? "Script text nested too deeply, not parsed: " : "Script calls nested too deeply, run stopped: ");
    text += what;
    sink->toLog(text, false);
}
