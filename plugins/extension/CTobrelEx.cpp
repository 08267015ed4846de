#include "plugins/extension/CTobrelEx.h"

#include "plugins/extension/CMC_GameMouse.h"
#include "plugins/extension/CMC_KeyMapper.h"
#include "plugins/extension/CMC_Kulki.h"
#include "plugins/module/CModuleUsers.h"

namespace {

constexpr CPluginModule::ObjectType kTypes[] = {
    CPluginModule::typeOf<CMC_Kulki>("KULKI"),
    CPluginModule::typeOf<CMC_GameMouse>("GAMEMOUSE"),
    CPluginModule::typeOf<CMC_KeyMapper>("KEYMAPPER"),
};

CModuleUsers<CTobrelEx> users;

} // namespace

CTobrelEx::CTobrelEx(CMC_ObjectsContainer* container) : CPluginModule(container, kTypes)
{
}

void create(CMC_ObjectsContainer* container)
{
    users.create(container);
}

void release()
{
    users.release();
}

CMC_ExternObject* getModuleInterface()
{
    return users.module();
}
