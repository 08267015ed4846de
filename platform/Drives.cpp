#include "platform/Drives.h"

#include "platform/DriveMap.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
Drives& systemDrives()
{
    static DriveMap instance = [] {
        DriveMap map;
        map.loadSystem();
        return map;
    }();
    return instance;
}

constinit ServiceSlot<Drives> slot(systemDrives);
} // namespace

Drives& drives()
{
    return slot.get();
}

void setDrives(Drives* replacement)
{
    slot.set(replacement);
}

} // namespace platform
