#include "platform/Registry.h"

#include "platform/ConfigFolder.h"
#include "platform/FileRegistry.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
Registry& userRegistry()
{
    static FileRegistry instance(ConfigFolder::path());
    return instance;
}

constinit ServiceSlot<Registry> slot(userRegistry);
} // namespace

Registry& registry()
{
    return slot.get();
}

void setRegistry(Registry* replacement)
{
    slot.set(replacement);
}

} // namespace platform
