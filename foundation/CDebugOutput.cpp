#include "foundation/CDebugOutput.h"

namespace {
CDebugOutput* installedOutput = nullptr;
}

void CDebugOutput::install(CDebugOutput* output)
{
    installedOutput = output;
}

void CDebugOutput::send(const char* text)
{
    if (installedOutput != nullptr && text != nullptr)
        installedOutput->write(text);
}
