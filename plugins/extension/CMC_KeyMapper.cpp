#include "plugins/extension/CMC_KeyMapper.h"

#include "plugins/extension/CMC_KeyMapper_Runner.h"

namespace {

std::unique_ptr<CMC_KeyMapper_Runner> runner;

} // namespace

CMC_KeyMapper::CMC_KeyMapper(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_ExtensionObject(container, definition, kTypeId)
{
}

CMC_KeyMapper::CMC_KeyMapper(CMC_ObjectsContainer* container)
    : CMC_ExtensionObject(container, kTypeId, "CMC_KeyMapper::CMC_KeyMapper( CMS_Scene )", "KeyMapper")
{
}

CMC_Runner* CMC_KeyMapper::getRunner()
{
    return CMC_ExtensionRunner::madeOnce(runner);
}
