#include "plugins/extension/CMC_GameMouse.h"

#include "plugins/extension/CMC_GameMouse_Runner.h"

namespace {

std::unique_ptr<CMC_GameMouse_Runner> runner;

} // namespace

CMC_GameMouse::CMC_GameMouse(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_ExtensionObject(container, definition, kTypeId)
{
}

CMC_GameMouse::CMC_GameMouse(CMC_ObjectsContainer* container)
    : CMC_ExtensionObject(container, kTypeId, "CMC_GameMouse::CMC_GameMouse( CMS_Scene )", "GameMouse")
{
}

CMC_Runner* CMC_GameMouse::getRunner()
{
    return CMC_ExtensionRunner::madeOnce(runner);
}
