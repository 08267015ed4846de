#include "script/CMC_CodeArgument.h"

#include "script/CMC_Behaviour.h"
#include "script/CMC_Cast.h"
#include "script/CMC_ObjectsContainer.h"

CMC_CodeArgument::CMC_CodeArgument(CMC_ObjectsContainer* container, const CXString& text)
{
    if (container == nullptr || text.getLength() == 0)
        return;
    if (CMC_Object* found = container->getObject(text)) {
        named_ = found;
        return;
    }
    own_ = new CMC_Behaviour(container, CXString("temp"), text);
    own_->init();
}

CMC_CodeArgument::~CMC_CodeArgument()
{
    CMC_Object::destroy(own_);
}

CMC_Behaviour* CMC_CodeArgument::behaviour() const
{
    return own_ != nullptr ? own_ : script::castUsually<CMC_Behaviour>(named_.get());
}

bool CMC_CodeArgument::run(CMC_Object* object, CXArray* parameters, bool checkCondition)
{
    CMC_Behaviour* code = behaviour();
    return code != nullptr && code->run(object, parameters, checkCondition);
}
