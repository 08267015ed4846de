#include "foundation/CLogSink.h"

namespace {
CLogSink* installedSink = nullptr;
}

void CLogSink::install(CLogSink* sink)
{
    installedSink = sink;
}

CLogSink* CLogSink::installed()
{
    return installedSink;
}
