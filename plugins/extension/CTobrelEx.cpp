#include "plugins/extension/CTobrelEx.h"

#include "plugins/extension/CMC_GameMouse.h"
#include "plugins/extension/CMC_KeyMapper.h"
#include "plugins/extension/CMC_Kulki.h"
#include "plugins/module/ModuleExports.h"

namespace {

constexpr CPluginModule::ObjectType kTypes[] = {
    CPluginModule::typeOf<CMC_Kulki>("KULKI"),
    CPluginModule::typeOf<CMC_GameMouse>("GAMEMOUSE"),
    CPluginModule::typeOf<CMC_KeyMapper>("KEYMAPPER"),
};

} // namespace

CTobrelEx::CTobrelEx(CMC_ObjectsContainer* container) : CPluginModule(container, kTypes)
{
}

std::unique_ptr<CPluginModule> makePluginModule(CMC_ObjectsContainer* container)
{
    return std::make_unique<CTobrelEx>(container);
}
