#include "platform/Files.h"

#include "platform/PosixFiles.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
Files& posixFiles()
{
    static PosixFiles instance;
    return instance;
}

constinit ServiceSlot<Files> slot(posixFiles);
} // namespace

Files& files()
{
    return slot.get();
}

void setFiles(Files* replacement)
{
    slot.set(replacement);
}

} // namespace platform
