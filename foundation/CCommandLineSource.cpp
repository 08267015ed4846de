#include "foundation/CCommandLineSource.h"

namespace {
CCommandLineSource* installedSource = nullptr;
}

void CCommandLineSource::install(CCommandLineSource* source)
{
    installedSource = source;
}

CCommandLineSource* CCommandLineSource::installed()
{
    return installedSource;
}

CCommandLine6* CCommandLineSource::current()
{
    return installedSource != nullptr ? installedSource->getCommandLine() : nullptr;
}
