#include "script/CMC_Quene.h"

#include "foundation/CXQuene.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/OwnedValue.h"

CMC_Quene::CMC_Quene(CMC_ObjectsContainer* container, CMElement* element, int type, CXQuene* quene)
    : CMC_Object(container, element, type), quene_(quene)
{
    initializeBehaviours(container, element);
}

CMC_Quene::CMC_Quene(CMC_ObjectsContainer* scene, int type, CXQuene* quene) : CMC_Object("temp", type), quene_(quene)
{
    setScene(scene);
}

CMC_Quene::~CMC_Quene()
{
    beginDestruction();
    while (CXObject* value = quene_->pop())
        CMC_Object::destroy(static_cast<CMC_Variable*>(value));
    delete quene_;
}

CXQuene* CMC_Quene::getQuene()
{
    return quene_;
}

void CMC_Quene::push(CMC_Variable* value)
{
    // Only the plain types: POP hands out a pooled copy, and only they have pools.
    if (value == nullptr || !script::isPlainValueType(value->getType()))
        return;
    if (CMC_Variable* copy = script::ownedCopy(value))
        quene_->push(copy);
}

CMC_Variable* CMC_Quene::pop()
{
    auto* value = static_cast<CMC_Variable*>(quene_->pop());
    if (value == nullptr)
        return nullptr;
    CMC_Variable* handedOut = CMC_VariableFactory::copyVariable(value);
    CMC_Object::destroy(value);
    return handedOut;
}

int CMC_Quene::getSize()
{
    return quene_->getSize();
}

CXString** CMC_Quene::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONEMPTY"});
}
