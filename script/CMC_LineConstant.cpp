#include "script/CMC_LineConstant.h"

#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/OwnedValue.h"

namespace {

// Whether two variables of one plain type hold the same value, as equals tells: decided here
// without a call for the types that compare plain values.
template <typename T>
bool sameValue(CMC_Variable* a, CMC_Variable* b)
{
    return static_cast<T*>(a)->getValue() == static_cast<T*>(b)->getValue();
}

bool unchanged(CMC_Variable* literal, CMC_Variable* pristine)
{
    switch (literal->getType()) {
    case script::TYPE_INTEGER:
        return sameValue<CMC_Integer>(literal, pristine);
    case script::TYPE_BOOL:
        return sameValue<CMC_Bool>(literal, pristine);
    case script::TYPE_DOUBLE:
        return sameValue<CMC_Double>(literal, pristine);
    case script::TYPE_STRING:
        // The same bytes are equal in any letter case; anything else is for the type to tell.
        if (static_cast<CMC_String*>(literal)->value() == static_cast<CMC_String*>(pristine)->value())
            return true;
        return literal->equals(pristine);
    default:
        return literal->equals(pristine);
    }
}

} // namespace

CMC_LineConstant::CMC_LineConstant(CMC_ObjectsContainer* owner, const CXString& text)
    : text_(CXString::fromBytes(text.c_str(), text.getLength()))
{
    CMC_Object* found = owner != nullptr ? owner->getObject(text) : nullptr;
    // An object that is not a variable (an ANIMO, a behaviour ...) stands for its name: a STRING,
    // which is what the literal gives.
    if (found == nullptr || found->isTemporary() || dynamic_cast<CMC_Variable*>(found) == nullptr)
        return;
    bound_ = found;
    if (found->getName() != text)
        otherName_ = std::make_unique<CXString>(found->getName());
}

CMC_LineConstant::~CMC_LineConstant() = default;

CMC_Variable* CMC_LineConstant::lookUp(CMC_ObjectsContainer* owner)
{
    if (CMC_Variable* named = variableNamed(owner))
        return named;
    CMC_Variable* value = literal();
    if (pristine_ == nullptr && value != nullptr)
        pristine_.reset(script::ownedCopy(value));
    return value;
}

CMC_Variable* CMC_LineConstant::getCopy(CMC_ObjectsContainer* owner)
{
    if (CMC_Object* alive = bound_.get())
        return static_cast<CMC_Variable*>(alive);
    if (CMC_Variable* named = variableNamed(owner))
        return named;
    return CMC_VariableFactory::copyVariable(literal());
}

CMC_Variable* CMC_LineConstant::bound() const
{
    return static_cast<CMC_Variable*>(bound_.get());
}

// Most such names are literals (a number, TRUE) that never name anything: a miss is remembered
// until a container files a name again.
CMC_Variable* CMC_LineConstant::variableNamed(CMC_ObjectsContainer* owner)
{
    if (owner == nullptr || missingSince_ == CMC_ObjectsContainer::namesEpoch())
        return nullptr;
    CMC_Variable* variable = owner->getVariable(name());
    missingSince_ = variable == nullptr ? CMC_ObjectsContainer::namesEpoch() : 0;
    return variable;
}

CMC_Variable* CMC_LineConstant::literal()
{
    if (literal_ == nullptr) {
        CMC_Variable* parsed = CMC_Variable::resolve(text_);
        literal_.reset(script::ownedCopy(parsed));
        CMC_Object::flush(parsed);
        if (literal_ != nullptr)
            literal_->markAsLineConstant();
    }
    return literal_.get();
}

void CMC_LineConstant::restore()
{
    CMC_Variable* value = literal_.get();
    if (value != nullptr && pristine_ != nullptr && !unchanged(value, pristine_.get()))
        value->set(pristine_.get());
}
