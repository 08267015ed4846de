#include "platform/WindowSystem.h"

#include "platform/SdlWindowSystem.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
WindowSystem& sdlWindowSystem()
{
    static SdlWindowSystem instance;
    return instance;
}

constinit ServiceSlot<WindowSystem> slot(sdlWindowSystem);
} // namespace

WindowSystem& windowSystem()
{
    return slot.get();
}

void setWindowSystem(WindowSystem* replacement)
{
    slot.set(replacement);
}

} // namespace platform
