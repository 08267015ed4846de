#include "plugins/extension/CMC_Kulki.h"

#include "plugins/extension/CMC_Kulki_Runner.h"

namespace {

std::unique_ptr<CMC_Kulki_Runner> runner;

} // namespace

CMC_Kulki::CMC_Kulki(CMC_ObjectsContainer* container, CMElement* definition) : CMC_ExtensionObject(container, definition, kTypeId)
{
}

CMC_Kulki::CMC_Kulki(CMC_ObjectsContainer* container)
    : CMC_ExtensionObject(container, kTypeId, "CMC_Kulki::CMC_Kulki( CMS_Scene )", "Kulki")
{
}

CMC_Runner* CMC_Kulki::getRunner()
{
    return CMC_ExtensionRunner::madeOnce(runner);
}
