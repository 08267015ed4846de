#include "script/CMC_ObjectRef.h"

#include "script/CMC_Object.h"

CMC_ObjectRef::CMC_ObjectRef(CMC_Object* object)
{
    if (object != nullptr)
        *this = object->lifeToken();
}

CMC_ObjectRef CMC_ObjectRef::makeToken(CMC_Object* object)
{
    CMC_ObjectRef own;
    own.token_ = new CMC_LifeToken{object, 1};
    return own;
}
