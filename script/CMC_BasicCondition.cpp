#include "script/CMC_BasicCondition.h"

#include "foundation/CXVector.h"
#include "script/CMC_HandlerEntry.h"
#include "script/CRunnableBehaviour.h"

CMC_BasicCondition::CMC_BasicCondition(const CXString& name, int type) : CMC_Object(name, type)
{
}

CMC_BasicCondition::CMC_BasicCondition(CMC_ObjectsContainer* container, CMElement* definition, int type)
    : CMC_Object(container, definition, type)
{
    initializeBehaviours(container, definition);
    note(success_, "ONRUNTIMESUCCESS");
    note(failure_, "ONRUNTIMEFAILED");
}

CXString** CMC_BasicCondition::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONRUNTIMESUCCESS", "ONRUNTIMEFAILED"});
}

void CMC_BasicCondition::note(NotedHandler& handler, const char* key)
{
    handler.key = key;
    if (CMC_HandlerEntry* entry = getSingleBehaviour(handler.key, 0)) {
        handler.entry = entry;
        handler.serial = entry->getSerial();
    }
}

void CMC_BasicCondition::raiseResult(bool result)
{
    runNoted(result ? success_ : failure_);
}

void CMC_BasicCondition::runNoted(const NotedHandler& handler)
{
    if (handler.entry == nullptr)
        return;
    // Only while that very entry is still bound: the address alone may belong to a newer one.
    CXVector* entries = getBehaviour(handler.key);
    if (entries == nullptr)
        return;
    for (int i = 0; i < entries->getSize(); ++i) {
        auto* entry = static_cast<CMC_HandlerEntry*>(entries->at(i));
        if (entry != handler.entry || entry->getSerial() != handler.serial)
            continue;
        std::shared_ptr<CXArray> arguments = entry->sharedArguments();
        if (auto* behaviour = dynamic_cast<CRunnableBehaviour*>(entry->getBehaviour()))
            behaviour->run(this, arguments.get(), true);
        return;
    }
}
