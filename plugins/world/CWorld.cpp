#include "plugins/world/CWorld.h"

#include "plugins/module/ModuleExports.h"
#include "plugins/world/CMC_World.h"

namespace {

constexpr CPluginModule::ObjectType kTypes[] = {
    CPluginModule::typeOf<CMC_World>("WORLD"),
};

} // namespace

CWorld::CWorld(CMC_ObjectsContainer* container) : CPluginModule(container, kTypes)
{
}

std::unique_ptr<CPluginModule> makePluginModule(CMC_ObjectsContainer* container)
{
    return std::make_unique<CWorld>(container);
}
