#include "foundation/CCommandLineSource.h"

CCommandLine6* CCommandLineSource::current()
{
    return installed() != nullptr ? installed()->getCommandLine() : nullptr;
}
