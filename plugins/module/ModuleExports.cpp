#include "plugins/module/ModuleExports.h"

#include "plugins/module/CPluginModule.h"

namespace {

std::unique_ptr<CPluginModule> module;
int users = 0;

} // namespace

void create(CMC_ObjectsContainer* container)
{
    if (module == nullptr)
        module = makePluginModule(container);
    ++users;
}

void release()
{
    if (users > 0 && --users == 0)
        module.reset();
}

CMC_ExternObject* getModuleInterface()
{
    return module.get();
}
