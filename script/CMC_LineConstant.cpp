#include "script/CMC_LineConstant.h"

#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/OwnedValue.h"

CMC_LineConstant::CMC_LineConstant(CMC_ObjectsContainer* owner, const CXString& text)
    : text_(text)
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
    if (!handedOut_ && value != nullptr)
        keepParsedValue(value);
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
        CMC_Variable* parsed = CMC_Variable::resolve(text_.toString());
        literal_.reset(script::ownedCopy(parsed));
        CMC_Object::flush(parsed);
        if (literal_ != nullptr)
            literal_->markAsLineConstant();
    }
    return literal_.get();
}

void CMC_LineConstant::keepParsedValue(CMC_Variable* value)
{
    handedOut_ = true;
    switch (value->getType()) {
    case script::TYPE_INTEGER:
        parsedNumber_ = static_cast<CMC_Integer*>(value)->getValue();
        break;
    case script::TYPE_BOOL:
        parsedNumber_ = static_cast<CMC_Bool*>(value)->getValue() ? 1.0 : 0.0;
        break;
    case script::TYPE_DOUBLE:
        parsedNumber_ = static_cast<CMC_Double*>(value)->getValue();
        break;
    case script::TYPE_STRING:
        parsedText_ = std::make_unique<CXString>(static_cast<CMC_String*>(value)->value());
        break;
    default:
        break;
    }
}

// As the literal's own equals tells a change: a text changed only in letter case stays as it is.
void CMC_LineConstant::restore()
{
    CMC_Variable* value = literal_.get();
    if (value == nullptr || !handedOut_)
        return;
    switch (value->getType()) {
    case script::TYPE_INTEGER: {
        auto* integer = static_cast<CMC_Integer*>(value);
        if (integer->getValue() != static_cast<int>(parsedNumber_))
            integer->setValue(static_cast<int>(parsedNumber_));
        break;
    }
    case script::TYPE_BOOL: {
        auto* flag = static_cast<CMC_Bool*>(value);
        if (flag->getValue() != (parsedNumber_ != 0.0))
            flag->setValue(parsedNumber_ != 0.0);
        break;
    }
    case script::TYPE_DOUBLE: {
        auto* number = static_cast<CMC_Double*>(value);
        if (!(number->getValue() == parsedNumber_))
            number->setValue(parsedNumber_);
        break;
    }
    case script::TYPE_STRING: {
        auto* text = static_cast<CMC_String*>(value);
        if (!(text->value() == *parsedText_) && !text->value().equalsIgnoreCase(*parsedText_))
            text->setValue(*parsedText_);
        break;
    }
    default:
        break;
    }
}
