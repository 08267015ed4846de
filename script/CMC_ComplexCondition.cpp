#include "script/CMC_ComplexCondition.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

CMC_ComplexCondition::CMC_ComplexCondition(CMC_ObjectsContainer* container)
    : CMC_BasicCondition(CXString("temp"), script::TYPE_COMPLEXCONDITION)
{
    setScene(container);
}

CMC_ComplexCondition::CMC_ComplexCondition(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_BasicCondition(container, definition, script::TYPE_COMPLEXCONDITION)
{
    if (definition != nullptr) {
        operatorText_ = definition->getPropertyValue("OPERATOR");
        condition1Name_ = definition->getPropertyValue("CONDITION1");
        condition2Name_ = definition->getPropertyValue("CONDITION2");
    }
    operator_ = resolveOperator(operatorText_);
}

CMC_ComplexCondition::~CMC_ComplexCondition()
{
    beginDestruction();
}

int CMC_ComplexCondition::resolveOperator(const CXString& word)
{
    return word == "OR" ? OR : AND;
}

void CMC_ComplexCondition::serialize(CXArchive* archive)
{
    CMC_BasicCondition::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << condition1Name_ << condition2Name_ << operatorText_;
        return;
    }
    *archive >> &condition1Name_ >> &condition2Name_ >> &operatorText_;
    if (operatorText_ == "AND" || operatorText_ == "OR")
        operator_ = resolveOperator(operatorText_);
}

CMC_BasicCondition* CMC_ComplexCondition::conditionNamed(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    return container != nullptr ? dynamic_cast<CMC_BasicCondition*>(container->getObject(name)) : nullptr;
}

bool CMC_ComplexCondition::valid(bool raiseSignals)
{
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "complex condition");
    if (!guard.entered())
        return false;
    CMC_ObjectRef first(conditionNamed(condition1Name_));
    CMC_ObjectRef second(conditionNamed(condition2Name_));
    if (!first.isAlive() || !second.isAlive())
        return false;
    CMC_ObjectRef self(this);
    bool result = static_cast<CMC_BasicCondition*>(first.get())->valid(true);
    // The first test may have deleted the second condition.
    bool settled = operator_ == OR ? result : !result;
    if (!settled) {
        auto* other = static_cast<CMC_BasicCondition*>(second.get());
        result = other != nullptr && other->valid(true);
    }
    if (raiseSignals && self.isAlive())
        raiseResult(result);
    return result;
}
