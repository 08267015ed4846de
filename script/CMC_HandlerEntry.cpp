#include "script/CMC_HandlerEntry.h"

#include "foundation/CXArray.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

namespace {

uint64_t nextSerial()
{
    static uint64_t counter = 0;
    return ++counter;
}

std::shared_ptr<CXArray> ownArguments(CXArray* arguments)
{
    if (arguments == nullptr)
        return nullptr;
    return std::shared_ptr<CXArray>(arguments, [](CXArray* strings) { CXString::releaseToVector(strings); });
}

} // namespace

CMC_HandlerEntry::CMC_HandlerEntry(CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container)
    : behaviour_(behaviour), arguments_(ownArguments(arguments)), container_(container), serial_(nextSerial())
{
}

CMC_HandlerEntry::CMC_HandlerEntry(const CMC_HandlerEntry& source, bool)
    : behaviour_(source.behaviour_), arguments_(source.arguments_), container_(source.container_),
      serial_(nextSerial())
{
    if (source.placeholder_ != nullptr) {
        placeholder_ = std::make_unique<CMC_Object>(source.placeholder_->getName(), script::TYPE_STATEMENTS);
        behaviour_ = placeholder_.get();
    }
}

CMC_HandlerEntry* CMC_HandlerEntry::makePlaceholder(const CXString& behaviourName, CXArray* arguments)
{
    auto* entry = new CMC_HandlerEntry(nullptr, arguments, nullptr);
    entry->placeholder_ = std::make_unique<CMC_Object>(behaviourName, script::TYPE_STATEMENTS);
    entry->behaviour_ = entry->placeholder_.get();
    return entry;
}

CMC_HandlerEntry::~CMC_HandlerEntry() = default;

CMC_Object* CMC_HandlerEntry::getBehaviour() const
{
    return behaviour_.get();
}

void CMC_HandlerEntry::setBehaviour(CMC_Object* behaviour)
{
    behaviour_ = behaviour;
    placeholder_.reset();
}

CXString CMC_HandlerEntry::getBehaviourName() const
{
    CMC_Object* behaviour = behaviour_.get();
    return behaviour != nullptr ? behaviour->getName() : CXString();
}

CMC_ObjectsContainer* CMC_HandlerEntry::getContainer() const
{
    return static_cast<CMC_ObjectsContainer*>(container_.get());
}

bool CMC_HandlerEntry::isBoundIn(const CMC_ObjectsContainer* container) const
{
    return container_.get() == container;
}

CXObject* CMC_HandlerEntry::clone() const
{
    return new CMC_HandlerEntry(*this, true);
}
